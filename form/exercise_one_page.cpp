// Page 1: exercise I, five sentence beginnings with three radio endings each.
#include "exercises.h"
#include "formstyles.h"
#include "mainwindowform.h"

using formstyles::tr;
using F = MainWindowForm;

namespace {

// How the options of a question are laid out in its box.
struct OptionsLayout
{
    int innerHeight;
    int spacing;
    bool setsDefaultConstraint;       // sets the size constraint the layout has anyway
};

const OptionsLayout usualOptions = {53, 6, false};
const OptionsLayout questionTwoOptions = {61, 0, true};

// Each question's box, in the order the boxes are built: the question (1 to 5, also the grid
// row + 1), the widget and the layout that hold its options, and how these are laid out.
struct QuestionFrame
{
    int question;
    QWidget *F::*inner;
    const char *innerName;
    QVBoxLayout *F::*layout;
    const char *layoutName;
    const OptionsLayout *options;
};

#define FRAME(question, number, options)                                                     \
    {question, &F::verticalLayoutWidget_##number, "verticalLayoutWidget_" #number,            \
     &F::verticalLayout_##number, "verticalLayout_" #number, &options}

const QuestionFrame questionFrames[] = {
    FRAME(5, 8, usualOptions), FRAME(2, 6, questionTwoOptions), FRAME(4, 4, usualOptions),
    FRAME(1, 5, usualOptions), FRAME(3, 7, usualOptions),
};

#undef FRAME

// Builds one question's box with its three options, their texts still to come.
QGroupBox *newQuestionBox(F &form, const QuestionFrame &frame, QWidget *grid, const QFont &font)
{
    const exercises::RadioQuestion &question = exercises::radioQuestions[frame.question - 1];
    auto *box = new QGroupBox(grid);
    form.*question.box = box;
    box->setObjectName(QStringLiteral("exl%1").arg(frame.question));
    box->setFont(font);
    box->setStyleSheet(QString::fromUtf8(formstyles::transparent));
    box->setFlat(true);
    box->setCheckable(false);

    auto *inner = new QWidget(box);
    form.*frame.inner = inner;
    inner->setObjectName(QString::fromLatin1(frame.innerName));
    inner->setGeometry(QRect(10, 20, 721, frame.options->innerHeight));

    auto *layout = new QVBoxLayout(inner);
    form.*frame.layout = layout;
    layout->setSpacing(frame.options->spacing);
    layout->setObjectName(QString::fromLatin1(frame.layoutName));
    if (frame.options->setsDefaultConstraint)
        layout->setSizeConstraint(QLayout::SetDefaultConstraint);
    layout->setContentsMargins(0, 0, 0, 0);

    for (int option = 0; option < core::optionsPerQuestion; ++option) {
        auto *radio = new QRadioButton(inner);
        form.*question.options[option] = radio;
        radio->setObjectName(QStringLiteral("rb%1_%2").arg(frame.question).arg(option + 1));
        // The box's style sheet keeps its font from the options here; give it to them directly.
        radio->setFont(box->font());
        layout->addWidget(radio);
    }
    return box;
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
        const QFont &font = frame.question == 1 ? firstQuestionFont : questionFont;
        gridLayout_2->addWidget(newQuestionBox(*this, frame, gridLayoutWidget_2, font),
                                frame.question - 1, 0, 1, 1);
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
    label_6->setText(formstyles::heading(core::radioPageHeading));
    for (const QuestionFrame &frame : questionFrames) {
        const exercises::RadioQuestion &question = exercises::radioQuestions[frame.question - 1];
        const core::RadioQuestion &content = core::radioQuestions[frame.question - 1];
        QGroupBox *box = this->*question.box;
        box->setTitle(tr(content.title));
        box->setAccessibleName(box->title().simplified());
        for (int option = 0; option < core::optionsPerQuestion; ++option)
            (this->*question.options[option])->setText(tr(content.options[option]));
    }
}
