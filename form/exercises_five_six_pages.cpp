#include "formstyles.h"
#include "mainwindowform.h"

// Placeholder until the pages' contents are built.
void MainWindowForm::setupExercisesFiveSixPages()
{
    stacked_vocabulaire5 = new QWidget();
    stacked_vocabulaire5->setObjectName(QStringLiteral("stacked_vocabulaire5"));
    vocabulaire5 = new QWidget(stacked_vocabulaire5);
    vocabulaire5->setObjectName(QStringLiteral("vocabulaire5"));
    vocabulaire5->setGeometry(QRect(15, 0, 771, 491));
    vocabulaire5->setStyleSheet(QString::fromUtf8(formstyles::pagePanel));
    stackedWidget->addWidget(stacked_vocabulaire5);
    page = new QWidget();
    page->setObjectName(QStringLiteral("page"));
    vocabulaire5_2 = new QWidget(page);
    vocabulaire5_2->setObjectName(QStringLiteral("vocabulaire5_2"));
    vocabulaire5_2->setGeometry(QRect(15, 0, 771, 491));
    vocabulaire5_2->setStyleSheet(QString::fromUtf8(formstyles::pagePanel));
    stackedWidget->addWidget(page);
}

void MainWindowForm::retranslateExercisesFiveSixPages()
{
}
