// Exercises II and III: five items, each matched with one of five options.
#include "list_pages.h"

using namespace listpages;

namespace {

// Both pages create the first list before the labels, and label 1 after labels 2 and 3.
const Step stepsTwoThree[] = {
    {Step::List, 0},  {Step::Label, 1}, {Step::Label, 2}, {Step::Label, 0}, {Step::Label, 3},
    {Step::Label, 4}, {Step::List, 1},  {Step::List, 2},  {Step::List, 3},  {Step::List, 4},
};

// What the two pages share: the panel, the heading's place, the lists and the grid's columns.
PageShape shapeTwoThree()
{
    PageShape shape;
    shape.panelGeometry = QRect(15, 0, 771, 461);
    shape.headingWraps = false;
    shape.constraint = QLayout::SetDefaultConstraint;
    shape.margin = 0;
    shape.lists.sizeLimits = true;
    shape.lists.maxVisibleItems = 5;
    shape.lists.iconSize = 25;
    shape.stretchedColumns = 2;
    shape.steps = stepsTwoThree;
    shape.stepCount = int(std::size(stepsTwoThree));
    return shape;
}

PageShape pageTwo()
{
    PageShape shape = shapeTwoThree();
    shape.exercise = &exercises::listExercises[0];
    shape.page = LISTPAGES_NAMED(stacked_vocabulaire2);
    shape.panel = LISTPAGES_NAMED(vocabulaire2);
    shape.heading = LISTPAGES_NAMED(label_7);
    shape.headingGeometry = QRect(20, 20, 711, 21);
    shape.grid = LISTPAGES_NAMED(gridLayoutWidget);
    shape.gridGeometry = QRect(20, 50, 501, 201);
    shape.layout = LISTPAGES_NAMED(gridLayout);
    shape.spacing = 6;
    return shape;
}

PageShape pageThree()
{
    PageShape shape = shapeTwoThree();
    shape.exercise = &exercises::listExercises[1];
    shape.page = LISTPAGES_NAMED(stacked_vocabulaire3);
    shape.panel = LISTPAGES_NAMED(vocabulaire3);
    shape.heading = LISTPAGES_NAMED(exv3);
    shape.headingGeometry = QRect(20, 20, 711, 41);
    shape.headingWraps = true;
    shape.grid = LISTPAGES_NAMED(gridLayoutWidget_3);
    shape.gridGeometry = QRect(20, 70, 411, 171);
    shape.layout = LISTPAGES_NAMED(gridLayout_3);
    shape.spacing = 0;
    return shape;
}

} // namespace

void MainWindowForm::setupExercisesTwoThreePages()
{
    build(*this, pageTwo());
    build(*this, pageThree());
}

void MainWindowForm::retranslateExercisesTwoThreePages()
{
    retranslate(*this, pageTwo());
    retranslate(*this, pageThree());
}
