// The test itself as plain data: the six exercises with their items, options and answer key,
// the points an item is worth, the grade bands and the review's own words. Nothing here knows
// a widget; the form builds its pages from these tables and Finish scores against them.
#ifndef CORE_CONTENT_H
#define CORE_CONTENT_H

namespace core {

constexpr int radioQuestionCount = 5;   // exercise I
constexpr int listExerciseCount = 5;    // exercises II to VI
constexpr int exerciseCount = 1 + listExerciseCount;
constexpr int listItemCounts[listExerciseCount] = {5, 5, 5, 10, 5};
constexpr int itemCount = 35;
static_assert(radioQuestionCount + listItemCounts[0] + listItemCounts[1] + listItemCounts[2]
                      + listItemCounts[3] + listItemCounts[4]
                  == itemCount,
              "35 items in all");
constexpr int pointsPerItem = 2;
constexpr int optionsPerQuestion = 3;   // a) to c) under every question of exercise I

// Exercise I: a sentence to complete with one of three endings.
struct RadioQuestion
{
    const char *title;                           // the question's group box title on the page
    const char *reviewStem;                      // the question as its review cell shows it
    const char *options[optionsPerQuestion];
    int key;                                     // 0-based index of the right ending
};

// Exercises II to VI: an item with an answer list beside it.
struct ListItem
{
    const char *text;   // the item as its label shows it, inside the bold item wrapper
    int key;            // 0-based index of the right option in the exercise's options
};

struct ListExercise
{
    const char *pageHeading;     // inside the heading wrapper on the page
    const char *reviewHeading;   // plain text at the head of the exercise's review tab
    const char *const *options;  // every list of the exercise offers these, in this order
    int optionCount;
    const ListItem *items;       // item 1 first
    int itemCount;
    bool reviewsItems;           // the review repeats each item beside its answer
};

extern const char *const radioPageHeading;
extern const char *const radioReviewHeading;
extern const RadioQuestion radioQuestions[radioQuestionCount];   // questions 1 to 5
extern const ListExercise listExercises[listExerciseCount];      // exercises II to VI

// A grade word and the points it covers, both bounds included.
struct GradeBand
{
    int lowest;
    int highest;
    const char *word;
};
constexpr int gradeBandCount = 4;
extern const GradeBand gradeBands[gradeBandCount];   // best first

// The review's words for an answer: none given, and right or wrong said in words as well as
// in colour (for the tooltip and a screen reader).
extern const char *const noAnswer;
extern const char *const rightAnswer;
extern const char *const wrongAnswer;

} // namespace core

#endif // CORE_CONTENT_H
