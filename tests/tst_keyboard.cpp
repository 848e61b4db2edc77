// The whole test can be taken without a mouse: Tab walks the buttons and the answers
// of the page shown in screen order, Space presses and checks, the arrow keys choose.
#include "testutil.h"

using namespace testutil;

namespace {
QWidget *focused() { return QApplication::focusWidget(); }

// Tabs until the focus reaches the target; false when a whole round misses it.
bool tabTo(QWidget *target)
{
    for (int i = 0; i < 80 && focused() != target; ++i)
        QTest::keyClick(focused(), Qt::Key_Tab);
    return focused() == target;
}
} // namespace

class KeyboardTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { prepare(); }

    // One session by keyboard alone, every answer right, ended with Finish and Close. On each
    // page Tab goes from the last button of the row through the answers from top to bottom.
    void wholeSessionByKeyboard()
    {
        const struct { int page; const char *name; QVector<int> key; } pages[] = {
            {1, "rb%1_1", {0, 1, 2, 1, 0}}, {2, "cbv2_%1", {1, 0, 4, 2, 3}}, {3, "cbv3_%1", {2, 4, 3, 1, 0}},
            {4, "cbg4_%1", {3, 4, 0, 1, 2}}, {5, "cbg5_%1", {2, 0, 2, 1, 0, 1, 1, 0, 2, 0}},
            {6, "cbg6_%1", {4, 2, 0, 3, 1}}};
        auto w = freshWindow();
        QApplication::setActiveWindow(w.get());
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        auto press = [&w](const char *name) {
            QAbstractButton *b = button(w.get(), name);
            const bool reached = tabTo(b);
            QTest::keyClick(b, Qt::Key_Space);
            return reached;
        };
        for (const auto &p : pages) {
            QVERIFY(press("pushButton_2"));
            QCOMPARE(stack(w.get())->currentIndex(), p.page);
            QVERIFY(tabTo(button(w.get(), p.page == 6 ? "pushButton_1" : "pushButton_2")));   // Next is gone on page 6
            for (int i = 0; i < p.key.size(); ++i) {
                QTest::keyClick(focused(), Qt::Key_Tab);
                QCOMPARE(focused()->objectName(), QString::fromLatin1(p.name).arg(i + 1));
                // Space checks a question's first option, Home selects a list's first.
                QTest::keyClick(focused(), p.page == 1 ? Qt::Key_Space : Qt::Key_Home);
                for (int o = 0; o < p.key[i]; ++o)
                    QTest::keyClick(focused(), Qt::Key_Down);
            }
        }
        QVERIFY(press("pushButton_3"));
        QCOMPARE(label(w.get(), "label_mark")->text(), QStringLiteral("70"));
        QCOMPARE(label(w.get(), "label_mark_2")->text(), QStringLiteral("Trés bien!"));
        QVERIFY(press("close_button"));
        QVERIFY(!w->isVisible());
    }

    // A screen reader announces each question of exercise I by its title, blanks collapsed.
    void questionsHaveAccessibleNames()
    {
        const char *titles[] = {"1. L'héroïne est ...", "2. L'héroïne se présente sous la forme ...",
                                "3. Les effets de la consommation de l'héroïne sont ...",
                                "4. L'usage de l'héroïne entraîne ...", "5. La surdose à l'héroïne provoque ..."};
        auto w = freshWindow();
        for (int q = 0; q < 5; ++q)
            QCOMPARE(child<QWidget>(w.get(), qPrintable(QStringLiteral("exl%1").arg(q + 1)))->accessibleName(),
                     QString::fromUtf8(titles[q]));
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
