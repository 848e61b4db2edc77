// What the learner sees: every page and review tab against its reviewed picture in
// tests/reference (tests/reference-qt6 on Qt 6), and every text on them shown whole, also on a
// desktop with a look of its own.
// After a reviewed change of the pictures: cmake --build build --target reference-images
#include "expected.h"
#include "mixed_answers.h"
#include <QtGui/QAbstractTextDocumentLayout>
#include <QtGui/QFontDatabase>
#include <QtGui/QPainter>
#include <QtGui/QTextDocument>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QTabBar>
using namespace learner;

namespace {
// Screens 0 to 6 are the pages, each once answered; 7 to 12 the review tabs after Finish; 13
// and 14 review tabs 1 and 5 with the keyboard focus on an answer, reached with Tab from the
// tab bar: the first answer of tab 1, the third of tab 5.
const int screenCount = 15;
int reviewTab(int screen)
{
    return screen < 13 ? screen - 6 : screen == 13 ? 1 : 5;
}

bool walkTo(QWidget *w, int screen)
{
    for (int i = 0; i < expected::itemCount; ++i) {
        const int page = expected::item(i).page;
        if (page <= screen && !(goToPage(w, page) && expected::answer(w, i, mixed::answers[i])))
            return false;
    }
    QTabBar *tabs = w->findChild<QTabBar *>();
    if (!goToPage(w, qMin(screen, 6)) || screen < 7 || !tabs || !pressFinish(w))
        return screen < 7;
    const int tab = reviewTab(screen) - 1;
    QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(tab).center());
    if (screen >= 13)   // the keys go to the window as the active one, with or without a desktop
        QApplication::setActiveWindow(w);
    for (int k = 0; screen >= 13 && k < (screen == 13 ? 1 : 3); ++k) {
        if (!w->focusWidget())
            return false;
        QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
    }
    return tabs->currentIndex() == tab;
}

// Each screen as the program starts, and again on a desktop with a dark palette, another
// style, and a font wider and larger than the pages were laid out for.
void addScreenRows()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<bool>("otherDesktop");
    for (int s = 0; s < 2 * screenCount; ++s) {   // the pages, the review tabs, the focused tabs
        const int screen = s % screenCount;
        const char *font = s < screenCount ? "" : ", another desktop";
        const bool other = s >= screenCount;
        if (screen < 7)
            QTest::addRow("page-%d%s", screen, font) << screen << other;
        else
            QTest::addRow(screen < 13 ? "review-tab-%d%s" : "review-tab-%d-focused%s",
                          reviewTab(screen), font) << screen << other;
    }
}

// A fresh window on that screen, started on the desktop of the row.
std::unique_ptr<MainWindow> windowOn(int screen, bool otherDesktop)
{
    if (otherDesktop) {
        QApplication::setStyle("windows");
        QApplication::setPalette(QPalette(Qt::white, QColor(40, 40, 40)));
        QApplication::setFont(QFont("DejaVu Sans", 11));
        prepareApplication();
    }
    auto w = freshWindow();
    if (!walkTo(w.get(), screen))
        w.reset();
    return w;
}

// Gives a widget a text as the program gives it: a label that can take the focus, as a review
// answer, draws a text given then through a document of its own (Qt 5.15, Qt 6), two pixels
// higher, and the program writes each answer before the answer can take the focus.
void rewrite(QWidget *holder, const char *property, const QVariant &text)
{
    const Qt::FocusPolicy policy = holder->focusPolicy();
    holder->setFocusPolicy(Qt::NoFocus);
    holder->setProperty(property, text);
    holder->setFocusPolicy(policy);
}

// The box of pixels that change in `shot` when `holder` loses its text.
QRect inkOf(QWidget *shot, QWidget *holder)
{
    const QRect area(holder->mapTo(shot, QPoint()), holder->size());
    const char *property = qobject_cast<QGroupBox *>(holder) ? "title" : "text";
    const QVariant text = holder->property(property);
    const QImage with = shot->grab(area).toImage();
    rewrite(holder, property, QString());
    const QImage without = shot->grab(area).toImage();
    rewrite(holder, property, text);
    QRect ink;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (qAbs(qGray(with.pixel(x, y)) - qGray(without.pixel(x, y))) > 24)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// The rows where the screen shows ink of a text (`with` against `without` it), and the clearly
// visible ink (not the faint edge of its smoothing) that the whole text has above or below them.
int inkOutside(const QImage &with, const QImage &without, const QImage &whole)
{
    int first = whole.height();
    int last = -1;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (qAbs(qGray(with.pixel(x, y)) - qGray(without.pixel(x, y))) > 24) {
                first = qMin(first, y);
                last = qMax(last, y);
            }
    int cut = 0;
    for (int y = 0; y < whole.height(); ++y)
        for (int x = 0; (y < first || y > last) && x < whole.width(); ++x)
            cut += qAbs(qGray(whole.pixel(x, y)) - qGray(without.pixel(x, y))) > 64;
    return cut;
}

// A label draws its text clipped to itself: a rich text to its document, whose first line
// starts at the document's very top, so what rises above that line, as the accent of a capital
// may, is cut; a plain text to its contents, so lines taller than those lose their feet. Drawn
// again where the label draws it, without a clip and with room around, the text shows its whole
// ink; this counts the clearly visible pixels of it that are not on screen.
int inkCutOff(QWidget *shot, QLabel *label)
{
    if (!label || label->text().isEmpty())
        return 0;
    const int room = 8;
    const QRect area(label->mapTo(shot, QPoint(0, -room)), label->size() + QSize(0, 2 * room));
    (void)shot->grab(area);   // the window settles: a label set a text anew lays it out again
    QCoreApplication::processEvents();
    const QImage with = shot->grab(area).toImage();
    const QString text = label->text();
    rewrite(label, "text", QString());
    const QImage without = shot->grab(area).toImage();
    rewrite(label, "text", text);
    (void)shot->grab(area);   // the label lays its document out as it paints it
    const int margin = label->margin();
    const QRect contents = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    QImage whole = without;
    QPainter painter(&whole);
    const QTextDocument *document = label->findChild<QTextDocument *>();
    const bool rich = label->textFormat() == Qt::RichText
        || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
    if (!rich) {
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        painter.setFont(label->font());
        painter.setPen(label->palette().color(label->foregroundRole()));
        const QRect laidOut = painter.boundingRect(contents, flags, text);
        painter.drawText(laidOut.translated(0, room), flags, text);
        painter.end();
        return inkOutside(with, without, whole);
    }
    if (!document)
        return 0;
    const qreal spare = contents.height() - document->documentLayout()->documentSize().height();
    qreal top = contents.top() + room;
    if (label->alignment() & Qt::AlignVCenter)
        top += qMax<qreal>(spare / 2, 0);
    else if (label->alignment() & Qt::AlignBottom)
        top += qMax<qreal>(spare, 0);
    painter.translate(QRectF(contents.left(), top, 1, 1).toAlignedRect().topLeft());
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = label->palette();
    context.palette.setColor(QPalette::Text, label->palette().color(label->foregroundRole()));
    document->documentLayout()->draw(&painter, context);
    painter.end();
    return inkOutside(with, without, whole);
}

// The ink of the same text in a copy of the widget with room to spare, on a mid-grey ground
// where white and black texts both show: as wide when it wraps, else as wide as it likes, and
// 40 pixels taller than the text needs.
QRect roomyInk(QWidget *w)
{
    QWidget ground;
    ground.setAutoFillBackground(true);
    ground.setPalette(QPalette(QColor(128, 128, 128)));
    QWidget *copy = new QRadioButton(w->property("text").toString(), &ground);
    auto *l = qobject_cast<QLabel *>(w);
    if (l || qobject_cast<QGroupBox *>(w)) {   // a group box: its title, without the frame
        auto *text = new QLabel(l ? l->text() : w->property("title").toString(), &ground);
        text->setWordWrap(l && l->wordWrap());
        copy = text;
    } else if (qobject_cast<QPushButton *>(w)) {
        copy = new QPushButton(w->property("text").toString(), &ground);
    }
    copy->setFont(w->font());
    copy->setStyleSheet(w->styleSheet());
    const int width = l && l->wordWrap() ? w->width() : copy->sizeHint().width() + 40;
    copy->resize(width, qMax(w->height(), copy->heightForWidth(width)) + 40);
    ground.resize(copy->size());
    return inkOf(&ground, copy);
}

// Drawn in a list 100 pixels wider, the option leaves no dark pixel right of where the
// laid-out list's arrow begins.
bool optionShowsWhole(QComboBox *c, int index)
{
    c->setCurrentIndex(index);
    const QSize size = c->size();
    c->resize(size.width() + 100, size.height());
    const QImage wide = c->grab().toImage();
    c->resize(size);
    const qreal scale = wide.devicePixelRatio();   // the image is in the screen's pixels
    const int arrow = qCeil(22 * scale);
    for (int x = qCeil(size.width() * scale) - arrow; x < wide.width() - arrow; ++x)
        for (int y = 0; y < wide.height(); ++y)
            if (qGray(wide.pixel(x, y)) < 110)
                return false;
    return true;
}

// The first text on screen cut on any side, or answer list option cut; empty if none.
QString firstCutText(QWidget *w)
{
    for (QWidget *each : w->findChildren<QWidget *>()) {
        const bool box = qobject_cast<QGroupBox *>(each);
        const QString text = each->property(box ? "title" : "text").toString();
        if (!each->isVisible() || text.trimmed().isEmpty())
            continue;
        const QRect shown = inkOf(w, each);
        const QRect full = roomyInk(each);
        const int slack = qCeil(2 * w->devicePixelRatioF());   // two pixels at 100 %
        const bool cut = shown.width() < full.width() - slack
            || shown.height() < full.height() - slack;
        if (full.isEmpty() || cut)
            return QString("%1 shows %2x%3 of %4x%5 pixels of its text").arg(each->objectName())
                .arg(shown.width()).arg(shown.height()).arg(full.width()).arg(full.height());
        if (const int lost = inkCutOff(w, qobject_cast<QLabel *>(each)))
            return QString("%1 cuts %2 pixels off its text").arg(each->objectName()).arg(lost);
    }
    for (QComboBox *c : w->findChildren<QComboBox *>())
        for (int i = 0; c->isVisible() && i < c->count(); ++i)
            if (!optionShowsWhole(c, i))
                return c->objectName() + " cuts " + c->itemText(i);
    return QString();
}

// True for a change that is the rasteriser's, not the page's: one glyph drawn a little
// otherwise (newer font rasterisers set an accent or a ligature a pixel away), or a line drawn
// a pixel thicker (Qt 6.11 rounds an underline of 1.98 pixels up). A moved line changes both
// edges of every glyph in it, a text cut or a cell in another colour a whole row of glyphs.
bool drawnOtherwise(const QRect &patch)
{
    const int glyphCell = 12;
    return (patch.width() <= glyphCell && patch.height() <= glyphCell)
        || patch.width() == 1 || patch.height() == 1;
}

// The patches where `shot` differs from `reference` (a colour channel off by more than 16),
// marked red in `diff`. Changes less than five pixels apart are one patch, so that a word
// drawn otherwise is one patch, not one for each of its letters.
QVector<QRect> changedPatches(const QImage &shot, const QImage &reference, QImage *diff)
{
    const int w = shot.width();
    const int h = shot.height();
    const int reach = 2;   // each change is widened by this much on every side
    QVector<char> changed(w * h, 0);
    QVector<char> near(w * h, 0);   // 1: within reach of a change; 2: in a patch found
    bool any = false;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb a = shot.pixel(x, y);
            const QRgb b = reference.pixel(x, y);
            if (qMax(qMax(qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b))),
                     qAbs(qBlue(a) - qBlue(b))) <= 16)
                continue;
            any = true;
            changed[y * w + x] = 1;
            diff->setPixel(x, y, qRgb(255, 0, 0));
            for (int ny = qMax(0, y - reach); ny <= qMin(h - 1, y + reach); ++ny)
                for (int nx = qMax(0, x - reach); nx <= qMin(w - 1, x + reach); ++nx)
                    near[ny * w + nx] = 1;
        }
    QVector<QRect> patches;
    for (int start = 0; any && start < w * h; ++start) {
        if (near[start] != 1)
            continue;
        QRect box;
        QVector<int> todo{start};
        near[start] = 2;
        while (!todo.isEmpty()) {
            const int at = todo.takeLast();
            const int x = at % w;
            const int y = at / w;
            if (changed[at])
                box |= QRect(x, y, 1, 1);
            for (int ny = qMax(0, y - 1); ny <= qMin(h - 1, y + 1); ++ny)
                for (int nx = qMax(0, x - 1); nx <= qMin(w - 1, x + 1); ++nx)
                    if (near[ny * w + nx] == 1) {
                        near[ny * w + nx] = 2;
                        todo.append(ny * w + nx);
                    }
        }
        patches.append(box);
    }
    return patches;
}
} // namespace

class ScreensTest : public QObject
{
    Q_OBJECT
    QStringList askedFamilies;   // installed here: then the window rightly draws with them
    QFont startFont;

public:
    static void initMain();
private slots:
    void initTestCase();
    void cleanup() { QApplication::setFont(startFont); }   // as the next test expects it

    void looksAsReviewed_data();
    void looksAsReviewed();
    void focusFrameFollowsTab();
    void textsShowWhole_data();
    void textsShowWhole();
};

// Drawn as on a plain 96-dpi desktop, also when started by hand, unless a platform is named.
void ScreensTest::initMain()
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_FONT_DPI", "96");
}

void ScreensTest::initTestCase()
{
    prepare();
    startFont = QApplication::font();
    const QStringList installed = QFontDatabase().families();
    for (const char *family : {"Trebuchet MS", "Tahoma"}) {
        if (installed.contains(family))
            askedFamilies << QString(family);
    }
}

void ScreensTest::looksAsReviewed_data()
{
    addScreenRows();
}

void ScreensTest::looksAsReviewed()
{
    QFETCH(int, screen);
    QFETCH(bool, otherDesktop);
    if (!askedFamilies.isEmpty())
        QSKIP(qPrintable("The pictures were drawn with the program's own faces, which stand in "
            "for Trebuchet MS and Tahoma; this machine has " + askedFamilies.join(" and ")
            + " installed, so the window draws with them and is not compared. Texts were "
            "checked whole."));
    const auto w = windowOn(screen, otherDesktop);
    QVERIFY(w);
    const QImage shot = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString name = QString(QTest::currentDataTag()).section(',', 0, 0);
    const QString file = QString(FLE_REFERENCE_DIR "/%1.png").arg(name);
    if (qEnvironmentVariableIsSet("FLE_MAKE_REFERENCES") && !otherDesktop)
        QVERIFY2(shot.save(file), qPrintable(file));
    const QImage reference = QImage(file).convertToFormat(QImage::Format_RGB32);
    QVERIFY2(reference.size() == shot.size(), qPrintable(file + " missing or not 800x600"));
    QImage diff = reference.convertToFormat(QImage::Format_Grayscale8)
                      .convertToFormat(QImage::Format_RGB32);
    const QVector<QRect> patches = changedPatches(shot, reference, &diff);
    if (patches.isEmpty())
        return;
    QDir().mkpath("screen-diffs");
    const QString saved = "screen-diffs/" + name + (otherDesktop ? "-other-desktop" : "");
    diff.save(saved + "-diff.png");
    shot.save(saved + ".png");
    const QString where = QDir::current().filePath(saved + "-diff.png");
    for (const QRect &patch : patches) {
        if (drawnOtherwise(patch))
            continue;
        QFAIL(qPrintable(QString("%1 differs from its picture in %2,%3 %4x%5, more than a "
            "glyph or a line drawn otherwise (red in %6)").arg(name).arg(patch.x())
            .arg(patch.y()).arg(patch.width()).arg(patch.height()).arg(where)));
    }
    qInfo("%s: %d glyphs or lines drawn a little otherwise, none moved (red in %s)",
          qPrintable(name),
          int(patches.size()), qPrintable(where));
}

// Tab from the tab bar after Finish shows a focus frame on each answer of the tab in turn,
// 2 px inside it, and only there: the answer left shows as it did before the focus came.
void ScreensTest::focusFrameFollowsTab()
{
    const auto w = windowOn(7, false);
    QVERIFY(w);
    QApplication::setActiveWindow(w.get());
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QVector<QLabel *> cells;
    QVector<QImage> unfocused;
    for (const char *name : {"res", "res_2", "res_3", "res_4", "res_5"}) {
        cells << label(w.get(), name);
        QVERIFY(cells.last());
        unfocused << w->grab(QRect(cells.last()->mapTo(w.get(), QPoint()),
                                   cells.last()->size())).toImage();
    }
    for (int k = 0; k <= cells.size(); ++k) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        for (int c = 0; c < cells.size(); ++c) {
            const QImage shown = w->grab(QRect(cells[c]->mapTo(w.get(), QPoint()),
                                               cells[c]->size())).toImage();
            QRect changed;
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x)
                    if (shown.pixel(x, y) != unfocused[c].pixel(x, y))
                        changed |= QRect(x, y, 1, 1);
            // The frame and all within it, 2 px inside the answer on every side.
            const QRect framed = c == k ? cells[c]->rect().adjusted(2, 2, -2, -2) : QRect();
            const QString where = QString("%1 after %2 Tab: changed %3,%4 %5x%6")
                .arg(cells[c]->objectName()).arg(k + 1).arg(changed.x()).arg(changed.y())
                .arg(changed.width()).arg(changed.height());
            QVERIFY2(changed == framed, qPrintable(where));
        }
    }
    QCOMPARE(focused()->objectName(), QString("close_button"));
}

// Each text shows whole, each answer list's options too.
void ScreensTest::textsShowWhole_data()
{
    addScreenRows();
}

void ScreensTest::textsShowWhole()
{
    QFETCH(int, screen);
    QFETCH(bool, otherDesktop);
    const auto w = windowOn(screen, otherDesktop);
    QVERIFY(w);
    const QString cut = firstCutText(w.get());
    QVERIFY2(cut.isEmpty(), qPrintable(cut));
}

// The program's own start-up around the application object, so that options such as -style
// and a scaled screen apply as they do to the program.
int main(int argc, char *argv[])
{
    ScreensTest::initMain();
    prepareToolkit(argc, argv);
    QApplication application(argc, argv);
    ScreensTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_screens.moc"
