// Finding the way: the start, a page counter brought back into range, closing by the frame.
#include "expected.h"
#include <QtGui/QWindow>
using namespace learner;
using expected::headers;

class NavigationTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { prepare(); }

    void startsOnTheReading()
    {
        auto w = freshWindow();
        QCOMPARE(w->windowTitle(), "TEST № 8. LA LUTTE CONTRE LE TRAFIC DE STUPÉFIANTS.");
        QCOMPARE(expected::header(w.get()), expected::startHeader);
        w->resize(1000, 700);
        QCOMPARE(w->size(), QSize(800, 600));
    }

    void counterOutOfRange_data()
    {
        QTest::addColumn<int>("counter");
        QTest::addColumn<QString>("afterNext");
        QTest::addColumn<QString>("afterNextAgain");
        QTest::newRow("past the end") << 40 << headers[6] << headers[6];
        QTest::newRow("before the start") << -40 << headers[0] << headers[1];
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
        QCOMPARE(expected::header(w.get()), afterNext);
        QCOMPARE(current_page, pageShown(w.get()));
        QVERIFY(pressNext(w.get()) || counter > 0);
        QCOMPARE(expected::header(w.get()), afterNextAgain);
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
