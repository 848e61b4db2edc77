#ifndef EXERCISES_H
#define EXERCISES_H

#include "mainwindowform.h"

// The content of the six exercises in one place: the form builds the pages
// from it, and Finish scores and reviews against the same keys, so the number
// of green answers always equals the number counted.
namespace exercises {

// Exercise I: one question with three radio options a), b), c).
struct RadioQuestion
{
    QGroupBox *MainWindowForm::*box;
    QRadioButton *MainWindowForm::*options[3];
    int key;                          // 0-based index of the counting option
    const char *title;                // group box title on the page
    const char *optionTexts[3];
    QLabel *MainWindowForm::*reviewItem;
    QLabel *MainWindowForm::*reviewAnswer;
    const char *reviewStem;           // plain stem shown in the review tab
};

// Exercises II to VI: one item label with the answer list beside it.
struct ListItem
{
    QLabel *MainWindowForm::*label;
    QComboBox *MainWindowForm::*list;
    const char *labelName;            // object names of the two widgets
    const char *listName;
    const char *text;                 // item text, set inside the bold item wrapper
    int key;                          // 0-based index of the right option
    QLabel *MainWindowForm::*reviewItem;   // null: reviewed without its item
    QLabel *MainWindowForm::*reviewAnswer;
};

struct ListExercise
{
    const char *pageHeading;          // inside the heading wrapper on the page
    const char *const *options;       // every list of the page offers these
    int optionCount;
    const ListItem *items;            // in row order, item 1 first
    int itemCount;
    QLabel *MainWindowForm::*reviewHeading;
    const char *reviewHeadingText;
};

constexpr int radioQuestionCount = 5;
constexpr int listExerciseCount = 5;
constexpr int itemCount = 35;

extern const char *const radioPageHeading;
extern const char *const radioReviewHeading;
extern const RadioQuestion radioQuestions[radioQuestionCount];   // questions 1 to 5
extern const ListExercise listExercises[listExerciseCount];      // exercises II to VI

} // namespace exercises

#endif // EXERCISES_H
