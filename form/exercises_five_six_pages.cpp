// Exercise V: ten drugs sorted into three classes; exercise VI: five sentences
// completed with a verb form.
#include "list_pages.h"

using namespace listpages;
using F = MainWindowForm;

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

// Only the label column of exercise V stretches; the lists keep their own width.
const PageShape pageFive = {
    &exercises::listExercises[3],
    {&F::stacked_vocabulaire5, "stacked_vocabulaire5"},
    {&F::vocabulaire5, "vocabulaire5"}, QRect(15, 0, 771, 491),
    {&F::label_49, "label_49"}, QRect(20, 20, 711, 21), false,
    {&F::gridLayoutWidget_5, "gridLayoutWidget_5"}, QRect(20, 50, 431, 311),
    {&F::gridLayout_5, "gridLayout_5"}, 6, QLayout::SetNoConstraint, 6,
    {false, 3, 20}, 1, stepsFive, int(std::size(stepsFive)),
};

const PageShape pageSix = {
    &exercises::listExercises[4],
    {&F::page, "page"},
    {&F::vocabulaire5_2, "vocabulaire5_2"}, QRect(15, 0, 771, 491),
    {&F::label_50, "label_50"}, QRect(20, 20, 711, 21), false,
    {&F::gridLayoutWidget_6, "gridLayoutWidget_6"}, QRect(20, 50, 741, 431),
    {&F::gridLayout_8, "gridLayout_8"}, 6, QLayout::SetNoConstraint, 6,
    {false, 5, 20}, 2, stepsSix, int(std::size(stepsSix)),
};

} // namespace

void MainWindowForm::setupExercisesFiveSixPages()
{
    build(*this, pageFive);
    build(*this, pageSix);
}

void MainWindowForm::retranslateExercisesFiveSixPages()
{
    retranslate(*this, pageFive);
    retranslate(*this, pageSix);
}
