// Shared building steps of the answer-list pages (exercises II to VI): each page
// is a panel with a heading and a grid of item labels beside answer lists, and
// differs from the others only in what its shape below says.
#ifndef LIST_PAGES_H
#define LIST_PAGES_H

#include "exercises.h"
#include "mainwindowform.h"

#include <QtCore/QRect>
#include <QtWidgets/QLayout>

#include <iterator>

namespace listpages {

template <typename T>
struct Named
{
    T *MainWindowForm::*member;
    const char *name;
};

// A member of the form with its object name, which is the member's own name.
#define LISTPAGES_NAMED(member) {&MainWindowForm::member, #member}

// One widget of the grid: the item label or the answer list of a row.
struct Step
{
    enum Kind { Label, List } kind;
    int row;                          // index into the exercise's items
};

struct ListProperties
{
    bool sizeLimits = false;          // minimum 1 x 0, maximum 16777215 x 16777215
    int maxVisibleItems = 0;          // 0: left at the toolkit's default
    int iconSize = 16;
};

// Everything in which one answer-list page differs from the others; set field by field.
struct PageShape
{
    const exercises::ListExercise *exercise = nullptr;
    Named<QWidget> page {};
    Named<QWidget> panel {};
    QRect panelGeometry;
    Named<QLabel> heading {};
    QRect headingGeometry;
    bool headingWraps = false;
    Named<QWidget> grid {};
    QRect gridGeometry;
    Named<QGridLayout> layout {};
    int spacing = 6;
    QLayout::SizeConstraint constraint = QLayout::SetDefaultConstraint;
    int margin = 0;                   // the same on all four sides
    ListProperties lists;
    int stretchedColumns = 0;         // columns 0 .. n-1 get stretch 50
    const Step *steps = nullptr;      // the grid's widgets in creation order
    int stepCount = 0;
};

// Creates the page with all its widgets, in the order its shape gives, and
// appends it to the page stack.
void build(MainWindowForm &form, const PageShape &shape);
// Gives the page its texts, walking the same order as build().
void retranslate(MainWindowForm &form, const PageShape &shape);

} // namespace listpages

#endif // LIST_PAGES_H
