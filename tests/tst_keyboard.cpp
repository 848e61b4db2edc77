// The whole test can be taken without a mouse: Tab walks the buttons and the
// answers of the page shown in screen order, Space and the arrow keys choose.
#include "testutil.h"

using namespace testutil;

namespace {

QWidget *focused() { return QApplication::focusWidget(); }

// Presses Tab on whatever has the focus, as the keyboard does.
void tab() { QTest::keyClick(focused(), Qt::Key_Tab); }

// Tabs until the focus reaches the target; false when a whole round misses it.
bool tabTo(QWidget *target)
{
    for (int i = 0; i < 80 && focused() != target; ++i)
        tab();
    return focused() == target;
}

// The names of what takes the focus, one Tab after another, starting after `from`.
QStringList focusRound(QWidget *from, int count)
{
    QStringList names;
    if (!tabTo(from))
        return names;
    for (int i = 0; i < count; ++i) {
        tab();
        names << focused()->objectName();
    }
    return names;
}

} // namespace

class KeyboardTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> activeWindow()
    {
        auto w = freshWindow();
        QApplication::setActiveWindow(w.get());
        if (!QTest::qWaitForWindowActive(w.get()))
            qWarning("window not active");
        return w;
    }

private slots:
    void initTestCase() { prepare(); }

    // On each exercise page Tab goes from Next through the answers from top to bottom.
    void tabOrderFollowsTheScreen_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("I") << 1 << QStringList{"rb1_1", "rb2_1", "rb3_1", "rb4_1", "rb5_1"};
        QTest::newRow("II") << 2 << QStringList{"cbv2_1", "cbv2_2", "cbv2_3", "cbv2_4", "cbv2_5"};
        QTest::newRow("III") << 3 << QStringList{"cbv3_1", "cbv3_2", "cbv3_3", "cbv3_4", "cbv3_5"};
        QTest::newRow("IV") << 4 << QStringList{"cbg4_1", "cbg4_2", "cbg4_3", "cbg4_4", "cbg4_5"};
        QTest::newRow("V") << 5 << QStringList{"cbg5_1", "cbg5_2", "cbg5_3", "cbg5_4", "cbg5_5",
                                               "cbg5_6", "cbg5_7", "cbg5_8", "cbg5_9", "cbg5_10"};
        QTest::newRow("VI") << 6 << QStringList{"cbg6_1", "cbg6_2", "cbg6_3", "cbg6_4", "cbg6_5"};
    }

    void tabOrderFollowsTheScreen()
    {
        QFETCH(int, page);
        QFETCH(QStringList, order);
        auto w = activeWindow();
        QVERIFY(goToPage(w.get(), page));
        // On the last page Next is gone and Back is the last button before the answers.
        QWidget *start = button(w.get(), page == 6 ? "pushButton_1" : "pushButton_2");
        QCOMPARE(focusRound(start, order.size()), order);
    }

    // One full session by keyboard alone, every answer right, ended with Finish and Close.
    void wholeSessionByKeyboard()
    {
        auto w = activeWindow();
        QAbstractButton *nextButton = button(w.get(), "pushButton_2");
        auto press = [](QWidget *target) {
            QVERIFY(tabTo(target));
            QTest::keyClick(focused(), Qt::Key_Space);
        };

        press(nextButton);
        QCOMPARE(stack(w.get())->currentIndex(), 1);
        // Exercise I: right options a, b, c, b, a; Tab enters a question, Down moves to the next option.
        const int right[5] = {0, 1, 2, 1, 0};
        for (int q = 0; q < 5; ++q) {
            QRadioButton *first = radio(w.get(), qPrintable(QStringLiteral("rb%1_1").arg(q + 1)));
            QVERIFY(tabTo(first));
            QTest::keyClick(focused(), Qt::Key_Space);
            for (int o = 0; o < right[q]; ++o)
                QTest::keyClick(focused(), Qt::Key_Down);
            const QString chosen = QStringLiteral("rb%1_%2").arg(q + 1).arg(right[q] + 1);
            QCOMPARE(focused()->objectName(), chosen);
            QVERIFY(radio(w.get(), qPrintable(chosen))->isChecked());
        }

        struct Page { int page; QStringList lists; QList<int> key; };
        const Page pages[] = {
            {2, {"cbv2_1", "cbv2_2", "cbv2_3", "cbv2_4", "cbv2_5"}, {1, 0, 4, 2, 3}},
            {3, {"cbv3_1", "cbv3_2", "cbv3_3", "cbv3_4", "cbv3_5"}, {2, 4, 3, 1, 0}},
            {4, {"cbg4_1", "cbg4_2", "cbg4_3", "cbg4_4", "cbg4_5"}, {3, 4, 0, 1, 2}},
            {5, {"cbg5_1", "cbg5_2", "cbg5_3", "cbg5_4", "cbg5_5", "cbg5_6", "cbg5_7", "cbg5_8", "cbg5_9", "cbg5_10"},
             {2, 0, 2, 1, 0, 1, 1, 0, 2, 0}},
            {6, {"cbg6_1", "cbg6_2", "cbg6_3", "cbg6_4", "cbg6_5"}, {4, 2, 0, 3, 1}},
        };
        for (const Page &p : pages) {
            press(nextButton);
            QCOMPARE(stack(w.get())->currentIndex(), p.page);
            for (int i = 0; i < p.lists.size(); ++i) {
                QComboBox *c = list(w.get(), qPrintable(p.lists[i]));
                QVERIFY(tabTo(c));
                QTest::keyClick(focused(), Qt::Key_Home);
                for (int o = 0; o < p.key[i]; ++o)
                    QTest::keyClick(focused(), Qt::Key_Down);
                QCOMPARE(c->currentIndex(), p.key[i]);
            }
        }

        press(button(w.get(), "pushButton_3"));
        QCOMPARE(stack(w.get())->currentIndex(), 7);
        QCOMPARE(label(w.get(), "label_mark")->text(), QStringLiteral("70"));
        QCOMPARE(label(w.get(), "label_mark_2")->text(), QStringLiteral("Trés bien!"));
        QCOMPARE(correct_answers, 35);

        press(button(w.get(), "close_button"));
        QVERIFY(!w->isVisible());
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
