#include "mainwindow.h"

#include "counters.h"
#include "mainwindowform.h"

// Finish: placeholder until scoring and review are built.
void MainWindow::on_pushButton_3_clicked()
{
}
