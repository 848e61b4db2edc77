// Answering and Finish: points, grade and every review cell after Finish, against the key and
// the texts written out in expected.h; a whole session by keyboard alone (Tab in screen order,
// Space, the arrow keys) with the options each list offers, and Space pressed twice on Finish.
#include "expected.h"
#include <QtWidgets/QTabBar>
#include <QtWidgets/QToolTip>
using namespace learner;
using expected::item;
using Answers = QVector<int>;   // the option picked for each item, -1: left open

namespace {
// Opens a review tab with a click on its tab, as the learner does.
bool openReviewTab(QWidget *w, int tab)
{
    QTabBar *tabs = w->findChild<QTabBar *>();
    if (!tabs || !tabs->isVisible() || tab >= tabs->count())
        return false;
    QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(tab).center());
    return tabs->currentIndex() == tab;
}

// Rests the pointer on the middle of a widget and returns the tooltip the window then shows:
// the application hands the hover to whatever the pointer is over, as it does after a pause.
QString tooltipOver(QWidget *w, const QWidget *target)
{
    QToolTip::hideText();
    const QPoint point = target->mapTo(w, target->rect().center());
    QTest::mouseMove(w, point);
    QWidget *under = w->childAt(point);
    if (!under)
        return "(nothing under the pointer)";
    QHelpEvent hover(QEvent::ToolTip, under->mapFrom(w, point), w->mapToGlobal(point));
    QApplication::sendEvent(under, &hover);
    if (!QToolTip::isVisible())
        return "(no tooltip over " + under->objectName() + ")";
    return QToolTip::text();
}

bool pressByKeyboard(const QString &name)
{
    const bool reached = tabTo(name);
    if (reached)
        QTest::keyClick(focused(), Qt::Key_Space);
    return reached;
}

// The name of the widget with the keyboard focus: after Finish, each answer cell takes it.
QString focusedName()
{
    return focused() ? focused()->objectName() : "(no focus)";
}
} // namespace

class AnswersTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void afterFinish_data();
    void afterFinish();
    void reviewTooltips();
    void reviewTabOrder_data();
    void reviewTabOrder();
    void wholeSessionByKeyboard();
};

void AnswersTest::initTestCase()
{
    prepare();
}

void AnswersTest::afterFinish_data()
{
    QTest::addColumn<Answers>("answers");
    // The grades' edges are the core's test; here every cell is painted as it says, with
    // all, some and none of the answers right.
    for (int right : {35, 21, 0}) {
        Answers a(expected::itemCount);   // the first right, then alternately wrong and open
        for (int i = 0; i < expected::itemCount; ++i)
            a[i] = i < right ? expected::key[i]
                 : i % 2 ? -1 : (expected::key[i] + 1) % item(i).options.size();
        QTest::addRow("%d right", right) << a;
    }
    QTest::newRow("all option a") << Answers(expected::itemCount, 0);
}

void AnswersTest::afterFinish()
{
    QFETCH(Answers, answers);
    auto w = freshWindow();
    for (int i = 0; i < expected::itemCount; ++i)
        QVERIFY2(answers[i] < 0 || (goToPage(w.get(), item(i).page)
                                    && expected::answer(w.get(), i, answers[i])),
                 qPrintable(item(i).input));
    QVERIFY(goToPage(w.get(), 6) && pressFinish(w.get()));
    const QString wrong = expected::firstWrongResult(w.get(), answers);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    QTimer::singleShot(0, w.get(), [&w] { pressClose(w.get()); });
    QTimer::singleShot(20000, w.get(), [] { QCoreApplication::exit(99); });
    QCOMPARE(QApplication::exec(), 0);   // Close ends the program
}

// Every answer in the review says right or wrong to the pointer resting on it, also while it
// has the keyboard focus: nothing that shows the focus may take the pointer from it.
void AnswersTest::reviewTooltips()
{
    auto w = freshWindow();
    QApplication::setActiveWindow(w.get());
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    for (int i = 0; i < expected::itemCount; i += 2) {   // every other answer right
        QVERIFY(goToPage(w.get(), item(i).page));
        QVERIFY(expected::answer(w.get(), i, expected::key[i]));
    }
    QVERIFY(goToPage(w.get(), 6) && pressFinish(w.get()));
    for (int i = 0; i < expected::itemCount; ++i) {
        QVERIFY(openReviewTab(w.get(), item(i).page - 1));
        const QLabel *cell = label(w.get(), item(i).answerCell);
        QVERIFY(cell && cell->isVisible());
        QVERIFY2(tabTo(item(i).answerCell), qPrintable(focusedName()));
        const char *verdict = i % 2 ? "Неправильна відповідь" : "Правильна відповідь";
        QCOMPARE(tooltipOver(w.get(), cell), QString(verdict));
    }
    QToolTip::hideText();
}

// After Finish, Tab walks from the tab bar through the answers of the tab shown, item by
// item, then reaches Close, and Shift+Tab walks back; the other tabs' answers are passed over.
void AnswersTest::reviewTabOrder_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("answers");
    QTest::newRow("tab 1") << 0 << QStringList{"res", "res_2", "res_3", "res_4", "res_5"};
    QTest::newRow("tab 2") << 1
        << QStringList{"res_2_1", "res_2_2", "res_2_3", "res_2_4", "res_2_5"};
    QTest::newRow("tab 3") << 2
        << QStringList{"res_3_1", "res_3_2", "res_3_3", "res_3_4", "res_3_5"};
    QTest::newRow("tab 4") << 3
        << QStringList{"res_4_1", "res_4_2", "res_4_3", "res_4_4", "res_4_5"};
    QTest::newRow("tab 5") << 4
        << QStringList{"res_5_1", "res_5_2", "res_5_3", "res_5_4", "res_5_5", "res_5_6",
                       "res_5_7", "res_5_8", "res_5_9", "res_5_10"};
    QTest::newRow("tab 6") << 5
        << QStringList{"res_6_1", "res_6_2", "res_6_3", "res_6_4", "res_6_5"};
}

void AnswersTest::reviewTabOrder()
{
    QFETCH(int, tab);
    QFETCH(QStringList, answers);
    auto w = freshWindow();
    QApplication::setActiveWindow(w.get());
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QVERIFY(goToPage(w.get(), 6));
    QVERIFY(pressByKeyboard("pushButton_3"));
    for (int t = 0; t < tab; ++t)
        QTest::keyClick(focused(), Qt::Key_Right);
    const QString tabBar = focusedName();
    QCOMPARE(tabBar, QString("qt_tabwidget_tabbar"));
    QStringList forth;
    for (int k = 0; k <= answers.size(); ++k) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        forth << focusedName();
    }
    QCOMPARE(forth, answers + QStringList{"close_button"});
    QStringList back;
    for (int k = 0; k <= answers.size(); ++k) {
        QTest::keyClick(focused(), Qt::Key_Tab, Qt::ShiftModifier);
        back.prepend(focusedName());
    }
    QCOMPARE(back, QStringList{tabBar} + answers);
}

// One session by keyboard alone, every answer right, ended with Finish and Close. On each
// page Tab goes from the last button of the row through the answers from top to bottom;
// each answer list offers its exercise's options.
void AnswersTest::wholeSessionByKeyboard()
{
    auto w = freshWindow();
    QApplication::setActiveWindow(w.get());
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    for (int i = 0; i < expected::itemCount; ++i) {
        const expected::Item item = expected::item(i);
        if (item.k == 1) {
            QVERIFY(pressByKeyboard("pushButton_2"));
            QCOMPARE(pageShown(w.get()), item.page);
            QVERIFY(tabTo(item.page == 6 ? "pushButton_1" : "pushButton_2"));
        }
        QTest::keyClick(focused(), Qt::Key_Tab);
        QCOMPARE(focused()->objectName(), item.page == 1 ? item.input + '1' : item.input);
        const auto *answers = qobject_cast<QComboBox *>(focused());
        QStringList offered;
        for (int o = 0; answers && o < answers->count(); ++o)
            offered << answers->itemText(o);
        QCOMPARE(offered, item.page == 1 ? QStringList() : item.options);
        // Space checks a question's first option, Home selects a list's first.
        QTest::keyClick(focused(), item.page == 1 ? Qt::Key_Space : Qt::Key_Home);
        for (int o = 0; o < expected::key[i]; ++o)
            QTest::keyClick(focused(), Qt::Key_Down);
    }
    QVERIFY(pressByKeyboard("pushButton_3"));
    QCOMPARE(read(w.get(), "label_mark"), "70");
    QCOMPARE(read(w.get(), "label_mark_2"), "Trés bien!");
    // Space again, as a learner pressing twice does, lands on the review, not on Close.
    QVERIFY(qobject_cast<QTabBar *>(focused()));
    QTest::keyClick(focused(), Qt::Key_Space);
    QVERIFY(w->isVisible());
    QVERIFY(pressByKeyboard("close_button"));
    QVERIFY(!w->isVisible());
}

QTEST_MAIN(AnswersTest)
#include "tst_answers.moc"
