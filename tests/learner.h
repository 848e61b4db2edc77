// Drives the window as a learner does: clicks on the buttons shown, a click near a radio's
// ring, keyboard choice in the answer lists, Next and Back from page to page. The tests and
// the benchmark use it; a program that includes it links the toolkit's Qt Test module.
#pragma once
#include "counters.h"
#include "mainwindow.h"
#include "startup.h"
#include <QtTest/QtTest>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QStackedWidget>
#include <memory>

namespace learner {
// Start-up as the program does it, which drops the two known notes on its style sheets. Any
// other style-sheet warning stops the test program: a new one is a fault to see, not to hide.
inline void prepare()
{
    static const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (type == QtWarningMsg && message.startsWith("QCssParser"))
                qFatal("unexpected style sheet warning: %s", qPrintable(message));
            previous(type, context, message);
        });
    prepareApplication();
}

// A new window on fresh counters, shown and exposed, as at program start.
inline std::unique_ptr<MainWindow> freshWindow()
{
    current_page = 0;
    correct_answers = 0;
    auto window = std::make_unique<MainWindow>();
    window->show();
    (void)QTest::qWaitForWindowExposed(window.get());
    return window;
}

// The widget of that name, or null (with a warning naming it); every action below is false on null.
template <typename T> T *find(QWidget *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    if (!found)
        qWarning("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return found;
}
inline QLabel *label(QWidget *w, const QString &name) { return find<QLabel>(w, name); }
inline QAbstractButton *button(QWidget *w, const QString &name)
{
    return find<QAbstractButton>(w, name);
}
inline QComboBox *list(QWidget *w, const QString &name) { return find<QComboBox>(w, name); }
inline QRadioButton *radio(QWidget *w, const QString &name) { return find<QRadioButton>(w, name); }
inline QStackedWidget *stack(QWidget *w) { return find<QStackedWidget>(w, "stackedWidget"); }
// The page shown: 0 the reading, 1 to 6 the exercises, 7 the result; -1 without a page stack.
inline int pageShown(QWidget *w)
{
    const QStackedWidget *pages = stack(w);
    return pages ? pages->currentIndex() : -1;
}
// What the learner reads in a label, and whether a button is on screen; "?" and false when none.
inline QString read(QWidget *w, const QString &name)
{
    const QLabel *shown = label(w, name);
    return shown ? shown->text() : "?";
}
inline bool shown(QWidget *w, const QString &name)
{
    const QAbstractButton *b = button(w, name);
    return b && b->isVisible();
}

// Clicks a button in its middle, false when it is not on screen.
inline bool press(QAbstractButton *b)
{
    const bool shown = b && b->isVisible();
    if (shown)
        QTest::mouseClick(b, Qt::LeftButton);
    return shown;
}
// Clicks an option next to its ring, since the middle of a wide radio can miss its caption.
inline bool clickRadio(QRadioButton *r)
{
    const bool shown = r && r->isVisible();
    if (shown)
        QTest::mouseClick(r, Qt::LeftButton, Qt::NoModifier, QPoint(8, r->height() / 2));
    return shown && r->isChecked();
}
inline bool pressNext(QWidget *w) { return press(button(w, "pushButton_2")); }
inline bool pressBack(QWidget *w) { return press(button(w, "pushButton_1")); }
inline bool pressFinish(QWidget *w) { return press(button(w, "pushButton_3")); }
inline bool pressClose(QWidget *w) { return press(button(w, "close_button")); }

// Picks an option of an answer list by keyboard (Home, then Down), without its popup.
inline bool choose(QComboBox *c, int index)
{
    if (!c || !c->isVisible() || index < 0 || index >= c->count())
        return false;
    QTest::keyClick(c, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(c, Qt::Key_Down);
    return c->currentIndex() == index;
}

// The widget with the keyboard focus, and Tab until the focus reaches the widget of that name;
// false when a whole round misses it.
inline QWidget *focused() { return QApplication::focusWidget(); }
inline bool tabTo(const QString &name)
{
    for (int i = 0; i < 80 && focused() && focused()->objectName() != name; ++i)
        QTest::keyClick(focused(), Qt::Key_Tab);
    return focused() && focused()->objectName() == name;
}

// Walks with Next or Back to the given page of the stack (0 to 6).
inline bool goToPage(QWidget *w, int page)
{
    for (int from = pageShown(w); from != page; from = pageShown(w)) {
        const bool forward = from < page;
        if (from < 0 || !(forward ? pressNext(w) : pressBack(w)))
            return false;
        // One page a press: a Next or Back that skips a page or stays fails the walk at once.
        const int expected = forward ? from + 1 : from - 1;
        if (pageShown(w) != expected) {
            qWarning("%s on page %d showed page %d, not %d", forward ? "Next" : "Back", from,
                     pageShown(w), expected);
            return false;
        }
    }
    return true;
}
} // namespace learner
