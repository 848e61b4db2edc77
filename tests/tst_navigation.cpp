// Going through the test: the start, one step at the edges and with a page counter brought back
// into range, and seeded random sessions through the real widgets.
#include "expected.h"
#include <QtCore/QRandomGenerator>
using namespace learner;
using expected::headers;

class NavigationTest : public QObject
{
    Q_OBJECT
public:
    // A long random run gets a second per session, past Qt Test's five minutes per function,
    // unless a time-out of its own is given.
    static void initMain()
    {
        const int sessions = qEnvironmentVariableIntValue("FLE_SESSIONS");
        if (sessions > 300 && !qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
            qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(sessions * 1000));
    }

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

    void oneStep_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("counter");   // the page counter set before the step; 0 leaves it
        QTest::addColumn<bool>("next");
        QTest::addColumn<int>("to");
        QTest::newRow("Back from exercise I") << 1 << 0 << false << 0;
        QTest::newRow("Next from exercise V shows Finish") << 5 << 0 << true << 6;
        QTest::newRow("Back from exercise VI hides Finish") << 6 << 0 << false << 5;
        QTest::newRow("counter past the end") << 5 << 40 << true << 6;
        QTest::newRow("counter before the start") << 0 << -40 << true << 0;
    }
    // One Next or Back: the page it leads to, with its header and buttons. Were the counter ever
    // out of range, the step brings it back to the nearest page.
    void oneStep()
    {
        QFETCH(int, from);
        QFETCH(int, counter);
        QFETCH(bool, next);
        QFETCH(int, to);
        auto w = freshWindow();
        QVERIFY(goToPage(w.get(), from));
        if (counter)
            current_page = counter;
        QVERIFY(next ? pressNext(w.get()) : pressBack(w.get()));
        QCOMPARE(pageShown(w.get()), to);
        QCOMPARE(current_page, to);
        QCOMPARE(expected::header(w.get()), headers.value(to));
    }

    // Seeded random sessions: random Back, Next and answers, then each item considered on the
    // way to Finish, with the window checked after every step. A skill per session (its share of
    // right answers) makes every grade come up. FLE_SESSIONS sets how many (default 24),
    // FLE_SEED the seed; a failure names its seed, session and step.
    void randomSessions()
    {
        const quint32 seed = qEnvironmentVariableIsSet("FLE_SEED")
            ? qEnvironmentVariableIntValue("FLE_SEED") : 20261206u;
        const int sessions = qEnvironmentVariableIsSet("FLE_SESSIONS")
            ? qEnvironmentVariableIntValue("FLE_SESSIONS") : 24;
        const double skills[] = {1.0, 0.8, 0.5, 0.15};   // aimed at the four grades, best first
        QRandomGenerator random(seed);
        QSet<QString> grades;
        for (int session = 0; session < sessions; ++session) {
            auto w = freshWindow();
            int page = 0;
            bool moved = false;   // the header shows plain texts from the first step on
            QVector<int> chosen(expected::itemCount, -1);
            QVector<bool> considered(expected::itemCount, false);
            const int randomSteps = random.bounded(40);
            for (int step = 0; pageShown(w.get()) < 7; ++step) {
                const bool wandering = step < randomSteps;
                const int action = wandering ? random.bounded(4) : page < 1 ? 0 : 2;
                QVector<int> open;   // the items of the page to answer now
                for (int i = 0; i < expected::itemCount; ++i)
                    if (expected::item(i).page == page && (wandering || !considered[i]))
                        open << i;
                if (action < 2 && (action == 0 ? pressNext(w.get()) : pressBack(w.get()))) {
                    page += action == 0 ? 1 : -1;
                    moved = true;
                } else if (action >= 2 && !open.isEmpty()) {
                    const int i = open[random.bounded(open.size())];
                    const int options = expected::item(i).options.size();
                    const int other = 1 + random.bounded(options - 1);
                    const bool right = random.generateDouble() < skills[session % 4];
                    considered[i] = true;
                    chosen[i] = right ? expected::key[i] : (expected::key[i] + other) % options;
                    if (!wandering && !right && random.bounded(2))
                        chosen[i] = -1;   // some left open
                    QVERIFY(expected::answer(w.get(), i, chosen[i]));
                } else if (!wandering) {   // whether the press took, the checks below tell
                    page < 6 ? pressNext(w.get()) : pressFinish(w.get());
                    page += page < 6;
                    moved = true;
                }
                const QString where = QString("seed %1, session %2, step %3").arg(seed)
                                          .arg(session).arg(step);
                if (pageShown(w.get()) == 7) {
                    const QString wrong = expected::firstWrongResult(w.get(), chosen);
                    QVERIFY2(wrong.isEmpty(), qPrintable(where + ": " + wrong));
                    grades << read(w.get(), "label_mark_2");
                    break;
                }
                QString shown = QString::number(pageShown(w.get()));
                for (int i = 0; i < expected::itemCount; ++i)
                    shown += ' ' + QString::number(expected::shownAnswer(w.get(), i));
                QString meant = QString::number(page);
                for (int i = 0; i < expected::itemCount; ++i)
                    meant += ' ' + QString::number(chosen[i]);
                QVERIFY2(shown == meant, qPrintable(where + ": " + shown + " for " + meant));
                const QString header = expected::header(w.get());
                const QString meantHeader = moved ? expected::headers[page] : expected::startHeader;
                QVERIFY2(header == meantHeader, qPrintable(where + ": " + header));
                QVERIFY2(step < 400, qPrintable(where + ": Finish not reached"));
                QCOMPARE(current_page, page);
            }
        }
        if (sessions >= 8)
            QCOMPARE(grades.size(), 4);
    }
};

QTEST_MAIN(NavigationTest)
#include "tst_navigation.moc"
