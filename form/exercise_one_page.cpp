// Page 1: exercise I, five sentence beginnings with three radio endings each.
#include "exercises.h"
#include "formstyles.h"
#include "mainwindowform.h"

using formstyles::tr;
using F = MainWindowForm;

namespace {

// How each question's box is laid out, in the order the boxes are built.
struct QuestionFrame
{
    int question;                     // 1 to 5; also the grid row + 1
    QWidget *F::*inner;
    const char *innerName;
    QVBoxLayout *F::*layout;
    const char *layoutName;
    int innerHeight;
    int spacing;
    bool defaultConstraint;           // the layout's size constraint is set explicitly
};

const QuestionFrame questionFrames[] = {
    {5, &F::verticalLayoutWidget_8, "verticalLayoutWidget_8", &F::verticalLayout_8, "verticalLayout_8", 53, 6, false},
    {2, &F::verticalLayoutWidget_6, "verticalLayoutWidget_6", &F::verticalLayout_6, "verticalLayout_6", 61, 0, true},
    {4, &F::verticalLayoutWidget_4, "verticalLayoutWidget_4", &F::verticalLayout_4, "verticalLayout_4", 53, 6, false},
    {1, &F::verticalLayoutWidget_5, "verticalLayoutWidget_5", &F::verticalLayout_5, "verticalLayout_5", 53, 6, false},
    {3, &F::verticalLayoutWidget_7, "verticalLayoutWidget_7", &F::verticalLayout_7, "verticalLayout_7", 53, 6, false},
};

const exercises::RadioQuestion &questionOf(const QuestionFrame &frame)
{
    return exercises::radioQuestions[frame.question - 1];
}

} // namespace

void MainWindowForm::setupExerciseOnePage()
{
    stacked_lecture1_2 = formstyles::newPage("stacked_lecture1_2");
    lecture1_2 = formstyles::newPanel(stacked_lecture1_2, "lecture1_2", QRect(15, 0, 770, 471));
    label_6 = formstyles::newHeading(lecture1_2, "label_6", QRect(20, 10, 731, 21), true);

    gridLayoutWidget_2 = new QWidget(lecture1_2);
    gridLayoutWidget_2->setObjectName(QStringLiteral("gridLayoutWidget_2"));
    gridLayoutWidget_2->setGeometry(QRect(20, 40, 741, 421));
    gridLayout_2 = new QGridLayout(gridLayoutWidget_2);
    gridLayout_2->setSpacing(6);
    gridLayout_2->setObjectName(QStringLiteral("gridLayout_2"));
    gridLayout_2->setContentsMargins(0, 0, 0, 0);

    // Question 1 has a font of its own; questions 2 to 5 share one.
    const QFont firstQuestionFont = formstyles::itemFont();
    QFont questionFont;
    questionFont.setFamily(QStringLiteral("Trebuchet MS"));
    questionFont.setPointSize(10);

    for (const QuestionFrame &frame : questionFrames) {
        const exercises::RadioQuestion &question = questionOf(frame);

        auto *box = new QGroupBox(gridLayoutWidget_2);
        this->*question.box = box;
        box->setObjectName(QStringLiteral("exl%1").arg(frame.question));
        box->setFont(frame.question == 1 ? firstQuestionFont : questionFont);
        box->setStyleSheet(QString::fromUtf8(formstyles::transparent));
        box->setFlat(true);
        box->setCheckable(false);

        auto *inner = new QWidget(box);
        this->*frame.inner = inner;
        inner->setObjectName(QString::fromLatin1(frame.innerName));
        inner->setGeometry(QRect(10, 20, 721, frame.innerHeight));

        auto *layout = new QVBoxLayout(inner);
        this->*frame.layout = layout;
        layout->setSpacing(frame.spacing);
        layout->setObjectName(QString::fromLatin1(frame.layoutName));
        if (frame.defaultConstraint)
            layout->setSizeConstraint(QLayout::SetDefaultConstraint);
        layout->setContentsMargins(0, 0, 0, 0);

        for (int option = 0; option < 3; ++option) {
            auto *radio = new QRadioButton(inner);
            this->*question.options[option] = radio;
            radio->setObjectName(QStringLiteral("rb%1_%2").arg(frame.question).arg(option + 1));
            // The box's style sheet keeps its font from the options here; give it to them directly.
            radio->setFont(box->font());
            layout->addWidget(radio);
        }

        gridLayout_2->addWidget(box, frame.question - 1, 0, 1, 1);
    }

    formstyles::polishWhenShown(stacked_lecture1_2);
    stackedWidget->addWidget(stacked_lecture1_2);

    // Tab walks the questions as they stand on screen, 1 to 5, options a) to c).
    // Ordered once the page is in the window: on the lone page the focus chain is
    // a ring, and question 5 would stay ahead of question 1 there.
    QWidget *previous = nullptr;
    for (const exercises::RadioQuestion &question : exercises::radioQuestions)
        for (QRadioButton *F::*option : question.options) {
            if (previous)
                QWidget::setTabOrder(previous, this->*option);
            previous = this->*option;
        }
}

void MainWindowForm::retranslateExerciseOnePage()
{
    label_6->setText(formstyles::heading(exercises::radioPageHeading));
    for (const QuestionFrame &frame : questionFrames) {
        const exercises::RadioQuestion &question = questionOf(frame);
        QGroupBox *box = this->*question.box;
        box->setTitle(tr(question.title));
        box->setAccessibleName(box->title().simplified());
        for (int option = 0; option < 3; ++option)
            (this->*question.options[option])->setText(tr(question.optionTexts[option]));
    }
}
