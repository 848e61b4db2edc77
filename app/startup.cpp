#include "startup.h"
#include "accessible.h"

#include <QtCore/QByteArray>
#include <QtCore/QtEndian>
#include <QtGui/QFont>
#include <QtGui/QFontDatabase>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>
#include <QtGui/QRawFont>
#include <QtGui/QScreen>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <QtWidgets/QApplication>
#include <QtWidgets/QProxyStyle>
#include <QtWidgets/QStyleOption>

#include <algorithm>
#include <iterator>

namespace {

// Set by prepareToolkit: a style named on the command line is the user's and wins.
bool styleFromCommandLine = false;

// Two style sheets of the window give rgb() four values; the toolkit reads them right but says
// so at every start. Those two messages are dropped; every other one goes on as before.
QtMessageHandler nextHandler = nullptr;

void dropKnownStyleNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    static const QString known[] = {
        QStringLiteral("QCssParser::parseColorValue: Specified color without alpha value but "
                       "alpha given: 'rgb 255, 255, 255, 0.0'"),
        QStringLiteral("QCssParser::parseColorValue: Specified color without alpha value but "
                       "alpha given: 'rgb 255, 255, 255, 0'"),
    };
    const bool isKnown = std::find(std::begin(known), std::end(known), message) != std::end(known);
    if (type == QtWarningMsg && isKnown)
        return;
    if (nextHandler)
        nextHandler(type, context, message);
}

bool askedForStyle(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        QByteArray argument(argv[i]);
        if (argument.startsWith("--"))
            argument.remove(0, 1);
        if ((argument == "-style" && i + 1 < argc) || argument.startsWith("-style="))
            return true;
    }
    return false;
}

// True when the user set the scale through the toolkit's own variables; then they decide.
bool userChoseScale()
{
    for (const char *name : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
                             "QT_SCALE_FACTOR_ROUNDING_POLICY", "QT_DEVICE_PIXEL_RATIO"}) {
        if (qEnvironmentVariableIsSet(name))
            return true;
    }
    for (const char *name : {"QT_ENABLE_HIGHDPI_SCALING", "QT_AUTO_SCREEN_SCALE_FACTOR"}) {
        bool isNumber = false;
        if (qEnvironmentVariableIntValue(name, &isNumber) == 0 && isNumber)
            return true;
    }
    return false;
}

// The one private call of the toolkit we rely on: Qt 5 offers no public way to
// change a screen's scale once the application exists. A factor of exactly 1 is
// ignored until some other factor has been set, so one is set first.
void setScreenScale(QScreen *screen, qreal factor)
{
    if (qFuzzyCompare(factor, qreal(1)))
        QHighDpiScaling::setScreenFactor(screen, 2);
    QHighDpiScaling::setScreenFactor(screen, factor);
}

// The scale a screen's dots per inch ask for, kept where the 800 x 600 window and
// a title bar fit the screen's free area. 100 dpi is what an X server assumes when
// it does not know the screen's size, not a scale a desktop chose (desktops set
// 96 dpi times their scale), so anything under 105 % is taken as 100 %.
qreal fittingScale(const QScreen *screen)
{
    const qreal asked = screen->devicePixelRatio();
    const QSizeF freeArea = QSizeF(screen->availableGeometry().size()) * asked;
    const qreal fits = std::min(freeArea.width() / 800, freeArea.height() / (600 + 40));
    const qreal scale = asked < 1.05 ? 1 : std::min(asked, fits);
    return std::max<qreal>(scale, 1);
}

// The 13-pixel ring, and a blue dot when checked, drawn over the base style's
// radio indicator: under the window's gradient most styles draw no visible ring.
class RingStyle : public QProxyStyle
{
public:
    explicit RingStyle(const QString &baseKey) : QProxyStyle(baseKey) {}

    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        if (metric == PM_ExclusiveIndicatorWidth || metric == PM_ExclusiveIndicatorHeight)
            return ringSize;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
        // Qt 5 read the page stack's rgb(255, 255, 255, 0) as opaque white and filled the review's
        // tab pane with it, frame and all; Qt 6 reads it as transparent and draws a grey pane.
        if (element == PE_FrameTabWidget) {
            painter->fillRect(option->rect.adjusted(0, 0, -1, -1), Qt::white);
            return;
        }
#endif
        if (element != PE_IndicatorRadioButton) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        painter->save();
        const QRectF box(option->rect);
        const qreal inner = box.width() - 2;
        QPainterPath round;
        round.addRoundedRect(box, ringSize / 2, ringSize / 2);
        painter->setClipPath(round);
        painter->fillRect(box, Qt::white);
        if (option->state & State_On) {
            QRadialGradient dot(box.center(), (box.width() - 1) / 2);
            dot.setColorAt(0, QColor(0x00, 0x55, 0x7f));
            dot.setColorAt(0.6, QColor(0x00, 0x55, 0x7f));
            dot.setColorAt(0.75, Qt::white);
            dot.setColorAt(1, Qt::white);
            painter->fillRect(box.adjusted(1, 1, -1, -1), dot);
        }
        painter->setClipping(false);
        painter->setRenderHint(QPainter::Antialiasing);
        // The ring as four one-pixel sides, each with two arcs of 45 degrees out of circles a
        // pixel apart, drawn bottom, right, left, top.
        const QColor ink(0x26, 0x26, 0x26);
        QPen pen(ink, 1);
        pen.setCapStyle(Qt::SquareCap);
        const qreal x = box.x() + 0.5;
        const qreal y = box.y() + 0.5;
        const QRectF topLeft(x, y, inner, inner);
        const QRectF topRight(x + 1, y, inner, inner);
        const QRectF bottomLeft(x, y + 1, inner, inner);
        const QRectF bottomRight(x + 1, y + 1, inner, inner);
        const qreal middle = box.width() / 2 - 0.5;
        const QRectF sides[] = {
            {box.x() + middle, box.bottom() - 1, 1, 1}, {box.right() - 1, box.y() + middle, 1, 1},
            {box.x(), box.y() + middle, 1, 1}, {box.x() + middle, box.y(), 1, 1}};
        const struct { const QRectF &circle; int from; int span; } arcs[] = {
            {bottomLeft, -90, -45}, {bottomRight, -90, 45}, {topRight, 45, -45},
            {bottomRight, 315, 45}, {topLeft, 135, 45}, {bottomLeft, 180, 45},
            {topLeft, 135, -45}, {topRight, 45, 45}};
        for (int side = 0; side < 4; ++side) {
            painter->setPen(Qt::NoPen);
            painter->setBrush(ink);
            painter->drawRect(sides[side]);
            painter->setPen(pen);
            painter->setBrush(Qt::NoBrush);
            for (int arc = 2 * side; arc < 2 * side + 2; ++arc)
                painter->drawArc(arcs[arc].circle, arcs[arc].from * 16, arcs[arc].span * 16);
        }
        painter->restore();
    }

private:
    static constexpr int ringSize = 13;
};

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

void prepareToolkit(int argc, char **argv)
{
    styleFromCommandLine = askedForStyle(argc, argv);
    // The window is laid out for 96 dpi: on a scaled screen the toolkit grows all of it, by the
    // exact factor the desktop set (125 % stays 125 %, not rounded to 100 % or 200 %).
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);   // always on in Qt 6
#endif
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    // Dark desktop palettes and desktop fonts would make texts unreadable or cut them.
    QGuiApplication::setDesktopSettingsAware(false);
}

void prepareApplication()
{
    // Two notes on the window's own style sheets were printed at every start.
    if (!nextHandler)
        nextHandler = qInstallMessageHandler(dropKnownStyleNotes);
    // A window scaled past the screen would hide its buttons; fit it, and never shrink it.
    if (!userChoseScale()) {
        for (QScreen *screen : QGuiApplication::screens()) {
            const qreal scale = fittingScale(screen);
            if (!qFuzzyCompare(scale, screen->devicePixelRatio()))
                setScreenScale(screen, scale);
        }
    }
    // One style and its own light palette on every desktop, with the ring drawn in.
    const QString base = styleFromCommandLine ? QApplication::style()->objectName()
                                              : QStringLiteral("fusion");
    QApplication::setStyle(new RingStyle(base));
    QApplication::setPalette(QApplication::style()->standardPalette());
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
    // Qt 5 names a chosen list by its option and a box's options by its title; readers lost both.
    accessible::installInterfaces();
}
