// Going through the test: the header and the buttons shown on each page as the learner pages
// on with Next and back with Back, a page counter brought back into range, closing the window.
#include "learner.h"
#include <QtGui/QWindow>
using namespace learner;

namespace {
// "counter/page section|points|" and Back, Next, Finish, Close shown (1) or hidden (0).
QString header(QWidget *w)
{
    QString line = QString("%1/%2 %3|%4|").arg(current_page).arg(stack(w)->currentIndex())
                       .arg(read(w, "type_label"), read(w, "total_label"));
    for (const char *name : {"pushButton_1", "pushButton_2", "pushButton_3", "close_button"})
        line += shown(w, name) ? '1' : '0';
    return line;
}
const QStringList pages = {"0/0 LECTURE| |0100", "1/1 LECTURE|5 x 2 = 10|1100",
                           "2/2 VOCABULAIRE|5 x 2 = 10|1100", "3/3 VOCABULAIRE|5 x 2 = 10|1100",
                           "4/4 GRAMMAIRE|5 x 2 = 10|1100", "5/5 VOCABULAIRE|10 x 2 = 20|1100",
                           "6/6 GRAMMAIRE|5 x 2 = 10|1010"};
} // namespace

class NavigationTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { prepare(); }

    void startsOnTheReading()
    {
        auto w = freshWindow();
        QCOMPARE(w->windowTitle(), "TEST № 8. LA LUTTE CONTRE LE TRAFIC DE STUPÉFIANTS.");
        QCOMPARE(header(w.get()), "0/0 <html><head/><body><p>LECTURE</p></body></html>||0100");
        w->resize(1000, 700);
        QCOMPARE(w->size(), QSize(800, 600));
    }

    void nextAndBack_data()
    {
        QTest::addColumn<int>("page");
        for (int page = 1; page <= 6; ++page)
            QTest::addRow("page %d", page) << page;
    }
    // Next to the page, then Back to the one before and Next again.
    void nextAndBack()
    {
        QFETCH(int, page);
        auto w = freshWindow();
        QVERIFY(goToPage(w.get(), page));
        QCOMPARE(header(w.get()), pages[page]);
        QVERIFY(pressBack(w.get()));
        QCOMPARE(header(w.get()), pages[page - 1]);
        QVERIFY(pressNext(w.get()));
        QCOMPARE(header(w.get()), pages[page]);
    }

    void counterOutOfRange_data()
    {
        QTest::addColumn<int>("counter");
        QTest::addColumn<QString>("afterNext");
        QTest::addColumn<QString>("afterNextAgain");
        QTest::newRow("past the end") << 40 << pages[6] << pages[6];
        QTest::newRow("before the start") << -40 << pages[0] << pages[1];
    }
    // Were the counter ever out of range, the next step brings it back to the nearest page.
    void counterOutOfRange()
    {
        QFETCH(int, counter);
        QFETCH(QString, afterNext);
        QFETCH(QString, afterNextAgain);
        auto w = freshWindow();
        QVERIFY(goToPage(w.get(), counter > 0 ? 5 : 0));
        current_page = counter;
        QVERIFY(pressNext(w.get()));
        QCOMPARE(header(w.get()), afterNext);
        QVERIFY(pressNext(w.get()) || counter > 0);
        QCOMPARE(header(w.get()), afterNextAgain);
    }

    void finishShowsTheResult()
    {
        auto w = freshWindow();
        QVERIFY(goToPage(w.get(), 6));
        QVERIFY(pressFinish(w.get()));
        QCOMPARE(header(w.get()), "6/7 RÉSULTAT|Au total: 70 points|0001");
    }

    // Closed through the frame's close control, the program ends with status 0.
    void closedByTheFrame()
    {
        auto w = freshWindow();
        QTimer::singleShot(0, w.get(), [&w] { w->windowHandle()->close(); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!w->isVisible());
    }
};

QTEST_MAIN(NavigationTest)
#include "tst_navigation.moc"
