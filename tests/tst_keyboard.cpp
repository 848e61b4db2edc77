// The whole test can be taken without a mouse: Tab walks the buttons and the answers of the
// page shown in screen order, Space presses and checks, the arrow keys choose.
#include "expected.h"
using namespace learner;

namespace {
QWidget *focused() { return QApplication::focusWidget(); }

// Tabs until the focus reaches the widget of that name; false when a whole round misses it.
bool tabTo(const QString &name)
{
    for (int i = 0; i < 80 && focused() && focused()->objectName() != name; ++i)
        QTest::keyClick(focused(), Qt::Key_Tab);
    return focused() && focused()->objectName() == name;
}

bool pressByKeyboard(const QString &name)
{
    const bool reached = tabTo(name);
    if (reached)
        QTest::keyClick(focused(), Qt::Key_Space);
    return reached;
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
            // Space checks a question's first option, Home selects a list's first.
            QTest::keyClick(focused(), item.page == 1 ? Qt::Key_Space : Qt::Key_Home);
            for (int o = 0; o < expected::key[i]; ++o)
                QTest::keyClick(focused(), Qt::Key_Down);
        }
        QVERIFY(pressByKeyboard("pushButton_3"));
        QCOMPARE(read(w.get(), "label_mark"), "70");
        QCOMPARE(read(w.get(), "label_mark_2"), "Trés bien!");
        QVERIFY(pressByKeyboard("close_button"));
        QVERIFY(!w->isVisible());
    }

    // A screen reader announces each question of exercise I by its title and each answer list
    // by its item, blanks collapsed.
    void accessibleNames_data()
    {
        QTest::addColumn<QString>("title");
        QTest::newRow("exl1") << "1. L'héroïne est ...";
        QTest::newRow("exl2") << "2. L'héroïne se présente sous la forme ...";
        QTest::newRow("exl3") << "3. Les effets de la consommation de l'héroïne sont ...";
        QTest::newRow("exl4") << "4. L'usage de l'héroïne entraîne ...";
        QTest::newRow("exl5") << "5. La surdose à l'héroïne provoque ...";
        QTest::newRow("cbv2_1") << "1) centraliser les renseignements";
        QTest::newRow("cbg4_4") << "4) s'appuyer";
        QTest::newRow("cbg5_9") << "9) Héroïne";
    }
    void accessibleNames()
    {
        QFETCH(QString, title);
        auto w = freshWindow();
        QWidget *question = find<QWidget>(w.get(), QTest::currentDataTag());
        QVERIFY(question);
        QCOMPARE(question->accessibleName(), title);
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
