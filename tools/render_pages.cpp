// Renders every page of the window to PNG, offscreen: page-0.png to page-7.png
// in the folder given (default: the current one).
#include "counters.h"
#include "mainwindow.h"
#include "startup.h"

#include <QtCore/QDir>
#include <QtWidgets/QApplication>
#include <QtWidgets/QStackedWidget>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    prepareApplication();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);

    MainWindow window;
    window.show();
    auto *stack = window.findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
    for (int index = 0; index < stack->count(); ++index) {
        stack->setCurrentIndex(index);
        QApplication::processEvents();
        const QString file = QDir(folder).filePath(QStringLiteral("page-%1.png").arg(index));
        if (!window.grab().save(file))
            return 1;
    }
    return 0;
}
