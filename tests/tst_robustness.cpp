// Thousands of seeded random sessions through the real widgets: random Back, Next and answers, then
// Finish; the invariants are checked after every step. A failure names its seed, session and step.
#include "testutil.h"
#include <QtCore/QRandomGenerator>
using namespace testutil;

namespace {
// The answer key, written out: per exercise page 1 to 6, the right option of each item in row order.
const QVector<QVector<int>> answerKey = {{0, 1, 2, 1, 0}, {1, 0, 4, 2, 3}, {2, 4, 3, 1, 0}, {3, 4, 0, 1, 2},
                                         {2, 0, 2, 1, 0, 1, 1, 0, 2, 0}, {4, 2, 0, 3, 1}};
// Section name|points line|Back, Next, Finish, Close shown (1): on pages 0 to 6 once the learner has
// taken a step, before the first step, and after Finish.
const char *const screens[9] = {"LECTURE| |0100", "LECTURE|5 x 2 = 10|1100", "VOCABULAIRE|5 x 2 = 10|1100",
    "VOCABULAIRE|5 x 2 = 10|1100", "GRAMMAIRE|5 x 2 = 10|1100", "VOCABULAIRE|10 x 2 = 20|1100",
    "GRAMMAIRE|5 x 2 = 10|1010", "<html><head/><body><p>LECTURE</p></body></html>||0100",
    "RÉSULTAT|Au total: 70 points|0001"};

// One scored item: its answer widgets and review cell, its right option and the option last chosen.
struct Item
{
    int right, chosen = -1;
    QVector<QRadioButton *> radios;   // exercise I
    QComboBox *list = nullptr;        // exercises II to VI
    QLabel *cell = nullptr;
    int shown() const   // the option the widgets show; -2 for two checked radios
    {
        int checked = list ? list->currentIndex() : -1;
        for (int o = 0; o < radios.size(); ++o)
            checked = !radios[o]->isChecked() ? checked : checked == -1 ? o : -2;
        return checked;
    }
    bool reviewed() const   // after Finish: the cell reads the answer given, green exactly when it is right
    {
        const QString given = chosen < 0 ? "Відповіді нема" : list ? list->currentText() : radios[chosen]->text();
        const QString color = QStringLiteral("color: %1%2").arg(chosen == right ? "green" : "red", list ? "" : ";");
        return cell->text() == (list ? given : ' ' + given) && cell->styleSheet().endsWith(color);
    }
};

// A window, shown but not waited for (which keeps thousands of sessions quick), and what the learner did in it.
struct Session
{
    std::unique_ptr<MainWindow> w{(current_page = 0, correct_answers = 0, new MainWindow)};
    QVector<Item> items[7];   // by page
    int page = 0;
    bool moved = false, done = false;   // a step taken; Finish pressed
    Session()
    {
        w->show();
        for (int p = 1; p <= 6; ++p)
            for (int k = 1; k <= answerKey[p - 1].size(); ++k) {
                Item item{answerKey[p - 1][k - 1]};
                for (int o = 1; p == 1 && o <= 3; ++o)
                    item.radios << radio(w.get(), qPrintable(QStringLiteral("rb%1_%2").arg(k).arg(o)));
                if (p > 1)
                    item.list = list(w.get(), qPrintable(QString("cb%1%2_%3").arg(p < 4 ? 'v' : 'g').arg(p).arg(k)));
                const QString cell = p > 1 ? QString("res_%1_%2").arg(p).arg(k) : QString("res_%1").arg(k);
                item.cell = label(w.get(), p == 1 && k == 1 ? "res" : qPrintable(cell));
                items[p] << item;
            }
    }
    // "counter/stack screen", every item's option (marked ! where its review cell is wrong) and after
    // Finish "points grade, count": as the window shows them, or as the learner's steps should make them.
    QString state(bool expected) const
    {
        QString state = QString("%1/%2 ").arg(expected ? page : current_page)
                            .arg(expected ? (done ? 7 : page) : stack(w.get())->currentIndex());
        state += expected ? QString(screens[done ? 8 : moved ? page : 7])
                          : label(w.get(), "type_label")->text() + '|' + label(w.get(), "total_label")->text() + '|';
        for (const char *name : {"pushButton_1", "pushButton_2", "pushButton_3", "close_button"})
            state += expected ? "" : button(w.get(), name)->isVisible() ? "1" : "0";
        int right = 0;
        for (const auto &page : items)
            for (const Item &item : page) {
                right += item.chosen == item.right;
                state += ' ' + QString::number(expected ? item.chosen : item.shown());
                state += expected || !done || item.reviewed() ? "" : "!";
            }
        const char *grade = right >= 33 ? "Trés bien!" : right >= 22 ? "Bien!" : right >= 13 ? "Passable!" : "Mal!";
        if (done)
            state += expected ? QString(", %1 %2, %3").arg(2 * right).arg(grade).arg(right)
                              : QString(", %1 %2, %3").arg(label(w.get(), "label_mark")->text(),
                                                           label(w.get(), "label_mark_2")->text()).arg(correct_answers);
        return state;
    }
};
} // namespace

class RobustnessTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { prepare(); }
    void randomSessions()
    {
        const quint32 seed = qEnvironmentVariableIsSet("FLE_SEED") ? qEnvironmentVariableIntValue("FLE_SEED") : 20261206u;
        const int sessions = qEnvironmentVariableIsSet("FLE_SESSIONS") ? qEnvironmentVariableIntValue("FLE_SESSIONS") : 2000;
        QRandomGenerator random(seed);
        for (int session = 0; session < sessions; ++session) {
            Session s;
            const int steps = random.bounded(40);   // random steps, then Next to the last page and Finish
            for (int step = 0; !s.done; ++step) {
                const int action = step < steps ? random.bounded(4) : s.page < 6 ? 0 : 4;
                if (action < 2 && (action == 0 ? next(s.w.get()) : back(s.w.get()))) {
                    s.page += action == 0 ? 1 : -1;
                    s.moved = true;
                } else if (action == 4) {   // whether the press took, the check below tells
                    finish(s.w.get());
                    s.done = true;
                } else if (action >= 2 && s.page > 0) {   // an answer on the exercise page shown
                    Item &item = s.items[s.page][random.bounded(s.items[s.page].size())];
                    item.chosen = random.bounded(item.list ? item.list->count() : 3);
                    item.list ? choose(item.list, item.chosen) : clickRadio(item.radios[item.chosen]);
                }
                const QString now = s.state(false), want = s.state(true);
                QVERIFY2(now == want, qPrintable(QStringLiteral("seed %1, session %2, step %3: %4, expected %5")
                                                     .arg(seed).arg(session).arg(step).arg(now, want)));
            }
        }
    }
};

QTEST_MAIN(RobustnessTest)
#include "tst_robustness.moc"
