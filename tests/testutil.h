// Helpers that drive the window as a learner does: clicks, keyboard selection.
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
#include <cstdio>
#include <memory>

namespace testutil {
// Start-up as the program does it. The style sheets write rgb() with four values, which
// the toolkit accepts with a warning on every polish; those warnings are kept quiet.
inline void prepare()
{
    prepareApplication();
    static bool installed = false;   // once, however often a test prepares
    static QtMessageHandler previous = nullptr;
    if (installed)
        return;
    installed = true;
    previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
        if (type == QtWarningMsg && message.startsWith(QLatin1String("QCssParser::parseColorValue")))
            return;
        if (previous)
            previous(type, context, message);
        else
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
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

template <typename T> T *child(QWidget *window, const char *name)
{
    if (T *found = window->findChild<T *>(QString::fromLatin1(name)))
        return found;
    qFatal("no %s named %s", T::staticMetaObject.className(), name);
}

inline QLabel *label(QWidget *w, const char *name) { return child<QLabel>(w, name); }
inline QAbstractButton *button(QWidget *w, const char *name) { return child<QAbstractButton>(w, name); }
inline QComboBox *list(QWidget *w, const char *name) { return child<QComboBox>(w, name); }
inline QRadioButton *radio(QWidget *w, const char *name) { return child<QRadioButton>(w, name); }
inline QStackedWidget *stack(QWidget *w) { return child<QStackedWidget>(w, "stackedWidget"); }

// Clicks a button where a person would, false when it is not on screen: in its middle, and
// a radio near its left edge, since the centre of a wide radio can miss its caption.
inline bool clickAt(QAbstractButton *b, QPoint at)
{
    const bool shown = b->isVisible();
    if (shown)
        QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, at);
    return shown;
}
inline bool click(QAbstractButton *b) { return clickAt(b, QPoint()); }
inline bool clickRadio(QRadioButton *b) { return clickAt(b, QPoint(8, b->height() / 2)); }
inline bool next(QWidget *w) { return click(button(w, "pushButton_2")); }
inline bool back(QWidget *w) { return click(button(w, "pushButton_1")); }
inline bool finish(QWidget *w) { return click(button(w, "pushButton_3")); }

// Selects an answer by keyboard (Home, Down...) without the popup; emits activated.
inline bool choose(QComboBox *c, int index)
{
    if (!c->isVisible() || index < 0 || index >= c->count())
        return false;
    QTest::keyClick(c, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(c, Qt::Key_Down);
    return c->currentIndex() == index;
}

// Walks with Next or Back to the given stack page (0 to 6).
inline bool goToPage(QWidget *w, int pageIndex)
{
    while (stack(w)->currentIndex() != pageIndex)
        if (!(stack(w)->currentIndex() < pageIndex ? next(w) : back(w)))
            return false;
    return true;
}
} // namespace testutil
