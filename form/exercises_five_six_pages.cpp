// Exercise V: ten drugs sorted into three classes; exercise VI: five sentences
// completed with a verb form.
#include "list_pages.h"

using namespace listpages;

namespace {

const Step stepsFive[] = {
    {Step::Label, 1}, {Step::Label, 2}, {Step::Label, 0}, {Step::Label, 4}, {Step::Label, 3},
    {Step::Label, 5}, {Step::Label, 9}, {Step::Label, 6}, {Step::Label, 8}, {Step::Label, 7},
    {Step::List, 0},  {Step::List, 1},  {Step::List, 2},  {Step::List, 3},  {Step::List, 4},
    {Step::List, 5},  {Step::List, 6},  {Step::List, 7},  {Step::List, 8},  {Step::List, 9},
};

const Step stepsSix[] = {
    {Step::Label, 2}, {Step::Label, 1}, {Step::Label, 3}, {Step::Label, 0}, {Step::Label, 4},
    {Step::List, 0},  {Step::List, 1},  {Step::List, 2},  {Step::List, 3},  {Step::List, 4},
};

// What the two pages share: the panel, the heading's place and the grid's spacing.
PageShape shapeFiveSix()
{
    PageShape shape;
    shape.panelGeometry = QRect(15, 0, 771, 491);
    shape.headingGeometry = QRect(20, 20, 711, 21);
    shape.headingWraps = false;
    shape.spacing = 6;
    shape.constraint = QLayout::SetNoConstraint;
    shape.margin = 6;
    shape.lists.sizeLimits = false;
    shape.lists.iconSize = 20;
    return shape;
}

// Only the label column of exercise V stretches; the lists keep their own width.
PageShape pageFive()
{
    PageShape shape = shapeFiveSix();
    shape.exercise = &exercises::listExercises[3];
    shape.page = LISTPAGES_NAMED(stacked_vocabulaire5);
    shape.panel = LISTPAGES_NAMED(vocabulaire5);
    shape.heading = LISTPAGES_NAMED(label_49);
    shape.grid = LISTPAGES_NAMED(gridLayoutWidget_5);
    shape.gridGeometry = QRect(20, 50, 431, 311);
    shape.layout = LISTPAGES_NAMED(gridLayout_5);
    shape.lists.maxVisibleItems = 3;
    shape.stretchedColumns = 1;
    shape.steps = stepsFive;
    shape.stepCount = int(std::size(stepsFive));
    return shape;
}

PageShape pageSix()
{
    PageShape shape = shapeFiveSix();
    shape.exercise = &exercises::listExercises[4];
    shape.page = LISTPAGES_NAMED(page);
    shape.panel = LISTPAGES_NAMED(vocabulaire5_2);
    shape.heading = LISTPAGES_NAMED(label_50);
    shape.grid = LISTPAGES_NAMED(gridLayoutWidget_6);
    shape.gridGeometry = QRect(20, 50, 741, 431);
    shape.layout = LISTPAGES_NAMED(gridLayout_8);
    shape.lists.maxVisibleItems = 5;
    shape.stretchedColumns = 2;
    shape.steps = stepsSix;
    shape.stepCount = int(std::size(stepsSix));
    return shape;
}

} // namespace

void MainWindowForm::setupExercisesFiveSixPages()
{
    build(*this, pageFive());
    build(*this, pageSix());
}

void MainWindowForm::retranslateExercisesFiveSixPages()
{
    retranslate(*this, pageFive());
    retranslate(*this, pageSix());
}
