// The faces that stand in for the window's families, and their line metrics.

#include "windowfonts.h"

#include <QtCore/QByteArray>
#include <QtCore/QtEndian>
#include <QtGui/QFont>
#include <QtGui/QFontDatabase>
#include <QtGui/QFontInfo>
#include <QtGui/QRawFont>
#include <QtWidgets/QApplication>

#include <algorithm>

namespace {

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
// A copy of a font file (one face, not a collection) with one more table, or nothing if the file
// is not one whose table directory can be read.
QByteArray withTable(const QByteArray &file, const char (&tag)[5], const QByteArray &table)
{
    if (file.size() < 12 || file.startsWith("ttcf"))
        return {};
    const int tables = qFromBigEndian<quint16>(file.constData() + 4);
    const int directoryEnd = 12 + 16 * tables;
    if (directoryEnd > file.size())
        return {};
    // The directory grows by one entry, so every table moves 16 bytes on; the new table goes
    // last, four-byte aligned. Entries stay sorted by tag, as readers may search them by halves.
    QByteArray entry(16, '\0');
    std::copy(tag, tag + 4, entry.begin());
    quint32 checksum = 0;
    for (int at = 0; at + 4 <= table.size(); at += 4)
        checksum += qFromBigEndian<quint32>(table.constData() + at);
    const int tableOffset = (file.size() + 16 + 3) & ~3;
    qToBigEndian<quint32>(checksum, entry.data() + 4);
    qToBigEndian<quint32>(quint32(tableOffset), entry.data() + 8);
    qToBigEndian<quint32>(quint32(table.size()), entry.data() + 12);
    QByteArray copy = file.left(directoryEnd);
    int insertAt = directoryEnd;
    for (int at = 12; at < directoryEnd; at += 16) {
        const quint32 offset = qFromBigEndian<quint32>(copy.constData() + at + 8);
        qToBigEndian<quint32>(offset + 16, copy.data() + at + 8);
        if (insertAt == directoryEnd && copy.mid(at, 4) > entry.left(4))
            insertAt = at;
    }
    copy.insert(insertAt, entry);
    qToBigEndian<quint16>(quint16(tables + 1), copy.data() + 4);
    int power = 1;
    int exponent = 0;
    while (power * 2 <= tables + 1) {
        power *= 2;
        ++exponent;
    }
    qToBigEndian<quint16>(quint16(16 * power), copy.data() + 6);
    qToBigEndian<quint16>(quint16(exponent), copy.data() + 8);
    qToBigEndian<quint16>(quint16(16 * (tables + 1 - power)), copy.data() + 10);
    copy += file.mid(directoryEnd);
    copy.append(tableOffset - copy.size(), '\0');
    return copy + table;
}

// Qt 5 laid text out with the line metrics FreeType gives, in whole pixels. Qt 6 reads them
// from the font's tables itself, unrounded and from other fields: Carlito's lines grew from 16
// to 18.7 pixels at 10 pt, and wrapped texts were cut. Qt 6 still takes FreeType's metrics for
// faces with embedded bitmaps, so each face of the family is registered again, for this process
// only, as a copy that is unchanged but for an empty bitmap location table (EBLC, no sizes).
void keepFreeTypeLineMetrics(const QString &family)
{
    QByteArray noBitmapSizes(8, '\0');
    qToBigEndian<quint32>(0x00020000, noBitmapSizes.data());   // version 2.0, no sizes
    for (const QString &style : QFontDatabase::styles(family)) {
        const QRawFont face = QRawFont::fromFont(QFontDatabase::font(family, style, 10));
        if (!face.fontTable("EBLC").isEmpty())
            continue;
        // Tag 0 asks FreeType for the whole font file rather than one of its tables.
        const QByteArray copy = withTable(face.fontTable("\0\0\0\0"), "EBLC", noBitmapSizes);
        if (!copy.isEmpty())
            QFontDatabase::addApplicationFontFromData(copy);
    }
}
#endif

} // namespace

void useWindowFaces()
{
    // Trebuchet MS is missing on Linux; Carlito is close enough in width that every chrome text fits.
    QFont::insertSubstitution(QStringLiteral("Trebuchet MS"), QStringLiteral("Carlito"));
    // One dialog face and size on every desktop, so texts laid out for it fit whatever the desktop's is.
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"));
    QApplication::setFont(QFont(QStringLiteral("Tahoma"), 9));
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    // Qt 6 measures lines otherwise than Qt 5, and the window's wrapped texts got cut.
    for (const char *face : {"Trebuchet MS", "Tahoma"})
        keepFreeTypeLineMetrics(QFontInfo(QFont(QString::fromLatin1(face))).family());
#endif
}
