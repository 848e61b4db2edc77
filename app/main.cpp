#include "mainwindow.h"
#include "startup.h"

#include <QtWidgets/QApplication>

int main(int argc, char *argv[])
{
    prepareToolkit(argc, argv);
    QApplication application(argc, argv, 0x50201);   // version 5.2.1, the toolkit the window was first made with
    prepareApplication();
    MainWindow window;
    window.show();
    return application.exec();
}
