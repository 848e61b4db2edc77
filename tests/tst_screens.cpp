// What the learner sees: every page and review tab against its reviewed picture in
// tests/reference, and every text on them shown whole, also under a wide desktop font.
// After a reviewed change: cmake --build build --target reference-images
#include "expected.h"
#include "learner.h"
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QTabBar>
#include <QtWidgets/QTabWidget>
using namespace learner;

namespace {
// The option each item gets, -1 leaves it open: on every page some right, some wrong, some open.
const int mixedAnswers[expected::itemCount] = {0, 2, -1, 1, 1,  1, 3, -1, 2, 0,  2, -1, 0, 1, 0,
    3, 4, 1, -1, 2,  2, 0, 1, -1, 0, 1, 2, 0, -1, 0,  4, 1, -1, 3, 1};
const QStringList faces = {"Carlito", "Liberation Sans"};   // fonts-crosextra-carlito, -liberation2

bool answer(QWidget *w, int i, int option)
{
    const expected::Item item = expected::item(i);
    if (option < 0)
        return true;
    if (item.page == 1)
        return clickRadio(radio(w, item.input + QString::number(option + 1)));
    return choose(list(w, item.input), option);
}

// Screens 0 to 6 are the pages, each once answered; 7 to 12 the review tabs after Finish.
bool walkTo(QWidget *w, int screen)
{
    for (int i = 0; i < expected::itemCount; ++i) {
        const int page = expected::item(i).page;
        if (page <= screen && !(goToPage(w, page) && answer(w, i, mixedAnswers[i])))
            return false;
    }
    if (!goToPage(w, qMin(screen, 6)) || screen < 7)
        return true;
    QTabBar *tabs = find<QTabWidget>(w, "tabWidget")->findChild<QTabBar *>();
    const QRect tab = tabs ? tabs->tabRect(screen - 7) : QRect();
    if (!pressFinish(w) || tab.isEmpty())
        return false;
    QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tab.center());
    return tabs->currentIndex() == screen - 7;
}

void addScreenRows()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<bool>("wideDesktopFont");
    for (int screen = 0; screen < 13; ++screen)
        QTest::newRow(qPrintable(screen < 7 ? QString("page-%1").arg(screen)
                                             : QString("review-tab-%1").arg(screen - 6)))
            << screen << false;
}

// The faces the window draws with, when they are not the ones the pictures were made with.
QString otherFaces(QWidget *w)
{
    QStringList drawn;
    for (QWidget *each : w->findChildren<QWidget *>())
        drawn << QFontInfo(each->font()).family();
    drawn.removeDuplicates();
    for (const QString &face : faces)
        drawn.removeAll(face);
    return drawn.join(", ");
}

// The box of pixels that change in `shot` when `holder` loses its text.
QRect inkOf(QWidget *shot, QWidget *holder)
{
    const QRect area(holder->mapTo(shot, QPoint()), holder->size());
    const char *property = qobject_cast<QGroupBox *>(holder) ? "title" : "text";
    const QVariant text = holder->property(property);
    const QImage with = shot->grab(area).toImage();
    holder->setProperty(property, QString());
    const QImage without = shot->grab(area).toImage();
    holder->setProperty(property, text);
    QRect ink;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (qAbs(qGray(with.pixel(x, y)) - qGray(without.pixel(x, y))) > 24)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// The ink of the same text in a copy of the widget with room to spare, on a plain ground: as
// wide (wider when it does not wrap) and 40 pixels taller than the text needs.
QRect roomyInk(QWidget *w)
{
    QWidget ground;
    ground.setAutoFillBackground(true);
    QWidget *copy;
    auto *l = qobject_cast<QLabel *>(w);
    if (l) {
        auto *text = new QLabel(l->text(), &ground);
        text->setWordWrap(l->wordWrap());
        text->setAlignment(l->alignment());
        copy = text;
    } else if (auto *box = qobject_cast<QGroupBox *>(w)) {   // its title, without the frame
        copy = new QLabel(box->title(), &ground);
    } else if (auto *r = qobject_cast<QRadioButton *>(w)) {
        copy = new QRadioButton(r->text(), &ground);
    } else {
        copy = new QPushButton(qobject_cast<QAbstractButton *>(w)->text(), &ground);
    }
    copy->setFont(w->font());
    copy->setStyleSheet(w->styleSheet());
    const int width = w->width() + (l && l->wordWrap() ? 0 : 400);
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
    for (int x = size.width() - 22; x < wide.width() - 22; ++x)
        for (int y = 0; y < wide.height(); ++y)
            if (qGray(wide.pixel(x, y)) < 110)
                return false;
    return true;
}

// The first text of the screen cut on any side, or of an answer list's option; empty if none.
QString firstCutText(QWidget *w)
{
    for (QWidget *each : w->findChildren<QWidget *>()) {
        const QString text = each->property(each->inherits("QGroupBox") ? "title" : "text")
                                 .toString();
        if (!each->isVisible() || text.isEmpty() || each->inherits("QComboBox"))
            continue;
        const QRect shown = inkOf(w, each);
        const QRect full = roomyInk(each);
        if (shown.width() < full.width() - 2 || shown.height() < full.height() - 2)
            return QString("%1 shows %2x%3 of %4x%5 pixels of its text").arg(each->objectName())
                .arg(shown.width()).arg(shown.height()).arg(full.width()).arg(full.height());
    }
    for (QComboBox *c : w->findChildren<QComboBox *>())
        for (int i = 0; c->isVisible() && i < c->count(); ++i)
            if (!optionShowsWhole(c, i))
                return c->objectName() + " cuts " + c->itemText(i);
    return QString();
}
} // namespace

class ScreensTest : public QObject
{
    Q_OBJECT
    QString skipPixels;

private slots:
    void initTestCase()
    {
        prepare();
        const QString others = otherFaces(freshWindow().get());
        if (!others.isEmpty())
            skipPixels = "the pictures were drawn with " + faces.join(" and ") + " (Debian's "
                "fonts-crosextra-carlito and fonts-liberation2); this machine draws with " + others
                + ", so the pixels are not compared. The whole-text checks still run.";
    }

    void looksAsReviewed_data() { addScreenRows(); }
    void looksAsReviewed()
    {
        QFETCH(int, screen);
        if (!skipPixels.isEmpty())
            QSKIP(qPrintable(skipPixels));
        auto w = freshWindow();
        QVERIFY(walkTo(w.get(), screen));
        const QImage shot = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QString name = QTest::currentDataTag();
        const QString file = QString(FLE_REFERENCE_DIR "/%1.png").arg(name);
        if (qEnvironmentVariableIsSet("FLE_MAKE_REFERENCES"))
            QVERIFY2(shot.save(file), qPrintable(file));
        const QImage reference = QImage(file).convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!reference.isNull(), qPrintable("no " + file + " (see the first lines of "
                                                 __FILE__ ")"));
        QCOMPARE(shot.size(), reference.size());
        QImage diff = reference.convertToFormat(QImage::Format_Grayscale8)
                          .convertToFormat(QImage::Format_RGB32);
        QRect changed;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) {
                const QRgb a = shot.pixel(x, y);
                const QRgb b = reference.pixel(x, y);
                const int most = qMax(qAbs(qRed(a) - qRed(b)), qMax(qAbs(qGreen(a) - qGreen(b)),
                                                                    qAbs(qBlue(a) - qBlue(b))));
                if (most > 16) {
                    changed |= QRect(x, y, 1, 1);
                    diff.setPixel(x, y, qRgb(255, 0, 0));
                }
            }
        if (changed.isEmpty())
            return;
        QDir().mkpath("screen-diffs");
        diff.save("screen-diffs/" + name + "-diff.png");
        shot.save("screen-diffs/" + name + ".png");
        QFAIL(qPrintable(QString("%1 differs from %2 in %3,%4 %5x%6: see %7/screen-diffs")
                             .arg(name, file).arg(changed.x()).arg(changed.y())
                             .arg(changed.width()).arg(changed.height()).arg(QDir::currentPath())));
    }

    // Each text shows whole, each answer list's options too; the same under a desktop font
    // wider and larger than the pages were laid out for.
    void textsShowWhole_data()
    {
        addScreenRows();
        for (int screen = 0; screen < 13; ++screen)
            QTest::addRow("wide font, screen %d", screen) << screen << true;
    }
    void textsShowWhole()
    {
        QFETCH(int, screen);
        QFETCH(bool, wideDesktopFont);
        const QFont before = QApplication::font();
        const auto restore = qScopeGuard([before] { QApplication::setFont(before); });
        if (wideDesktopFont) {
            QApplication::setFont(QFont("DejaVu Sans", 11));
            prepareApplication();
        }
        auto w = freshWindow();
        QVERIFY(walkTo(w.get(), screen));
        const QString cut = firstCutText(w.get());
        QVERIFY2(cut.isEmpty(), qPrintable(cut));
    }
};

QTEST_MAIN(ScreensTest)
#include "tst_screens.moc"
