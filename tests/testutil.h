#ifndef TESTUTIL_H
#define TESTUTIL_H

// Helpers that drive the window the way a learner does: clicks on visible
// buttons and options, keyboard selection in the answer lists.

#include "counters.h"
#include "mainwindow.h"
#include "startup.h"

#include <QtTest/QtTest>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QStackedWidget>

#include <memory>

namespace testutil {

// The specified style sheets write rgb() with four values; the toolkit accepts them
// with a warning on every polish. Those warnings say nothing about the test.
inline void quietStyleWarnings()
{
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
        if (type == QtWarningMsg && message.startsWith(QLatin1String("QCssParser::parseColorValue")))
            return;
        previous(type, context, message);
    });
}

// Start-up as the program does it, with the style warnings kept quiet.
inline void prepare()
{
    prepareApplication();
    quietStyleWarnings();
}

// A new window on fresh counters, shown and exposed, as at program start.
inline std::unique_ptr<MainWindow> freshWindow()
{
    current_page = 0;
    correct_answers = 0;
    auto window = std::make_unique<MainWindow>();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("window was not exposed");
    return window;
}

template <typename T>
T *child(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no %s named %s", T::staticMetaObject.className(), name);
    return found;
}

inline QLabel *label(QWidget *w, const char *name) { return child<QLabel>(w, name); }
inline QAbstractButton *button(QWidget *w, const char *name) { return child<QAbstractButton>(w, name); }
inline QComboBox *list(QWidget *w, const char *name) { return child<QComboBox>(w, name); }
inline QRadioButton *radio(QWidget *w, const char *name) { return child<QRadioButton>(w, name); }
inline QStackedWidget *stack(QWidget *w) { return child<QStackedWidget>(w, "stackedWidget"); }

// Clicks a button in its middle, as a person would; false when it is not on screen.
inline bool click(QAbstractButton *b)
{
    if (!b->isVisible())
        return false;
    QTest::mouseClick(b, Qt::LeftButton);
    return true;
}

inline bool next(QWidget *w) { return click(button(w, "pushButton_2")); }
inline bool back(QWidget *w) { return click(button(w, "pushButton_1")); }
inline bool finish(QWidget *w) { return click(button(w, "pushButton_3")); }

// Clicks a radio option near its left edge, on the indicator and the start of the caption.
inline bool clickRadio(QRadioButton *b)
{
    if (!b->isVisible())
        return false;
    QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, QPoint(8, b->height() / 2));
    return true;
}

// Selects an option of an answer list with the keyboard (Home, then Down), as a
// person does without opening the popup; emits activated like a real choice.
inline bool choose(QComboBox *c, int index)
{
    if (!c->isVisible() || index < 0 || index >= c->count())
        return false;
    QTest::keyClick(c, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(c, Qt::Key_Down);
    return c->currentIndex() == index;
}

// Walks with Next from the reading page to the given stack page (1 to 6).
inline bool goToPage(QWidget *w, int pageIndex)
{
    while (stack(w)->currentIndex() < pageIndex)
        if (!next(w))
            return false;
    while (stack(w)->currentIndex() > pageIndex)
        if (!back(w))
            return false;
    return stack(w)->currentIndex() == pageIndex;
}

} // namespace testutil

#endif // TESTUTIL_H
