// Thousands of random sessions through the real widgets: random Back and Next,
// random answers on the page shown, then Finish; the invariants are checked after
// every step. Seeded and reproducible: a failure names its seed and session.
#include "testutil.h"

#include <QtCore/QRandomGenerator>

#include <array>
#include <vector>

using namespace testutil;

namespace {

// The answer key, written out from the exercise tables.
struct RadioKey { const char *options[3]; int right; const char *cell; };
const RadioKey radioKey[5] = {
    {{"rb1_1", "rb1_2", "rb1_3"}, 0, "res"},
    {{"rb2_1", "rb2_2", "rb2_3"}, 1, "res_2"},
    {{"rb3_1", "rb3_2", "rb3_3"}, 2, "res_3"},
    {{"rb4_1", "rb4_2", "rb4_3"}, 1, "res_4"},
    {{"rb5_1", "rb5_2", "rb5_3"}, 0, "res_5"},
};
struct ListKey { int page; const char *list; int right; const char *cell; };
const ListKey listKey[30] = {
    {2, "cbv2_1", 1, "res_2_1"}, {2, "cbv2_2", 0, "res_2_2"}, {2, "cbv2_3", 4, "res_2_3"},
    {2, "cbv2_4", 2, "res_2_4"}, {2, "cbv2_5", 3, "res_2_5"},
    {3, "cbv3_1", 2, "res_3_1"}, {3, "cbv3_2", 4, "res_3_2"}, {3, "cbv3_3", 3, "res_3_3"},
    {3, "cbv3_4", 1, "res_3_4"}, {3, "cbv3_5", 0, "res_3_5"},
    {4, "cbg4_1", 3, "res_4_1"}, {4, "cbg4_2", 4, "res_4_2"}, {4, "cbg4_3", 0, "res_4_3"},
    {4, "cbg4_4", 1, "res_4_4"}, {4, "cbg4_5", 2, "res_4_5"},
    {5, "cbg5_1", 2, "res_5_1"}, {5, "cbg5_2", 0, "res_5_2"}, {5, "cbg5_3", 2, "res_5_3"},
    {5, "cbg5_4", 1, "res_5_4"}, {5, "cbg5_5", 0, "res_5_5"}, {5, "cbg5_6", 1, "res_5_6"},
    {5, "cbg5_7", 1, "res_5_7"}, {5, "cbg5_8", 0, "res_5_8"}, {5, "cbg5_9", 2, "res_5_9"},
    {5, "cbg5_10", 0, "res_5_10"},
    {6, "cbg6_1", 4, "res_6_1"}, {6, "cbg6_2", 2, "res_6_2"}, {6, "cbg6_3", 0, "res_6_3"},
    {6, "cbg6_4", 3, "res_6_4"}, {6, "cbg6_5", 1, "res_6_5"},
};

struct Header { const char *section; const char *points; };
const Header headers[7] = {
    {"LECTURE", " "}, {"LECTURE", "5 x 2 = 10"}, {"VOCABULAIRE", "5 x 2 = 10"}, {"VOCABULAIRE", "5 x 2 = 10"},
    {"GRAMMAIRE", "5 x 2 = 10"}, {"VOCABULAIRE", "10 x 2 = 20"}, {"GRAMMAIRE", "5 x 2 = 10"},
};

const char *gradeFor(int right)
{
    if (right >= 33) return "Trés bien!";
    if (right >= 22) return "Bien!";
    if (right >= 13) return "Passable!";
    return "Mal!";
}

// The widgets of one window, looked up once.
struct Widgets
{
    explicit Widgets(QWidget *w)
        : stack(testutil::stack(w)), back(button(w, "pushButton_1")), next(button(w, "pushButton_2")),
          finish(button(w, "pushButton_3")), close(button(w, "close_button")),
          section(label(w, "type_label")), points(label(w, "total_label"))
    {
        for (int q = 0; q < 5; ++q) {
            for (int o = 0; o < 3; ++o)
                radios[q][o] = radio(w, radioKey[q].options[o]);
            radioCells[q] = label(w, radioKey[q].cell);
        }
        for (int i = 0; i < 30; ++i) {
            lists[i] = list(w, listKey[i].list);
            listCells[i] = label(w, listKey[i].cell);
        }
    }
    QStackedWidget *stack;
    QAbstractButton *back, *next, *finish, *close;
    QLabel *section, *points;
    QRadioButton *radios[5][3];
    QLabel *radioCells[5];
    QComboBox *lists[30];
    QLabel *listCells[30];
};

// A fresh window on fresh counters, shown but not waited for: clicks and keys reach
// the widgets directly, and skipping the first full paint keeps thousands of sessions quick.
std::unique_ptr<MainWindow> shownWindow()
{
    current_page = 0;
    correct_answers = 0;
    auto window = std::make_unique<MainWindow>();
    window->show();
    return window;
}

} // namespace

class RobustnessTest : public QObject
{
    Q_OBJECT

    // What the learner has done so far: the option checked per question (-1 none), the index per list.
    struct Model { int page = 0; bool moved = false; std::array<int, 5> radio; std::array<int, 30> list; };

    static QString where(quint32 seed, int session, int step)
    {
        return QStringLiteral("seed %1, session %2, step %3").arg(seed).arg(session).arg(step);
    }

    static bool matches(const Widgets &ui, const Model &m, QString *why)
    {
        auto fail = [why](const QString &what) { *why = what; return false; };
        if (current_page != m.page || ui.stack->currentIndex() != m.page)
            return fail(QStringLiteral("page %1, counter %2, expected %3").arg(ui.stack->currentIndex()).arg(current_page).arg(m.page));
        // Until the first step the header keeps what the form wrote.
        const QString section = m.moved ? QLatin1String(headers[m.page].section)
                                        : QStringLiteral("<html><head/><body><p>LECTURE</p></body></html>");
        const QString points = m.moved ? QLatin1String(headers[m.page].points) : QString();
        if (ui.section->text() != section || ui.points->text() != points)
            return fail(QStringLiteral("header %1 / %2").arg(ui.section->text(), ui.points->text()));
        if (ui.back->isVisible() != (m.page > 0) || ui.next->isVisible() != (m.page < 6)
            || ui.finish->isVisible() != (m.page == 6) || ui.close->isVisible())
            return fail(QStringLiteral("buttons on page %1").arg(m.page));
        for (int q = 0; q < 5; ++q)
            for (int o = 0; o < 3; ++o)
                if (ui.radios[q][o]->isChecked() != (m.radio[q] == o))
                    return fail(QStringLiteral("question %1 option %2").arg(q + 1).arg(o));
        for (int i = 0; i < 30; ++i)
            if (ui.lists[i]->currentIndex() != m.list[i])
                return fail(QStringLiteral("%1 at %2").arg(QLatin1String(listKey[i].list)).arg(ui.lists[i]->currentIndex()));
        return true;
    }

    static bool finished(const Widgets &ui, const Model &m, QString *why)
    {
        auto fail = [why](const QString &what) { *why = what; return false; };
        if (ui.back->isVisible() || ui.next->isVisible() || ui.finish->isVisible() || !ui.close->isVisible())
            return fail(QStringLiteral("buttons after Finish"));
        if (ui.section->text() != QStringLiteral("RÉSULTAT") || ui.points->text() != QStringLiteral("Au total: 70 points"))
            return fail(QStringLiteral("header after Finish"));
        if (ui.stack->currentIndex() != 7)
            return fail(QStringLiteral("result page not shown"));
        int right = 0, green = 0;
        auto isGreen = [](QLabel *cell) { return cell->styleSheet().contains(QLatin1String("color: green")); };
        for (int q = 0; q < 5; ++q) {
            right += m.radio[q] == radioKey[q].right;
            green += isGreen(ui.radioCells[q]);
        }
        for (int i = 0; i < 30; ++i) {
            right += m.list[i] == listKey[i].right;
            green += isGreen(ui.listCells[i]);
        }
        if (green != right || correct_answers != right)
            return fail(QStringLiteral("right %1, green %2, counted %3").arg(right).arg(green).arg(correct_answers));
        const QWidget *w = ui.stack->window();
        if (w->findChild<QLabel *>(QStringLiteral("label_mark"))->text() != QString::number(2 * right)
            || w->findChild<QLabel *>(QStringLiteral("label_mark_2"))->text() != QString::fromUtf8(gradeFor(right)))
            return fail(QStringLiteral("points or grade for %1 right").arg(right));
        return true;
    }

private slots:
    void initTestCase() { prepare(); }

    void randomSessions()
    {
        const quint32 seed = qEnvironmentVariableIsSet("FLE_SEED") ? qEnvironmentVariableIntValue("FLE_SEED") : 20261206u;
        const int sessions = qEnvironmentVariableIsSet("FLE_SESSIONS") ? qEnvironmentVariableIntValue("FLE_SESSIONS") : 2000;
        QRandomGenerator random(seed);
        for (int session = 0; session < sessions; ++session) {
            auto window = shownWindow();
            const Widgets ui(window.get());
            Model m;
            m.radio.fill(-1);
            m.list.fill(-1);
            QString why;
            const int steps = random.bounded(40);
            for (int step = 0; step < steps; ++step) {
                switch (random.bounded(4)) {
                case 0:
                    if (ui.next->isVisible()) {
                        QVERIFY(click(ui.next));
                        ++m.page;
                        m.moved = true;
                    }
                    break;
                case 1:
                    if (ui.back->isVisible()) {
                        QVERIFY(click(ui.back));
                        --m.page;
                        m.moved = true;
                    }
                    break;
                default:   // an answer on the page shown, if it has any
                    if (m.page == 1) {
                        const int q = random.bounded(5), o = random.bounded(3);
                        QVERIFY(clickRadio(ui.radios[q][o]));
                        m.radio[q] = o;
                    } else if (m.page >= 2) {
                        std::vector<int> here;
                        for (int i = 0; i < 30; ++i)
                            if (listKey[i].page == m.page)
                                here.push_back(i);
                        const int i = here[random.bounded(int(here.size()))];
                        const int o = random.bounded(ui.lists[i]->count());
                        QVERIFY2(choose(ui.lists[i], o), qPrintable(where(seed, session, step)));
                        m.list[i] = o;
                    }
                }
                QVERIFY2(matches(ui, m, &why), qPrintable(where(seed, session, step) + QLatin1String(": ") + why));
            }
            while (ui.next->isVisible()) {
                QVERIFY(click(ui.next));
                ++m.page;
                m.moved = true;
            }
            QVERIFY2(matches(ui, m, &why), qPrintable(where(seed, session, steps) + QLatin1String(": ") + why));
            QVERIFY(click(ui.finish));
            QVERIFY2(finished(ui, m, &why), qPrintable(where(seed, session, steps) + QLatin1String(", after Finish: ") + why));
        }
    }
};

QTEST_MAIN(RobustnessTest)
#include "tst_robustness.moc"
