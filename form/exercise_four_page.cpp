#include "formstyles.h"
#include "mainwindowform.h"

// Placeholder until the page's contents are built.
void MainWindowForm::setupExerciseFourPage()
{
    stacked_vocabulaire4 = new QWidget();
    stacked_vocabulaire4->setObjectName(QStringLiteral("stacked_vocabulaire4"));
    vocabulaire4 = new QWidget(stacked_vocabulaire4);
    vocabulaire4->setObjectName(QStringLiteral("vocabulaire4"));
    vocabulaire4->setGeometry(QRect(15, 0, 771, 461));
    vocabulaire4->setStyleSheet(QString::fromUtf8(formstyles::pagePanel));
    stackedWidget->addWidget(stacked_vocabulaire4);
}

void MainWindowForm::retranslateExerciseFourPage()
{
}
