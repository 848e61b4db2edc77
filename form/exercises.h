// Where each item of the six exercises stands in the form: its widgets on the exercise page
// and its cells in the review. The texts and the answer key are the core's (content.h); this
// table only adds the widgets, item by item in the core's order.
#ifndef EXERCISES_H
#define EXERCISES_H

#include "content.h"
#include "mainwindowform.h"

namespace exercises {

using F = MainWindowForm;

// Exercise I: one question with three radio options a), b), c).
struct RadioQuestion
{
    QGroupBox *F::*box;
    QRadioButton *F::*options[core::optionsPerQuestion];
    QLabel *F::*reviewItem;
    QLabel *F::*reviewAnswer;
};

// Exercises II to VI: one item label with the answer list beside it.
struct ListItem
{
    QLabel *F::*label;
    QComboBox *F::*list;
    const char *labelName;            // object names of the two widgets
    const char *listName;
    QLabel *F::*reviewItem;           // null: reviewed without its item
    QLabel *F::*reviewAnswer;
};

struct ListExercise
{
    const core::ListExercise *content;
    const ListItem *items;            // in the core's order, item 1 first
    int itemCount;
    QLabel *F::*reviewHeading;
};

extern const RadioQuestion radioQuestions[core::radioQuestionCount];   // questions 1 to 5
extern const ListExercise listExercises[core::listExerciseCount];      // exercises II to VI

} // namespace exercises

#endif // EXERCISES_H
