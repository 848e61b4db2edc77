#include "formstyles.h"
#include "mainwindowform.h"

// Placeholder until the page's contents are built.
void MainWindowForm::setupExerciseOnePage()
{
    stacked_lecture1_2 = new QWidget();
    stacked_lecture1_2->setObjectName(QStringLiteral("stacked_lecture1_2"));
    lecture1_2 = new QWidget(stacked_lecture1_2);
    lecture1_2->setObjectName(QStringLiteral("lecture1_2"));
    lecture1_2->setGeometry(QRect(15, 0, 770, 471));
    lecture1_2->setStyleSheet(QString::fromUtf8(formstyles::pagePanel));
    stackedWidget->addWidget(stacked_lecture1_2);
}

void MainWindowForm::retranslateExerciseOnePage()
{
}
