// Seeded random sessions through the real widgets: random Back, Next and answers, then every
// page answered on the way to Finish, with the window checked after every step. Each session
// has a skill (the share of right answers) so that every grade is reached. FLE_SESSIONS sets
// how many (default 24), FLE_SEED the seed; a failure names its seed, session and step.
#include "expected.h"
#include "learner.h"
#include <QtCore/QRandomGenerator>
using namespace learner;

namespace {
const QString headers[] = {"LECTURE| ", "LECTURE|5 x 2 = 10", "VOCABULAIRE|5 x 2 = 10",
                           "VOCABULAIRE|5 x 2 = 10", "GRAMMAIRE|5 x 2 = 10",
                           "VOCABULAIRE|10 x 2 = 20", "GRAMMAIRE|5 x 2 = 10"};
const QString buttons = "pushButton_1 pushButton_2 pushButton_3 close_button";

// A window and what the learner did in it.
struct Session
{
    std::unique_ptr<MainWindow> w = freshWindow();
    int page = 0;
    bool moved = false;   // a step taken: the header shows plain text from then on
    bool done = false;    // Finish pressed
    QVector<int> chosen = QVector<int>(expected::itemCount, -1);
    QVector<QVector<QWidget *>> inputs;   // per item its three options or its list
    QVector<QLabel *> cells;

    Session()
    {
        for (int i = 0; i < expected::itemCount; ++i) {
            const expected::Item item = expected::item(i);
            inputs << QVector<QWidget *>();
            for (int o = 1; item.page == 1 && o <= 3; ++o)
                inputs.last() << radio(w.get(), item.input + QString::number(o));
            if (item.page > 1)
                inputs.last() << list(w.get(), item.input);
            cells << label(w.get(), item.answerCell);
        }
    }
    bool answer(int i, int option)
    {
        chosen[i] = option;
        if (i < 5)
            return clickRadio(static_cast<QRadioButton *>(inputs[i][option]));
        return choose(static_cast<QComboBox *>(inputs[i][0]), option);
    }
    // Page, header, buttons shown, every item's answer and after Finish the score and review:
    // as the window shows them, or as the learner's steps should have made them.
    QString state(bool expected) const
    {
        QString s = QString("%1/%2 ").arg(expected ? page : current_page)
                        .arg(expected ? (done ? 7 : page) : stack(w.get())->currentIndex());
        if (expected)
            s += done ? "RÉSULTAT|Au total: 70 points|0001" : !moved
                ? "<html><head/><body><p>LECTURE</p></body></html>||0100"
                : headers[page] + (page ? "|1" : "|0") + (page < 6 ? "100" : "010");
        else
            s += read(w.get(), "type_label") + '|' + read(w.get(), "total_label") + '|';
        for (const QString &name : buttons.split(' '))
            s += expected ? "" : shown(w.get(), name) ? "1" : "0";
        int right = 0;
        for (int i = 0; i < expected::itemCount; ++i) {
            right += chosen[i] == expected::key[i];
            s += ' ' + QString::number(expected ? chosen[i] : shownAnswer(i));
            if (done)
                s += expected ? review(i, chosen[i]) : review(i, shownAnswer(i));
        }
        if (done)
            s += expected ? QString(" %1 %2").arg(2 * right).arg(expected::grade(2 * right))
                          : ' ' + read(w.get(), "label_mark") + ' ' + read(w.get(), "label_mark_2");
        return s;
    }
    int shownAnswer(int i) const   // -2 for two checked options
    {
        if (i >= 5)
            return static_cast<QComboBox *>(inputs[i][0])->currentIndex();
        int checked = -1;
        for (int o = 0; o < 3; ++o)
            if (static_cast<QRadioButton *>(inputs[i][o])->isChecked())
                checked = checked == -1 ? o : -2;
        return checked;
    }
    // The answer cell: "=" when it reads the option given in the right colour, else "!".
    QString review(int i, int option) const
    {
        const expected::Item item = expected::item(i);
        const QString given = option < 0 ? "Відповіді нема" : item.options.value(option, "?");
        const QLabel *cell = cells[i];
        const bool right = option == expected::key[i];
        const bool reads = cell->text() == (item.page == 1 ? ' ' + given : given);
        return reads && cell->styleSheet().contains(right ? "green" : "red") ? "=" : "!";
    }
};
} // namespace

class SessionsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { prepare(); }
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
            Session s;
            const double skill = skills[session % 4];
            const int steps = random.bounded(40);
            QVector<bool> considered(expected::itemCount, false);
            for (int step = 0; !s.done; ++step) {
                // Random steps, then from page 1 each item considered on the way to Finish.
                const int action = step < steps ? random.bounded(4) : s.page < 1 ? 0 : 2;
                QVector<int> open;
                for (int i = 0; i < expected::itemCount; ++i)
                    if (expected::item(i).page == s.page && (step < steps || !considered[i]))
                        open << i;
                if (action < 2 && (action == 0 ? pressNext(s.w.get()) : pressBack(s.w.get()))) {
                    s.page += action == 0 ? 1 : -1;
                    s.moved = true;
                } else if (action >= 2 && !open.isEmpty()) {
                    const int i = open[random.bounded(open.size())];
                    const int options = expected::item(i).options.size();
                    const int other = 1 + random.bounded(options - 1);
                    const int wrong = (expected::key[i] + other) % options;
                    const bool right = random.generateDouble() < skill;
                    considered[i] = true;
                    if (right || step < steps || random.bounded(2))
                        s.answer(i, right ? expected::key[i] : wrong);
                } else if (step >= steps && s.page < 6) {
                    pressNext(s.w.get());   // whether it took, the check below tells
                    s.page += 1;
                    s.moved = true;
                } else if (step >= steps) {
                    pressFinish(s.w.get());
                    s.done = true;
                    grades << read(s.w.get(), "label_mark_2");
                }
                const QString now = s.state(false);
                const QString want = s.state(true);
                QVERIFY2(now == want, qPrintable(QString("seed %1, session %2, step %3: %4, "
                    "expected %5").arg(seed).arg(session).arg(step).arg(now, want)));
            }
        }
        if (sessions >= 8)
            QCOMPARE(grades.size(), 4);
    }
};

QTEST_MAIN(SessionsTest)
#include "tst_sessions.moc"
