// Finish: reads the learner's answers from the exercise pages once, has the core score and
// review them, and shows what it says: the points and the grade on the result page, then
// every answer in its exercise's review tab, right or wrong in colour and in words.
#include "mainwindow.h"

#include "announcer.h"
#include "counters.h"
#include "exercises.h"
#include "focusframe.h"
#include "formstyles.h"
#include "interfaces.h"
#include "mainwindowform.h"
#include "scoring.h"
#include "spoken.h"

#include <QtCore/QVarLengthArray>

namespace {

using exercises::ListExercise;
using exercises::RadioQuestion;

// Answer cells: the radio form ends with a semicolon, the list form does not.
const char *const rightRadio = "border: 1px solid #000; background: #fff; color: green;";
const char *const wrongRadio = "border: 1px solid #000; background: #fff; color: red;";
const char *const rightList = "border: 1px solid #000; background: #fff; color: green";
const char *const wrongList = "border: 1px solid #000; background: #fff; color: red";

QString fromUtf8(const char *literal)
{
    return QString::fromUtf8(literal);
}

// The option checked or chosen for every item, as the learner left the pages.
core::Answers chosenAnswers(const MainWindowForm *form)
{
    core::Answers answers {};
    for (int q = 0; q < core::radioQuestionCount; ++q) {
        answers[q] = core::unanswered;
        for (int option = 0; option < core::optionsPerQuestion; ++option) {
            if ((form->*exercises::radioQuestions[q].options[option])->isChecked()) {
                answers[q] = option;
                break;
            }
        }
    }
    for (int e = 0; e < core::listExerciseCount; ++e) {
        const ListExercise &exercise = exercises::listExercises[e];
        for (int k = 0; k < exercise.itemCount; ++k)
            answers[core::answerIndex(e, k)] = (form->*exercise.items[k].list)->currentIndex();
    }
    return answers;
}

// Adds the right answers to the count of the run, then shows its points and their grade.
void showScore(MainWindowForm *form, const core::Answers &answers)
{
    correct_answers += core::rightCount(answers);
    const int points = core::points(correct_answers);
    form->label_mark->setNum(points);
    if (const char *grade = core::grade(points))
        form->label_mark_2->setText(fromUtf8(grade));
}

// An answer cell as a reader gets it, from the keyboard as well: the item, the answer, and
// whether it is right, which the tooltip also says.
void describeAnswer(QLabel *answer, const QString &item, bool right)
{
    const QString verdict = core::verdict(right);
    answer->setToolTip(verdict);
    // Readers do not speak a label's description, so the verdict is said in the name, and
    // only there: Orca 48 and later speak a focused object's description after its name.
    QString given = accessible::spokenText(answer);
    if (given.endsWith(QLatin1Char(';')))
        given.chop(1);
    answer->setAccessibleName(item + QStringLiteral(": ") + given + QStringLiteral(". ")
                              + verdict);
}

void reviewRadioQuestions(MainWindowForm *form, const core::Answers &answers)
{
    form->exl1_2->setText(fromUtf8(core::radioReviewHeading));
    for (int q = 0; q < core::radioQuestionCount; ++q)
        (form->*exercises::radioQuestions[q].reviewItem)
            ->setText(fromUtf8(core::radioQuestions[q].reviewStem));

    for (int q = 0; q < core::radioQuestionCount; ++q) {
        const core::ReviewCell cell = core::reviewQuestion(q, answers[q]);
        QLabel *answer = form->*exercises::radioQuestions[q].reviewAnswer;
        answer->setStyleSheet(fromUtf8(cell.right ? rightRadio : wrongRadio));
        answer->setText(cell.text);
        describeAnswer(answer, fromUtf8(core::radioQuestions[q].reviewStem).simplified(),
                       cell.right);
    }
}

// Items and answers first, then the colours, then the no-answer texts: a list left without a
// choice shows its empty text until the last of these.
void reviewListExercise(MainWindowForm *form, int e, const core::Answers &answers)
{
    const ListExercise &exercise = exercises::listExercises[e];
    const core::ListExercise &content = *exercise.content;
    QVarLengthArray<core::ReviewCell, 10> cells;
    for (int k = 0; k < exercise.itemCount; ++k)
        cells.append(core::reviewListItem(e, k, answers[core::answerIndex(e, k)]));

    (form->*exercise.reviewHeading)->setText(fromUtf8(content.reviewHeading));
    for (int k = 0; k < exercise.itemCount; ++k) {
        const exercises::ListItem &item = exercise.items[k];
        if (content.reviewsItems && item.reviewItem)
            (form->*item.reviewItem)->setText(formstyles::itemText(content.items[k].text));
        (form->*item.reviewAnswer)->setText(cells[k].answered ? cells[k].text : QString());
    }
    for (int k = 0; k < exercise.itemCount; ++k)
        (form->*exercise.items[k].reviewAnswer)
            ->setStyleSheet(fromUtf8(cells[k].right ? rightList : wrongList));
    for (int k = 0; k < exercise.itemCount; ++k) {
        QLabel *answer = form->*exercise.items[k].reviewAnswer;
        if (!cells[k].answered)
            answer->setText(cells[k].text);
        describeAnswer(answer, fromUtf8(content.items[k].text).simplified(), cells[k].right);
    }
}

// Tab walks the answers from the tab bar, item by item and tab by tab; a tab not shown
// is passed over. The window's focus frame shows which answer has the focus.
void orderAnswers(MainWindowForm *form)
{
    accessible::FocusFrame *frame = accessible::FocusFrame::of(form->tabWidget);
    QWidget *previous = form->tabWidget;
    auto follow = [frame, &previous](QLabel *answer) {
        frame->follow(answer);
        QWidget::setTabOrder(previous, answer);
        previous = answer;
    };
    for (const RadioQuestion &question : exercises::radioQuestions)
        follow(form->*question.reviewAnswer);
    for (const ListExercise &exercise : exercises::listExercises)
        for (int k = 0; k < exercise.itemCount; ++k)
            follow(form->*exercise.items[k].reviewAnswer);
}

} // namespace

void MainWindow::on_pushButton_3_clicked()
{
    form->type_label->setText(QStringLiteral("RÉSULTAT"));
    form->total_label->setText(QStringLiteral("Au total: 70 points"));

    // Renewed before any of its labels changes, so that no event names an object gone.
    accessible::renewInterfaces(form->result);
    const core::Answers answers = chosenAnswers(form);
    showScore(form, answers);
    form->stackedWidget->setCurrentIndex(7);

    // The focus goes to the review before Finish hides: left to itself it would pass to
    // Close, and a second press of the key that pressed Finish would end the program.
    form->tabWidget->setFocus(Qt::OtherFocusReason);
    form->close_button->setVisible(true);
    form->pushButton_1->setVisible(false);
    form->pushButton_2->setVisible(false);
    form->pushButton_3->setVisible(false);
    // A reader takes events in turn. The toolkit's announcement is sent before the review is
    // written: after the two hundred events of the review's texts and names it came seconds
    // late, or never. A notification object is shown after them: shown before, Orca 43 said
    // only the focused tab bar, and the result was never heard.
    if (accessible::Announcer::toolkitAnnounces)
        announceResult();

    reviewRadioQuestions(form, answers);
    for (int e = 0; e < core::listExerciseCount; ++e)
        reviewListExercise(form, e, answers);
    orderAnswers(form);

    if (!accessible::Announcer::toolkitAnnounces)
        announceResult();
}

// Tells the reader the points and the grade, then the section and the total.
void MainWindow::announceResult()
{
    accessible::Announcer *announcer = accessible::Announcer::of(form->centralWidget);
    if (!announcer)
        return;
    const QString points = accessible::spokenText(form->label_88) + QLatin1Char(' ')
        + accessible::spokenText(form->label_mark);
    const QString grade = accessible::spokenText(form->label_89) + QLatin1Char(' ')
        + accessible::spokenText(form->label_mark_2);
    const QString section = accessible::spokenText(form->type_label) + QStringLiteral(", ")
        + accessible::spokenText(form->total_label);
    announcer->announce(points + QStringLiteral(", ") + grade, section,
                        accessible::Announcer::Urgency::Assertive);
}
