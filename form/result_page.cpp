#include "formstyles.h"
#include "mainwindowform.h"

// Placeholder until the page's contents are built.
void MainWindowForm::setupResultPage()
{
    result = new QWidget();
    result->setObjectName(QStringLiteral("result"));
    tabWidget = new QTabWidget(result);
    tabWidget->setObjectName(QStringLiteral("tabWidget"));
    tabWidget->setGeometry(QRect(10, 20, 781, 461));
    stackedWidget->addWidget(result);
}

void MainWindowForm::retranslateResultPage()
{
}
