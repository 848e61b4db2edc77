// Scoring and review as pure functions of the learner's answers: the right answers counted
// against the key, the points, the grade, and what each answer cell of the review says.
#ifndef CORE_SCORING_H
#define CORE_SCORING_H

#include "content.h"

#include <QtCore/QString>

#include <array>

namespace core {

constexpr int unanswered = -1;

// The option chosen for each item, 0-based, or unanswered: questions 1 to 5 of exercise I
// first, then the items of exercises II to VI in order.
using Answers = std::array<int, itemCount>;

// Where item k (0-based) of list exercise e (0 for exercise II) stands in the answers.
int answerIndex(int listExercise, int k);

int rightCount(const Answers &answers);
int points(int rightCount);
// The word of the band that holds the points; null when none does.
const char *grade(int points);

// One answer cell of the review: its final text, and whether it counts.
struct ReviewCell
{
    QString text;     // a blank then the ending for a question; the option for a list
    bool answered;    // false: the text is the no-answer text
    bool right;
};

ReviewCell reviewQuestion(int question, int choice);           // question 0 to 4
ReviewCell reviewListItem(int listExercise, int k, int choice);
// Right or wrong in words.
QString verdict(bool right);

} // namespace core

#endif // CORE_SCORING_H
