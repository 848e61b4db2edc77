// Renders the window (offscreen unless QT_QPA_PLATFORM names a platform) as a learner goes through it, into the folder
// given (default: the current one): page-0.png (the start) to page-6.png, each
// exercise page after answering it (some right, some wrong, some not at all),
// then Finish and the six review tabs as result-tab1.png to result-tab6.png.
#include "counters.h"
#include "mainwindow.h"
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

// One answer as the learner gives it on a page: a radio option to click, or
// an option index to pick in an answer list.
struct Answer
{
    int page;
    const char *widget;
    int option;   // answer lists only; -1 leaves the list untouched
};

// Per exercise a mix of right, wrong and missing answers.
const Answer mixedAnswers[] = {
    {1, "rb1_1", 0}, {1, "rb2_3", 0}, {1, "rb4_2", 0}, {1, "rb5_2", 0},   // question 3 left open
    {2, "cbv2_1", 1}, {2, "cbv2_2", 3}, {2, "cbv2_3", -1}, {2, "cbv2_4", 2}, {2, "cbv2_5", 0},
    {3, "cbv3_1", 2}, {3, "cbv3_2", -1}, {3, "cbv3_3", 0}, {3, "cbv3_4", 1}, {3, "cbv3_5", 0},
    {4, "cbg4_1", 3}, {4, "cbg4_2", 4}, {4, "cbg4_3", 1}, {4, "cbg4_4", -1}, {4, "cbg4_5", 2},
    {5, "cbg5_1", 2}, {5, "cbg5_2", 0}, {5, "cbg5_3", 1}, {5, "cbg5_4", -1}, {5, "cbg5_5", 0},
    {5, "cbg5_6", 1}, {5, "cbg5_7", 2}, {5, "cbg5_8", 0}, {5, "cbg5_9", -1}, {5, "cbg5_10", 0},
    {6, "cbg6_1", 4}, {6, "cbg6_2", 1}, {6, "cbg6_3", -1}, {6, "cbg6_4", 3}, {6, "cbg6_5", 1},
};

template <typename T>
T *child(QWidget &window, const char *name)
{
    T *found = window.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        std::fprintf(stderr, "render-pages: no widget named %s\n", name);
    return found;
}

// Walks through the exercise pages with Next, answering and rendering each, then presses Finish.
bool answerAndFinish(QWidget &window, const QString &folder)
{
    auto *next = child<QPushButton>(window, "pushButton_2");
    auto *finish = child<QPushButton>(window, "pushButton_3");
    if (!next || !finish)
        return false;
    for (int page = 1; page <= 6; ++page) {
        next->click();
        QApplication::processEvents();
        for (const Answer &answer : mixedAnswers) {
            if (answer.page != page)
                continue;
            if (page == 1) {
                auto *radio = child<QRadioButton>(window, answer.widget);
                if (!radio)
                    return false;
                radio->click();
            } else if (answer.option >= 0) {
                auto *list = child<QComboBox>(window, answer.widget);
                if (!list)
                    return false;
                list->setCurrentIndex(answer.option);
            }
        }
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
