// What the answers are worth and what the review says of each; only the tables of content.h
// are read.
#include "scoring.h"

namespace core {

namespace {

bool chose(int choice, int optionCount)
{
    return choice >= 0 && choice < optionCount;
}

} // namespace

int answerIndex(int listExercise, int k)
{
    int index = radioQuestionCount;
    for (int e = 0; e < listExercise; ++e)
        index += listItemCounts[e];
    return index + k;
}

int rightCount(const Answers &answers)
{
    int right = 0;
    for (int q = 0; q < radioQuestionCount; ++q)
        right += reviewQuestion(q, answers[q]).right;
    for (int e = 0; e < listExerciseCount; ++e)
        for (int k = 0; k < listExercises[e].itemCount; ++k)
            right += reviewListItem(e, k, answers[answerIndex(e, k)]).right;
    return right;
}

int points(int rightCount)
{
    return pointsPerItem * rightCount;
}

const char *grade(int points)
{
    for (const GradeBand &band : gradeBands)
        if (points >= band.lowest && points <= band.highest)
            return band.word;
    return nullptr;
}

ReviewCell reviewQuestion(int question, int choice)
{
    const RadioQuestion &asked = radioQuestions[question];
    if (!chose(choice, optionsPerQuestion))
        return {QLatin1Char(' ') + QString::fromUtf8(noAnswer), false, false};
    return {QLatin1Char(' ') + QString::fromUtf8(asked.options[choice]), true,
            choice == asked.key};
}

ReviewCell reviewListItem(int listExercise, int k, int choice)
{
    const ListExercise &exercise = listExercises[listExercise];
    if (!chose(choice, exercise.optionCount))
        return {QString::fromUtf8(noAnswer), false, false};
    return {QString::fromUtf8(exercise.options[choice]), true, choice == exercise.items[k].key};
}

QString verdict(bool right)
{
    return QString::fromUtf8(right ? rightAnswer : wrongAnswer);
}

} // namespace core
