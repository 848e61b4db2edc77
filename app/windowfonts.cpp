// The faces the window's two families are set in. The program carries them, so that neither a
// desktop's own copy of them, of another version, nor its lack of them moves a line.

#include "windowfonts.h"

#include <QtCore/QByteArray>
#include <QtCore/QFile>
#include <QtCore/QString>
#include <QtCore/QtEndian>
#include <QtGui/QFont>
#include <QtGui/QFontDatabase>
#include <QtWidgets/QApplication>

#include <algorithm>
#include <map>
#include <tuple>
#include <vector>

namespace {

// Each family the window asks for, the name its stand-in faces take in this process, and the
// faces of it the window draws with.
struct StandIn
{
    const char *asked;
    const char *family;
    std::vector<const char *> faces;
};

const StandIn standIns[] = {
    // Trebuchet MS is missing on Linux; Carlito is close enough in width that every chrome text
    // fits.
    {"Trebuchet MS", "Fle Test Sans",
     {":/fonts/Carlito-Regular.ttf", ":/fonts/Carlito-Bold.ttf"}},
    // One dialog face on every desktop, so texts laid out for it fit whatever the desktop's is.
    {"Tahoma", "Fle Test Dialog",
     {":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf",
      ":/fonts/LiberationSans-BoldItalic.ttf"}},
};

using Tables = std::map<QByteArray, QByteArray>;   // by tag, in the order a font lists them

quint16 word(const QByteArray &data, int at)
{
    return qFromBigEndian<quint16>(data.constData() + at);
}

quint32 longWord(const QByteArray &data, int at)
{
    return qFromBigEndian<quint32>(data.constData() + at);
}

// The tables of a font file holding one face, or none if its table directory cannot be read.
Tables tablesOf(const QByteArray &file)
{
    Tables tables;
    if (file.size() < 12 || file.startsWith("ttcf"))
        return tables;
    const int count = word(file, 4);
    if (12 + 16 * count > file.size())
        return tables;
    for (int entry = 12; entry < 12 + 16 * count; entry += 16) {
        const quint32 offset = longWord(file, entry + 8);
        const quint32 length = longWord(file, entry + 12);
        if (offset > quint32(file.size()) || length > quint32(file.size()) - offset)
            return Tables();
        tables[file.mid(entry, 4)] = file.mid(int(offset), int(length));
    }
    return tables;
}

// A font file made of these tables, each four-byte aligned, listed by tag.
QByteArray fontFile(const QByteArray &version, const Tables &tables)
{
    const int count = int(tables.size());
    int power = 1;
    int exponent = 0;
    while (power * 2 <= count) {
        power *= 2;
        ++exponent;
    }
    QByteArray file = version;
    file.resize(12 + 16 * count);
    qToBigEndian<quint16>(quint16(count), file.data() + 4);
    qToBigEndian<quint16>(quint16(16 * power), file.data() + 6);
    qToBigEndian<quint16>(quint16(exponent), file.data() + 8);
    qToBigEndian<quint16>(quint16(16 * (count - power)), file.data() + 10);
    int entry = 12;
    for (const auto &[tag, table] : tables) {
        QByteArray padded = table;
        padded.append((4 - padded.size() % 4) % 4, '\0');
        quint32 checksum = 0;
        for (int at = 0; at < padded.size(); at += 4)
            checksum += longWord(padded, at);
        file.replace(entry, 4, tag);
        qToBigEndian<quint32>(checksum, file.data() + entry + 4);
        qToBigEndian<quint32>(quint32(file.size()), file.data() + entry + 8);
        qToBigEndian<quint32>(quint32(table.size()), file.data() + entry + 12);
        file += padded;
        entry += 16;
    }
    return file;
}

struct NameRecord
{
    quint16 platform, encoding, language, id;
    QByteArray text;
    bool operator<(const NameRecord &other) const
    {
        return std::tie(platform, encoding, language, id)
            < std::tie(other.platform, other.encoding, other.language, other.id);
    }
};

QByteArray utf16BigEndian(const QString &text)
{
    QByteArray bytes(2 * text.size(), '\0');
    for (int i = 0; i < text.size(); ++i)
        qToBigEndian<quint16>(text.at(i).unicode(), bytes.data() + 2 * i);
    return bytes;
}

// The face's naming table with its family named anew: its copyright, style, version and
// licence records kept as they are, every other name left out.
QByteArray namedAnew(const QByteArray &names, const QString &family)
{
    std::vector<NameRecord> records;
    QString style = QStringLiteral("Regular");
    if (names.size() >= 6) {
        const int count = word(names, 2);
        const int storage = word(names, 4);
        for (int at = 6; at + 12 <= names.size() && at < 6 + 12 * count; at += 12) {
            NameRecord record{word(names, at), word(names, at + 2), word(names, at + 4),
                              word(names, at + 6), QByteArray()};
            const int length = word(names, at + 8);
            const int offset = storage + word(names, at + 10);
            const bool windowsEnglish = record.platform == 3 && record.encoding == 1
                && record.language == 0x409;
            const bool kept = record.id == 0 || record.id == 2 || record.id == 5
                || record.id == 13 || record.id == 14;
            if (!kept || record.language >= 0x8000 || offset + length > names.size())
                continue;
            record.text = names.mid(offset, length);
            if (windowsEnglish && record.id == 2) {
                style.clear();
                for (int i = 0; i + 1 < length; i += 2)
                    style += QChar(word(record.text, i));
            }
            records.push_back(record);
        }
    }
    const QString full = family + QLatin1Char(' ') + style;
    const QString postScript = QString(full).remove(QLatin1Char(' '));
    const std::pair<quint16, QString> newNames[] = {{1, family}, {4, full}, {6, postScript}};
    for (const auto &[id, text] : newNames)
        records.push_back({3, 1, 0x409, id, utf16BigEndian(text)});
    std::sort(records.begin(), records.end());
    QByteArray table(6 + 12 * int(records.size()), '\0');
    qToBigEndian<quint16>(quint16(records.size()), table.data() + 2);
    qToBigEndian<quint16>(quint16(table.size()), table.data() + 4);
    QByteArray storage;
    int at = 6;
    for (const NameRecord &record : records) {
        for (quint16 value : {record.platform, record.encoding, record.language, record.id,
                              quint16(record.text.size()), quint16(storage.size())}) {
            qToBigEndian<quint16>(value, table.data() + at);
            at += 2;
        }
        storage += record.text;
    }
    return table + storage;
}

// The carried face as this process registers it: named after the role it plays, so that no
// installed face of the same name is ever taken for it, and with an empty bitmap location table
// (EBLC, version 2.0, no sizes). Qt 5 lays text out with FreeType's line metrics, in whole
// pixels; Qt 6 reads other fields of the font's tables itself, unrounded (Carlito's lines grew
// from 16 to 18.7 pixels at 10 pt, and wrapped texts were cut), but it keeps FreeType's metrics
// for faces with embedded bitmaps. The copy lives in memory only; the carried file is unchanged.
QByteArray registeredCopy(const QByteArray &file, const QString &family)
{
    Tables tables = tablesOf(file);
    if (tables.find("name") == tables.end() || tables.find("EBLC") != tables.end())
        return QByteArray();
    QByteArray noBitmapSizes(8, '\0');
    qToBigEndian<quint32>(0x00020000, noBitmapSizes.data());
    tables["EBLC"] = noBitmapSizes;
    tables["name"] = namedAnew(tables["name"], family);
    return fontFile(file.left(4), tables);
}

} // namespace

// Registers every carried face; false if one of them could not be.
static bool registerFaces()
{
    Q_INIT_RESOURCE(fonts);
    bool all = true;
    for (const StandIn &standIn : standIns) {
        for (const char *face : standIn.faces) {
            QFile file(QString::fromLatin1(face));
            const QByteArray copy = file.open(QIODevice::ReadOnly)
                ? registeredCopy(file.readAll(), QString::fromLatin1(standIn.family))
                : QByteArray();
            all = !copy.isEmpty() && QFontDatabase::addApplicationFontFromData(copy) >= 0 && all;
        }
    }
    return all;
}

void useWindowFaces()
{
    // The faces the pages were laid out with, whatever the desktop has installed.
    static const bool registered = registerFaces();
    if (!registered)
        qWarning("The window's own font faces could not be loaded; its texts may not fit.");
    for (const StandIn &standIn : standIns)
        QFont::insertSubstitution(QString::fromLatin1(standIn.asked),
                                  QString::fromLatin1(standIn.family));
    QApplication::setFont(QFont(QStringLiteral("Tahoma"), 9));
}
