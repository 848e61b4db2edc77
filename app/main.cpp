#include "mainwindow.h"
#include "startup.h"

#include <QtWidgets/QApplication>

int main(int argc, char *argv[])
{
    prepareToolkit(argc, argv);
    QApplication application(argc, argv);
    prepareApplication();
    MainWindow window;
    window.show();
    return application.exec();
}
