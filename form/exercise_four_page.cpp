// Exercise IV: five verbs, each grouped with one of five phrases.
#include "list_pages.h"

using namespace listpages;

namespace {

// The labels are created from the bottom row up, except that 5, 3, 4 come first.
const Step stepsFour[] = {
    {Step::Label, 4}, {Step::Label, 2}, {Step::Label, 3}, {Step::Label, 1}, {Step::Label, 0},
    {Step::List, 0},  {Step::List, 1},  {Step::List, 2},  {Step::List, 3},  {Step::List, 4},
};

PageShape pageFour()
{
    PageShape shape;
    shape.exercise = &exercises::listExercises[2];
    shape.page = LISTPAGES_NAMED(stacked_vocabulaire4);
    shape.panel = LISTPAGES_NAMED(vocabulaire4);
    shape.panelGeometry = QRect(15, 0, 771, 461);
    shape.heading = LISTPAGES_NAMED(g4_label);
    shape.headingGeometry = QRect(20, 20, 711, 21);
    shape.headingWraps = false;
    shape.grid = LISTPAGES_NAMED(gridLayoutWidget_4);
    shape.gridGeometry = QRect(20, 50, 461, 191);
    shape.layout = LISTPAGES_NAMED(gridLayout_4);
    shape.spacing = 6;
    shape.constraint = QLayout::SetDefaultConstraint;
    shape.margin = 0;
    shape.lists.sizeLimits = false;
    shape.lists.maxVisibleItems = 0;
    shape.lists.iconSize = 20;
    shape.stretchedColumns = 2;
    shape.steps = stepsFour;
    shape.stepCount = int(std::size(stepsFour));
    return shape;
}

} // namespace

void MainWindowForm::setupExerciseFourPage()
{
    build(*this, pageFour());
}

void MainWindowForm::retranslateExerciseFourPage()
{
    retranslate(*this, pageFour());
}
