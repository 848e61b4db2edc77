// Measurements of the program on this machine, offscreen; bench/run.sh prints them as a table.
//
//   fle-bench --mode app      start as the program does, close after the first painted frame
//   fle-bench --mode bare     the same for a bare 800x600 QMainWindow with the window's style sheet
//   fle-bench --mode finish [--repeat N]
//                             N fresh windows, all 35 items answered through the widgets and
//                             every pending paint flushed, then the click on Finish timed: the
//                             whole click (press, release, handler) and the handler alone
//   fle-bench --mode finish-ir
//                             one such click under callgrind, run with --collect-atstart=no:
//                             only the click is counted
//   fle-bench --startup N     runs the app and bare modes N times each as new processes and
//                             reports the median time from process start to first painted frame
//
// Every mode prints "key value" lines on standard output.
#include "content.h"
#include "counters.h"
#include "exercises.h"
#include "formstyles.h"
#include "mainwindow.h"
#include "startup.h"
#include "../tests/learner.h"

#include <QtCore/QTimer>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QMainWindow>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QStackedWidget>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_TOGGLE_COLLECT
#endif

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <climits>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

long long monotonicNs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

long peakRssKb()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

template <typename T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Waits for the window's first Paint event; once the event that caused it (the
// whole repaint and the flush to the backing store) is over, notes the time and
// closes the window as a user would.
class FirstFrame : public QObject
{
public:
    explicit FirstFrame(QWidget *window) : window(window) { window->installEventFilter(this); }
    long long paintedAt = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == window && event->type() == QEvent::Paint && !seen) {
            seen = true;
            QTimer::singleShot(0, this, [this] {
                paintedAt = monotonicNs();
                window->close();
            });
        }
        return false;
    }

private:
    QWidget *window;
    bool seen = false;
};

int runToFirstFrame(int argc, char **argv, bool bare)
{
    prepareToolkit(argc, argv);
    QApplication application(argc, argv);
    prepareApplication();
    std::unique_ptr<QMainWindow> window;
    if (bare) {
        window = std::make_unique<QMainWindow>();
        window->setFixedSize(800, 600);
        // The one thing it shares with the program.
        window->setStyleSheet(QString::fromUtf8(formstyles::window));
    } else {
        window = std::make_unique<MainWindow>();
    }
    FirstFrame frame(window.get());
    window->show();
    const int status = application.exec();
    std::printf("frame_ns %lld\n", frame.paintedAt);
    window.reset();
    std::printf("maxrss_kb %ld\n", peakRssKb());
    std::fflush(stdout);
    return status;
}

// Answers every item with its key, through the widgets, page by page, as a learner does.
bool answerAll(QWidget *window)
{
    if (!learner::goToPage(window, 1))
        return false;
    for (int q = 0; q < core::radioQuestionCount; ++q) {
        const int option = core::radioQuestions[q].key + 1;
        const QString name = QStringLiteral("rb%1_%2").arg(q + 1).arg(option);
        if (!learner::clickRadio(learner::radio(window, name)))
            return false;
    }
    for (int e = 0; e < core::listExerciseCount; ++e) {
        if (!learner::goToPage(window, e + 2))
            return false;
        const exercises::ListExercise &exercise = exercises::listExercises[e];
        for (int i = 0; i < exercise.itemCount; ++i) {
            const int key = exercise.content->items[i].key;
            if (!learner::choose(learner::list(window, exercise.items[i].listName), key))
                return false;
        }
    }
    return learner::goToPage(window, 6);
}

// A fresh window with all 35 items answered and page VI on screen with every paint
// done, as the learner sees it before pressing Finish; null if answering failed.
std::unique_ptr<MainWindow> answeredWindow()
{
    current_page = 0;
    correct_answers = 0;
    auto window = std::make_unique<MainWindow>();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()) || !answerAll(window.get())) {
        std::fprintf(stderr, "could not answer every item\n");
        return nullptr;
    }
    // Pressing a button repaints at once: without this, page VI's first paint would
    // fall inside the timed click.
    QApplication::processEvents();
    return window;
}

int runFinish(int argc, char **argv, int repeat)
{
    prepareToolkit(argc, argv);
    QApplication application(argc, argv);
    learner::prepare();   // as the tests start, quiet about the style sheets' rgb() values
    std::vector<double> clicks, handlers;
    int counted = -1;
    for (int r = 0; r < repeat; ++r) {
        auto window = answeredWindow();
        if (!window)
            return 1;
        auto *finish = learner::button(window.get(), "pushButton_3");
        // The button says released just before clicked, and the window's own slot is the
        // first one connected to clicked: the two marks below hold the handler alone.
        long long handlerStart = 0, handlerEnd = 0;
        QObject::connect(finish, &QAbstractButton::released, [&] { handlerStart = monotonicNs(); });
        QObject::connect(finish, &QAbstractButton::clicked, [&] { handlerEnd = monotonicNs(); });
        const long long start = monotonicNs();
        QTest::mouseClick(finish, Qt::LeftButton);
        const long long end = monotonicNs();
        clicks.push_back((end - start) / 1e6);
        handlers.push_back((handlerEnd - handlerStart) / 1e6);
        counted = correct_answers;
    }
    std::printf("finish_ms %.4f\n", median(clicks));
    std::printf("finish_min_ms %.4f\n", *std::min_element(clicks.begin(), clicks.end()));
    std::printf("finish_max_ms %.4f\n", *std::max_element(clicks.begin(), clicks.end()));
    std::printf("handler_ms %.4f\n", median(handlers));
    std::printf("finish_runs %d\n", repeat);
    std::printf("finish_correct %d\n", counted);
    return 0;
}

// One Finish click with only the click counted (valgrind --collect-atstart=no); the
// handler's share is its inclusive count in the same profile.
int runFinishInstructions(int argc, char **argv)
{
    prepareToolkit(argc, argv);
    QApplication application(argc, argv);
    learner::prepare();   // as the tests start, quiet about the style sheets' rgb() values
    auto window = answeredWindow();
    if (!window)
        return 1;
    QAbstractButton *finish = learner::button(window.get(), "pushButton_3");
    CALLGRIND_TOGGLE_COLLECT;
    QTest::mouseClick(finish, Qt::LeftButton);
    CALLGRIND_TOGGLE_COLLECT;
    std::printf("finish_correct %d\n", correct_answers);
    return 0;
}

struct Run
{
    double ms;
    long rssKb;
};

// One new process in the given mode: from just before the spawn to its first painted frame.
bool spawnOnce(const char *self, const char *mode, Run &run)
{
    int out[2];
    if (pipe(out) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char *args[] = {const_cast<char *>(self), const_cast<char *>("--mode"),
                    const_cast<char *>(mode), nullptr};
    pid_t pid = 0;
    const long long start = monotonicNs();
    const int spawned = posix_spawn(&pid, self, &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return false;
    }
    std::string text;
    char buffer[256];
    ssize_t n;
    while ((n = read(out[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, size_t(n));
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    long long painted = 0;
    long rss = 0;
    std::sscanf(text.c_str(), "frame_ns %lld maxrss_kb %ld", &painted, &rss);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || painted == 0)
        return false;
    run = {(painted - start) / 1e6, rss};
    return true;
}

int runStartup(const char *self, int repeat)
{
    Run run {};
    // One unmeasured run of each warms the file cache and the font cache.
    if (!spawnOnce(self, "app", run) || !spawnOnce(self, "bare", run))
        return 1;
    std::vector<double> appMs, bareMs;
    std::vector<long> appRss, bareRss;
    for (int r = 0; r < repeat; ++r) {
        if (!spawnOnce(self, "app", run))
            return 1;
        appMs.push_back(run.ms);
        appRss.push_back(run.rssKb);
        if (!spawnOnce(self, "bare", run))
            return 1;
        bareMs.push_back(run.ms);
        bareRss.push_back(run.rssKb);
    }
    std::printf("startup_runs %d\n", repeat);
    std::printf("app_frame_ms %.2f\n", median(appMs));
    std::printf("bare_frame_ms %.2f\n", median(bareMs));
    std::printf("app_maxrss_kb %ld\n", median(appRss));
    std::printf("bare_maxrss_kb %ld\n", median(bareRss));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    std::string mode;
    int repeat = 30;
    int startup = 0;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--mode"))
            mode = argv[i + 1];
        else if (!std::strcmp(argv[i], "--repeat"))
            repeat = std::max(1, std::atoi(argv[i + 1]));
        else if (!std::strcmp(argv[i], "--startup"))
            startup = std::max(1, std::atoi(argv[i + 1]));
    }
    // Offscreen by default, drawn as a plain 96-dpi desktop draws it.
    if (!getenv("QT_QPA_PLATFORM")) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("QT_FONT_DPI", "96", 1);
    }

    if (startup) {
        char self[PATH_MAX];
        if (!realpath("/proc/self/exe", self))
            return 1;
        return runStartup(self, startup);
    }
    if (mode == "app" || mode == "bare")
        return runToFirstFrame(argc, argv, mode == "bare");
    if (mode == "finish")
        return runFinish(argc, argv, repeat);
    if (mode == "finish-ir")
        return runFinishInstructions(argc, argv);
    std::fprintf(stderr,
                 "usage: fle-bench --mode app|bare|finish|finish-ir [--repeat N] | --startup N\n");
    return 2;
}
