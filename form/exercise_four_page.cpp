// Exercise IV: five verbs, each grouped with one of five phrases.
#include "list_pages.h"

using namespace listpages;
using F = MainWindowForm;

namespace {

// The labels are created from the bottom row up, except that 5, 3, 4 come first.
const Step steps[] = {
    {Step::Label, 4}, {Step::Label, 2}, {Step::Label, 3}, {Step::Label, 1}, {Step::Label, 0},
    {Step::List, 0},  {Step::List, 1},  {Step::List, 2},  {Step::List, 3},  {Step::List, 4},
};

const PageShape pageFour = {
    &exercises::listExercises[2],
    {&F::stacked_vocabulaire4, "stacked_vocabulaire4"},
    {&F::vocabulaire4, "vocabulaire4"}, QRect(15, 0, 771, 461),
    {&F::g4_label, "g4_label"}, QRect(20, 20, 711, 21), false,
    {&F::gridLayoutWidget_4, "gridLayoutWidget_4"}, QRect(20, 50, 461, 191),
    {&F::gridLayout_4, "gridLayout_4"}, 6, QLayout::SetDefaultConstraint, 0,
    {false, 0, 20}, 2, steps, int(std::size(steps)),
};

} // namespace

void MainWindowForm::setupExerciseFourPage()
{
    build(*this, pageFour);
}

void MainWindowForm::retranslateExerciseFourPage()
{
    retranslate(*this, pageFour);
}
