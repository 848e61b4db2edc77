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
    static void initMain();

private slots:
    void initTestCase() { prepare(); }
    void startsOnTheReading();
    void oneStep_data();
    void oneStep();
    void randomSessions();
};

// A long random run gets a second per session, past Qt Test's five minutes per function, unless
// a time-out of its own is given.
void NavigationTest::initMain()
{
    const int sessions = qEnvironmentVariableIntValue("FLE_SESSIONS");
    if (sessions > 300 && !qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(sessions * 1000));
}

void NavigationTest::startsOnTheReading()
{
    auto w = freshWindow();
    QCOMPARE(w->windowTitle(), "TEST № 8. LA LUTTE CONTRE LE TRAFIC DE STUPÉFIANTS.");
    QCOMPARE(expected::header(w.get()), expected::startHeader);
    w->resize(1000, 700);
    QCOMPARE(w->size(), QSize(800, 600));
}

void NavigationTest::oneStep_data()
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

// One Next or Back: the page it leads to, with its header and buttons. Were the counter ever out
// of range, the step brings it back to the nearest page.
void NavigationTest::oneStep()
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

namespace {

// One random session: the learner's answers so far and the page they should be on.
struct Session
{
    QVector<int> chosen = QVector<int>(expected::itemCount, -1);
    QVector<bool> considered = QVector<bool>(expected::itemCount, false);
    int page = 0;
    bool moved = false;   // the header shows plain texts from the first step on
};

// The items of the session's page to answer now: any while wandering, else those not yet
// considered.
QVector<int> openItems(const Session &session, bool wandering)
{
    QVector<int> open;
    for (int i = 0; i < expected::itemCount; ++i)
        if (expected::item(i).page == session.page && (wandering || !session.considered[i]))
            open << i;
    return open;
}

// Answers one of the open items, right with the chance of the skill; on the way to Finish some
// wrong answers are left open. False when the window does not take the answer.
bool answerOne(QWidget *w, Session &session, QRandomGenerator &random, const QVector<int> &open,
               double skill, bool wandering)
{
    const int i = open[random.bounded(open.size())];
    const int options = expected::item(i).options.size();
    const int other = 1 + random.bounded(options - 1);
    const bool right = random.generateDouble() < skill;
    session.considered[i] = true;
    session.chosen[i] = right ? expected::key[i] : (expected::key[i] + other) % options;
    if (!wandering && !right && random.bounded(2))
        session.chosen[i] = -1;   // some left open
    return expected::answer(w, i, session.chosen[i]);
}

// One step: while wandering a random Next, Back or answer; then each open item of the page in
// turn, and Next (or Finish) once the page has none. False when an answer does not take.
bool takeStep(QWidget *w, Session &session, QRandomGenerator &random, double skill,
              bool wandering)
{
    const int action = wandering ? random.bounded(4) : session.page < 1 ? 0 : 2;
    const QVector<int> open = openItems(session, wandering);
    if (action < 2 && (action == 0 ? pressNext(w) : pressBack(w))) {
        session.page += action == 0 ? 1 : -1;
        session.moved = true;
    } else if (action >= 2 && !open.isEmpty()) {
        return answerOne(w, session, random, open, skill, wandering);
    } else if (!wandering) {   // whether the press took, the checks after the step tell
        session.page < 6 ? pressNext(w) : pressFinish(w);
        session.page += session.page < 6;
        session.moved = true;
    }
    return true;
}

// What the window shows against what the session meant: the page and every answer, then the
// header; empty when all agree.
QString mismatch(QWidget *w, const Session &session)
{
    QString shown = QString::number(pageShown(w));
    for (int i = 0; i < expected::itemCount; ++i)
        shown += ' ' + QString::number(expected::shownAnswer(w, i));
    QString meant = QString::number(session.page);
    for (int i = 0; i < expected::itemCount; ++i)
        meant += ' ' + QString::number(session.chosen[i]);
    if (shown != meant)
        return shown + " for " + meant;
    const QString header = expected::header(w);
    const QString meantHeader = session.moved ? headers[session.page] : expected::startHeader;
    return header == meantHeader ? QString() : header;
}

} // namespace

// Seeded random sessions: random Back, Next and answers, then each item considered on the way to
// Finish, with the window checked after every step. A skill per session (its share of right
// answers) makes every grade come up. FLE_SESSIONS sets how many (default 24), FLE_SEED the
// seed; a failure names its seed, session and step.
void NavigationTest::randomSessions()
{
    const quint32 seed = qEnvironmentVariableIsSet("FLE_SEED")
        ? qEnvironmentVariableIntValue("FLE_SEED") : 20261206u;
    const int sessions = qEnvironmentVariableIsSet("FLE_SESSIONS")
        ? qEnvironmentVariableIntValue("FLE_SESSIONS") : 24;
    const double skills[] = {1.0, 0.8, 0.5, 0.15};   // aimed at the four grades, best first
    QRandomGenerator random(seed);
    QSet<QString> grades;
    for (int number = 0; number < sessions; ++number) {
        auto w = freshWindow();
        Session session;
        const int randomSteps = random.bounded(40);
        for (int step = 0; pageShown(w.get()) < 7; ++step) {
            const bool wandering = step < randomSteps;
            QVERIFY(takeStep(w.get(), session, random, skills[number % 4], wandering));
            const QString where = QString("seed %1, session %2, step %3").arg(seed)
                                      .arg(number).arg(step);
            if (pageShown(w.get()) == 7) {
                const QString wrong = expected::firstWrongResult(w.get(), session.chosen);
                QVERIFY2(wrong.isEmpty(), qPrintable(where + ": " + wrong));
                grades << read(w.get(), "label_mark_2");
                break;
            }
            const QString differs = mismatch(w.get(), session);
            QVERIFY2(differs.isEmpty(), qPrintable(where + ": " + differs));
            QVERIFY2(step < 400, qPrintable(where + ": Finish not reached"));
            QCOMPARE(current_page, session.page);
        }
    }
    if (sessions >= 8)
        QCOMPARE(grades.size(), 4);
}

QTEST_MAIN(NavigationTest)
#include "tst_navigation.moc"
