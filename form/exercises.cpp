// The widgets of every item, in the order of the core's tables.
#include "exercises.h"

#include <iterator>

namespace exercises {

#define QUESTION(q, answer) \
    {&F::exl##q, {&F::rb##q##_1, &F::rb##q##_2, &F::rb##q##_3}, &F::exl1_2_##q, &F::answer}

const RadioQuestion radioQuestions[core::radioQuestionCount] = {
    QUESTION(1, res), QUESTION(2, res_2), QUESTION(3, res_3), QUESTION(4, res_4),
    QUESTION(5, res_5),
};

#undef QUESTION

namespace {

#define ITEM(label, list, reviewItem, reviewAnswer) \
    {&F::label, &F::list, #label, #list, &F::reviewItem, &F::reviewAnswer}
#define ANSWER_ONLY(label, list, reviewAnswer) \
    {&F::label, &F::list, #label, #list, nullptr, &F::reviewAnswer}

const ListItem itemsTwo[] = {
    ITEM(voc2_1, cbv2_1, exv2_1, res_2_1), ITEM(voc2_2, cbv2_2, exv2_2, res_2_2),
    ITEM(voc2_3, cbv2_3, exv2_3, res_2_3), ITEM(voc2_4, cbv2_4, exv2_4, res_2_4),
    ITEM(voc2_5, cbv2_5, exv2_5, res_2_5),
};

const ListItem itemsThree[] = {
    ITEM(voc3_1, cbv3_1, exv3_1, res_3_1), ITEM(voc3_2, cbv3_2, exv3_2, res_3_2),
    ITEM(voc3_3, cbv3_3, exv3_3, res_3_3), ITEM(voc3_4, cbv3_4, exv3_4, res_3_4),
    ITEM(voc3_5, cbv3_5, exv3_5, res_3_5),
};

const ListItem itemsFour[] = {
    ITEM(label_4_1, cbg4_1, exg_4_1, res_4_1), ITEM(label_4_2, cbg4_2, exg_4_2, res_4_2),
    ITEM(label_4_3, cbg4_3, exg_4_3, res_4_3), ITEM(label_4_4, cbg4_4, exg_4_4, res_4_4),
    ITEM(label_4_5, cbg4_5, exg_4_5, res_4_5),
};

// Items 6 to 10 stand beside the labels numbered 11 to 15.
const ListItem itemsFive[] = {
    ITEM(label_5_1, cbg5_1, exg_5_1, res_5_1), ITEM(label_5_2, cbg5_2, exg_5_2, res_5_2),
    ITEM(label_5_3, cbg5_3, exg_5_3, res_5_3), ITEM(label_5_4, cbg5_4, exg_5_4, res_5_4),
    ITEM(label_5_5, cbg5_5, exg_5_5, res_5_5), ITEM(label_5_11, cbg5_6, exg_5_6, res_5_6),
    ITEM(label_5_12, cbg5_7, exg_5_7, res_5_7), ITEM(label_5_13, cbg5_8, exg_5_8, res_5_8),
    ITEM(label_5_14, cbg5_9, exg_5_9, res_5_9), ITEM(label_5_15, cbg5_10, exg_5_10, res_5_10),
};

// The review of exercise VI shows the chosen words without their sentences.
const ListItem itemsSix[] = {
    ANSWER_ONLY(label_5_8, cbg6_1, res_6_1), ANSWER_ONLY(label_5_6, cbg6_2, res_6_2),
    ANSWER_ONLY(label_5_7, cbg6_3, res_6_3), ANSWER_ONLY(label_5_10, cbg6_4, res_6_4),
    ANSWER_ONLY(label_5_9, cbg6_5, res_6_5),
};

#undef ITEM
#undef ANSWER_ONLY

static_assert(std::size(itemsTwo) == core::listItemCounts[0], "one row per item of II");
static_assert(std::size(itemsThree) == core::listItemCounts[1], "one row per item of III");
static_assert(std::size(itemsFour) == core::listItemCounts[2], "one row per item of IV");
static_assert(std::size(itemsFive) == core::listItemCounts[3], "one row per item of V");
static_assert(std::size(itemsSix) == core::listItemCounts[4], "one row per item of VI");

} // namespace

const ListExercise listExercises[core::listExerciseCount] = {
    {&core::listExercises[0], itemsTwo, int(std::size(itemsTwo)), &F::exv_2},
    {&core::listExercises[1], itemsThree, int(std::size(itemsThree)), &F::exv_3},
    {&core::listExercises[2], itemsFour, int(std::size(itemsFour)), &F::exg_4},
    {&core::listExercises[3], itemsFive, int(std::size(itemsFive)), &F::exg_5},
    {&core::listExercises[4], itemsSix, int(std::size(itemsSix)), &F::exg_6},
};

} // namespace exercises
