#include "formstyles.h"
#include "mainwindowform.h"

// Placeholder until the page's contents are built.
void MainWindowForm::setupReadingPage()
{
    stacked_lecture1_1 = new QWidget();
    stacked_lecture1_1->setObjectName(QStringLiteral("stacked_lecture1_1"));
    lecture1_1 = new QWidget(stacked_lecture1_1);
    lecture1_1->setObjectName(QStringLiteral("lecture1_1"));
    lecture1_1->setGeometry(QRect(15, 0, 770, 481));
    lecture1_1->setStyleSheet(QString::fromUtf8(formstyles::pagePanel));
    stackedWidget->addWidget(stacked_lecture1_1);
}

void MainWindowForm::retranslateReadingPage()
{
}
