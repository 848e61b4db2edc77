// Renders the window (offscreen unless QT_QPA_PLATFORM names a platform) as a learner goes
// through it, into the folder given (default: the current one): page-0.png (the start) to
// page-6.png, each exercise page after answering it (some right, some wrong, some not at all,
// as the screens test answers them), then Finish and the six review tabs as result-tab1.png
// to result-tab6.png.
#include "../tests/mixed_answers.h"
#include "counters.h"
#include "exercises.h"
#include "mainwindow.h"
#include "scoring.h"
#include "startup.h"

#include <QtCore/QDir>
#include <QtWidgets/QApplication>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QTabWidget>

#include <cstdio>

namespace {

bool save(QWidget &window, const QString &folder, const QString &name)
{
    QApplication::processEvents();
    return window.grab().save(QDir(folder).filePath(name));
}

template <typename T>
T *child(QWidget &window, const QString &name)
{
    T *found = window.findChild<T *>(name);
    if (!found)
        std::fprintf(stderr, "render-pages: no widget named %s\n", qPrintable(name));
    return found;
}

// Gives the items of an exercise page the mixed answers of the screens test: a radio option
// clicked, or an option picked in an answer list; an item without one is left untouched.
bool answerPage(QWidget &window, int page)
{
    if (page == 1) {
        for (int q = 0; q < core::radioQuestionCount; ++q) {
            const int option = mixed::answers[q];
            if (option < 0)
                continue;
            auto *radio = child<QRadioButton>(window, QStringLiteral("rb%1_%2").arg(q + 1)
                                                          .arg(option + 1));
            if (!radio)
                return false;
            radio->click();
        }
        return true;
    }
    const exercises::ListExercise &exercise = exercises::listExercises[page - 2];
    for (int k = 0; k < exercise.itemCount; ++k) {
        const int option = mixed::answers[core::answerIndex(page - 2, k)];
        if (option < 0)
            continue;
        auto *list = child<QComboBox>(window, QString::fromLatin1(exercise.items[k].listName));
        if (!list)
            return false;
        list->setCurrentIndex(option);
    }
    return true;
}

// Walks through the exercise pages with Next, answering and rendering each, then presses Finish.
bool answerAndFinish(QWidget &window, const QString &folder)
{
    auto *next = child<QPushButton>(window, QStringLiteral("pushButton_2"));
    auto *finish = child<QPushButton>(window, QStringLiteral("pushButton_3"));
    if (!next || !finish)
        return false;
    for (int page = 1; page <= 6; ++page) {
        next->click();
        QApplication::processEvents();
        if (!answerPage(window, page))
            return false;
        if (!save(window, folder, QStringLiteral("page-%1.png").arg(page)))
            return false;
    }
    if (!finish->isVisible())
        return false;
    finish->click();
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    // Offscreen by default, as a plain 96-dpi desktop draws it; another platform when one is named.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("QT_FONT_DPI", "96");
    }
    prepareToolkit(argc, argv);
    QApplication application(argc, argv);
    prepareApplication();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);

    current_page = 0;
    correct_answers = 0;
    MainWindow window;
    window.show();
    if (!save(window, folder, QStringLiteral("page-0.png")) || !answerAndFinish(window, folder))
        return 1;
    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    for (int index = 0; index < tabs->count(); ++index) {
        tabs->setCurrentIndex(index);
        if (!save(window, folder, QStringLiteral("result-tab%1.png").arg(index + 1)))
            return 1;
    }
    tabs->setCurrentIndex(0);
    return 0;
}
