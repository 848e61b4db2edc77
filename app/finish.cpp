// Finish: counts the answers against the key, shows points and grade on the
// result page, then writes the review of every exercise into its tab.
#include "mainwindow.h"

#include "accessible.h"
#include "counters.h"
#include "exercises.h"
#include "mainwindowform.h"

namespace {

using exercises::ListExercise;
using exercises::RadioQuestion;

// Answer cells: the radio form ends with a semicolon, the list form does not.
const char *const rightRadio = "border: 1px solid #000; background: #fff; color: green;";
const char *const wrongRadio = "border: 1px solid #000; background: #fff; color: red;";
const char *const rightList = "border: 1px solid #000; background: #fff; color: green";
const char *const wrongList = "border: 1px solid #000; background: #fff; color: red";

const char *const noAnswerRadio = " Відповіді нема";
const char *const noAnswerList = "Відповіді нема";

// Right and wrong in words as well as in colour, for a reader and in the tooltip.
const char *const rightAnswer = "Правильна відповідь";
const char *const wrongAnswer = "Неправильна відповідь";

QString text(const char *literal)
{
    return QString::fromUtf8(literal);
}

// An answer cell as a reader gets it, from the keyboard as well: the item, the answer, and
// whether it is right, which the tooltip also says.
void describeAnswer(QLabel *answer, const QString &item, bool right)
{
    const QString verdict = text(right ? rightAnswer : wrongAnswer);
    answer->setToolTip(verdict);
    answer->setAccessibleDescription(verdict);
    accessible::FocusStop *stop = accessible::FocusStop::over(answer);
    // Readers do not speak a label's description, so the stop says the verdict in its name too.
    QString given = accessible::spokenText(answer);
    if (given.endsWith(QLatin1Char(';')))
        given.chop(1);
    stop->setAccessibleName(item + QStringLiteral(": ") + given + QStringLiteral(". ") + verdict);
    stop->setAccessibleDescription(verdict);
}

bool isRight(MainWindowForm *form, const exercises::ListItem &item)
{
    return (form->*item.list)->currentIndex() == item.key;
}

void countAnswers(MainWindowForm *form)
{
    for (const RadioQuestion &question : exercises::radioQuestions)
        if ((form->*question.options[question.key])->isChecked())
            ++correct_answers;
    for (const ListExercise &exercise : exercises::listExercises)
        for (int k = 0; k < exercise.itemCount; ++k)
            if (isRight(form, exercise.items[k]))
                ++correct_answers;
}

// Grade bands on the points, best first; bounds inclusive.
void showGrade(MainWindowForm *form)
{
    struct Band
    {
        int low;
        int high;
        const char *word;
    };
    static const Band bands[] = {
        {65, 70, "Trés bien!"},
        {43, 64, "Bien!"},
        {26, 42, "Passable!"},
        {0, 25, "Mal!"},   // 0 points and up: the count is never negative here
    };
    for (const Band &band : bands) {
        const int points = 2 * correct_answers;
        if (points >= band.low && points <= band.high)
            form->label_mark_2->setText(text(band.word));
    }
}

void reviewRadioQuestions(MainWindowForm *form)
{
    form->exl1_2->setText(text(exercises::radioReviewHeading));
    for (const RadioQuestion &question : exercises::radioQuestions)
        (form->*question.reviewItem)->setText(text(question.reviewStem));

    for (const RadioQuestion &question : exercises::radioQuestions) {
        QLabel *answer = form->*question.reviewAnswer;
        for (int option = 0; option < 3; ++option) {
            QRadioButton *button = form->*question.options[option];
            if (button->isChecked()) {
                answer->setStyleSheet(text(option == question.key ? rightRadio : wrongRadio));
                answer->setText(QLatin1Char(' ') + button->text());
            }
        }
        bool anyChecked = false;
        for (QRadioButton *MainWindowForm::*option : question.options)
            anyChecked = anyChecked || (form->*option)->isChecked();
        if (!anyChecked) {
            answer->setStyleSheet(text(wrongRadio));
            answer->setText(text(noAnswerRadio));
        }
        const bool right = (form->*question.options[question.key])->isChecked();
        describeAnswer(answer, text(question.reviewStem).simplified(), right);
    }
}

void reviewListExercise(MainWindowForm *form, const ListExercise &exercise)
{
    (form->*exercise.reviewHeading)->setText(text(exercise.reviewHeadingText));
    for (int k = 0; k < exercise.itemCount; ++k) {
        const exercises::ListItem &item = exercise.items[k];
        if (item.reviewItem)
            (form->*item.reviewItem)->setText((form->*item.label)->text());
        (form->*item.reviewAnswer)->setText((form->*item.list)->currentText());
    }
    for (int k = 0; k < exercise.itemCount; ++k) {
        const exercises::ListItem &item = exercise.items[k];
        (form->*item.reviewAnswer)->setStyleSheet(text(isRight(form, item) ? rightList : wrongList));
    }
    for (int k = 0; k < exercise.itemCount; ++k) {
        const exercises::ListItem &item = exercise.items[k];
        if ((form->*item.list)->currentIndex() == -1)
            (form->*item.reviewAnswer)->setText(text(noAnswerList));
        describeAnswer(form->*item.reviewAnswer, accessible::spokenText(form->*item.label),
                       isRight(form, item));
    }
}

// Tab walks the answers from the tab bar, item by item and tab by tab; a tab not shown
// is passed over.
void orderAnswers(MainWindowForm *form)
{
    QWidget *previous = form->tabWidget;
    auto follow = [&previous](QLabel *answer) {
        QWidget *stop = accessible::FocusStop::over(answer);
        QWidget::setTabOrder(previous, stop);
        previous = stop;
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

    countAnswers(form);
    form->label_mark->setNum(2 * correct_answers);
    showGrade(form);
    accessible::renewInterfaces(form->result);
    form->stackedWidget->setCurrentIndex(7);

    reviewRadioQuestions(form);
    for (const ListExercise &exercise : exercises::listExercises)
        reviewListExercise(form, exercise);
    orderAnswers(form);

    // The focus goes to the review before Finish hides: left to itself it would pass to
    // Close, and a second press of the key that pressed Finish would end the program.
    form->tabWidget->setFocus(Qt::OtherFocusReason);
    form->close_button->setVisible(true);
    form->pushButton_1->setVisible(false);
    form->pushButton_2->setVisible(false);
    form->pushButton_3->setVisible(false);
    announceResult();
}

// Tells the reader the points and the grade, then the section and the total.
void MainWindow::announceResult()
{
    const QString points = accessible::spokenText(form->label_88) + QLatin1Char(' ')
        + accessible::spokenText(form->label_mark);
    const QString grade = accessible::spokenText(form->label_89) + QLatin1Char(' ')
        + accessible::spokenText(form->label_mark_2);
    const QString section = accessible::spokenText(form->type_label) + QStringLiteral(", ")
        + accessible::spokenText(form->total_label);
    announcer->announce(points + QStringLiteral(", ") + grade, section);
}
