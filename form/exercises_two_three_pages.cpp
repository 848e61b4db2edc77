// Exercises II and III: five items, each matched with one of five options.
#include "list_pages.h"

using namespace listpages;
using F = MainWindowForm;

namespace {

// Both pages create the first list before the labels, and label 1 after labels 2 and 3.
const Step steps[] = {
    {Step::List, 0},  {Step::Label, 1}, {Step::Label, 2}, {Step::Label, 0}, {Step::Label, 3},
    {Step::Label, 4}, {Step::List, 1},  {Step::List, 2},  {Step::List, 3},  {Step::List, 4},
};

const ListProperties lists = {true, 5, 25};

const PageShape pageTwo = {
    &exercises::listExercises[0],
    {&F::stacked_vocabulaire2, "stacked_vocabulaire2"},
    {&F::vocabulaire2, "vocabulaire2"}, QRect(15, 0, 771, 461),
    {&F::label_7, "label_7"}, QRect(20, 20, 711, 21), false,
    {&F::gridLayoutWidget, "gridLayoutWidget"}, QRect(20, 50, 501, 201),
    {&F::gridLayout, "gridLayout"}, 6, QLayout::SetDefaultConstraint, 0,
    lists, 2, steps, int(std::size(steps)),
};

const PageShape pageThree = {
    &exercises::listExercises[1],
    {&F::stacked_vocabulaire3, "stacked_vocabulaire3"},
    {&F::vocabulaire3, "vocabulaire3"}, QRect(15, 0, 771, 461),
    {&F::exv3, "exv3"}, QRect(20, 20, 711, 41), true,
    {&F::gridLayoutWidget_3, "gridLayoutWidget_3"}, QRect(20, 70, 411, 171),
    {&F::gridLayout_3, "gridLayout_3"}, 0, QLayout::SetDefaultConstraint, 0,
    lists, 2, steps, int(std::size(steps)),
};

} // namespace

void MainWindowForm::setupExercisesTwoThreePages()
{
    build(*this, pageTwo);
    build(*this, pageThree);
}

void MainWindowForm::retranslateExercisesTwoThreePages()
{
    retranslate(*this, pageTwo);
    retranslate(*this, pageThree);
}
