#include "formstyles.h"
#include "mainwindowform.h"

// Placeholder until the pages' contents are built.
void MainWindowForm::setupExercisesTwoThreePages()
{
    stacked_vocabulaire2 = new QWidget();
    stacked_vocabulaire2->setObjectName(QStringLiteral("stacked_vocabulaire2"));
    vocabulaire2 = new QWidget(stacked_vocabulaire2);
    vocabulaire2->setObjectName(QStringLiteral("vocabulaire2"));
    vocabulaire2->setGeometry(QRect(15, 0, 771, 461));
    vocabulaire2->setStyleSheet(QString::fromUtf8(formstyles::pagePanel));
    stackedWidget->addWidget(stacked_vocabulaire2);
    stacked_vocabulaire3 = new QWidget();
    stacked_vocabulaire3->setObjectName(QStringLiteral("stacked_vocabulaire3"));
    vocabulaire3 = new QWidget(stacked_vocabulaire3);
    vocabulaire3->setObjectName(QStringLiteral("vocabulaire3"));
    vocabulaire3->setGeometry(QRect(15, 0, 771, 461));
    vocabulaire3->setStyleSheet(QString::fromUtf8(formstyles::pagePanel));
    stackedWidget->addWidget(stacked_vocabulaire3);
}

void MainWindowForm::retranslateExercisesTwoThreePages()
{
}
