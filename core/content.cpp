// The exercises, the answer key, the grade bands and the review's words, written once: the
// pages, the scoring and the review all read them from here.
#include "content.h"

namespace core {

namespace {

template <typename T, int N>
constexpr int count(const T (&)[N])
{
    return N;
}

} // namespace

const char *const radioPageHeading = "Complétez les phrases en vous servant du texte:";
const char *const radioReviewHeading = "I. Complétez les phrases en vous servant du texte:";

const RadioQuestion radioQuestions[radioQuestionCount] = {
    {"1.    L'héroïne est ...", "1. L'héroïne est ...",
     {"a) un produit toxique obtenu par synthèse à partir de la morphine;",
      "b) une substance dérivée de l'amphétamine;",
      "c) un alcaloïde tiré des feuilles d’un arbuste."},
     0},
    {"2. L'héroïne  se présente sous la forme ...", "2. L'héroïne  se présente sous la forme ...",
     {"a) d'un liquide incolore et inodore;",
      "b) sous la forme d'une poudre ou de granulés à écraser;",
      "c) de cachets ou de pilules."},
     1},
    {"3. Les effets de la consommation de l'héroïne  sont ...",
     "3. Les effets de la consommation de l'héroïne  sont ...",
     {"a) les hallucinations;",
      "b) la fatigue refoulée, le besoin de parler et de bouger;",
      "c) l'apaisement, l'euphorie et une sensation d'extase."},
     2},
    {"4. L'usage de l'héroïne  entraîne ...", "4. L'usage de l'héroïne  entraîne ...",
     {"a) des maladies menales graves;",
      "b) l'anorexie et l'insomnie;",
      "c) la dépression psychique, accompagnée de nausées, de bradycardie."},
     1},
    {"5. La surdose à l'héroïne provoque ...", "5. La surdose à l'héroïne provoque ...",
     {"a) une dépression respiratoire souvent mortelle;",
      "b) des troubles psychiques graves;",
      "c) des convulsions et un coma."},
     0},
};

namespace {

const char *const optionsTwo[] = {
    "a) бути  сполучною ланкою",
    "b) збирати відомості",
    "c) агентурна операція",
    "d) надавати допомогу",
    "e) контрольована поставка",
};

const ListItem itemsTwo[] = {
    {"1) centraliser  les renseignements  ", 1},
    {"2) servir de liaison           ", 0},
    {"3) la livraison surveillée   ", 4},
    {"4) une opération d'infiltration  ", 2},
    {"5) apporter un concours      ", 3},
};

const char *const optionsThree[] = {
    "a) mettre à la disposition",
    "b) aider",
    "c) une drogue",
    "d) une pénétration",
    "e) rassembler",
};

const ListItem itemsThree[] = {
    {"1) un stupéfiant ", 2},
    {"2) centraliser ", 4},
    {"3) une infiltration  ", 3},
    {"4) apporter son concours  ", 1},
    {"5) fournir  ", 0},
};

const char *const optionsFour[] = {
    "a) les enquêtes importantes",
    "b) sur des officiers de liaison ",
    "c) aux programmes de stages ",
    "d) un intérêt stratégique",
    "e) contre le  trafic de stupéfiants",
};

const ListItem itemsFour[] = {
    {"1) présenter  ", 3},
    {"2) lutter  ", 4},
    {"3) coordonner  ", 0},
    {"4) s'appuyer   ", 1},
    {"5) participer  ", 2},
};

const char *const optionsFive[] = {
    "Les stimulants ",
    "Les hallucinogènes ",
    "Les dépresseurs ",
};

const ListItem itemsFive[] = {
    {"1) barbituriques", 2},
    {"2) Cannabis ", 0},
    {"3) Morphine ", 2},
    {"4) Kétamine", 1},
    {"5) Ecstasy", 0},
    {"6) LSD ", 1},
    {"7) champignons", 1},
    {"8) Crack", 0},
    {"9) Héroïne ", 2},
    {"10) Cocaïne", 0},
};

const char *const optionsSix[] = {
    "a) en  fixant ",
    "b) après avoir été condamné ",
    "c) n’ayant pas atteint ",
    "d) en reconnaissant ",
    "e) avoir commis ",
};

const ListItem itemsSix[] = {
    {"1. La personne arrêtée comme soupçonnée d’ ... une infraction a le droit de recourir "
     "contre les actes de l’enquêteur, de l’instructeur ou du procureur.",
     4},
    {"2. La peine capitale n’est pas appliquable aux personnes ... l’âge de 18 ans au moment "
     "du crime.",
     2},
    {"3. ... la peine applicable aux coupables associés on tient compte du dégré et du "
     "caractère de la participation de chacun d’eux à l’accomplissement du crime.",
     0},
    {"4. Les États membres de la conférence européenne sur la sécurité et la coopération  ... "
     "la valeur universelle du principe des droits de l’homme ont réaffirmé dans l’Acte final "
     "« le droit des personnes de connaîttre leurs droits et obligations ».",
     3},
    {"5. Lorsque un individu commet un second délit ..., cela prouve la première peine était "
     "insuffisante pour l’ammender.",
     1},
};

// What the review of an exercise shows beside each answer: its item, or nothing (the review
// of exercise VI shows the chosen words without their sentences).
enum class Review { ItemsAndAnswers, AnswersOnly };

template <int O, int I>
constexpr ListExercise listExercise(const char *pageHeading, const char *reviewHeading,
                                    const char *const (&options)[O], const ListItem (&items)[I],
                                    Review review)
{
    ListExercise exercise {};
    exercise.pageHeading = pageHeading;
    exercise.reviewHeading = reviewHeading;
    exercise.options = options;
    exercise.optionCount = O;
    exercise.items = items;
    exercise.itemCount = I;
    exercise.reviewsItems = review == Review::ItemsAndAnswers;
    return exercise;
}

} // namespace

const ListExercise listExercises[listExerciseCount] = {
    listExercise(
        "II. Écrivez vis-à-vis des mots et expressions français leurs équivalents ukrainiens:",
        "II. Écrivez vis-à-vis des mots et expressions français leurs équivalents ukrainiens:",
        optionsTwo, itemsTwo, Review::ItemsAndAnswers),
    listExercise(
        "III. Dans la liste de mots de la colonne droite trouvez les synonymes pour les mots de "
        "la colonne gauche:",
        "III. Dans la liste de mots de la colonne droite trouvez les synonymes pour les mots de "
        "la colonne gauche:",
        optionsThree, itemsThree, Review::ItemsAndAnswers),
    listExercise("IV. Groupez les mots  qui vont ensemble: ",
                 "IV.Groupez les mots  qui vont ensemble:",
                 optionsFour, itemsFour, Review::ItemsAndAnswers),
    listExercise("V. Distribuez les drogues en trois colonnes selon leurs effets:",
                 "V. Distribuez les drogues en trois colonnes selon leurs effets:",
                 optionsFive, itemsFive, Review::ItemsAndAnswers),
    listExercise("VI. Complétez les phrases par les formes impersonnelles du verbe  suivantes:",
                 "VI. Complétez les phrases par les formes impersonnelles du verbe suivantes:",
                 optionsSix, itemsSix, Review::AnswersOnly),
};

static_assert(count(itemsTwo) == listItemCounts[0] && count(itemsThree) == listItemCounts[1]
                  && count(itemsFour) == listItemCounts[2] && count(itemsFive) == listItemCounts[3]
                  && count(itemsSix) == listItemCounts[4],
              "the item counts the form's tables are checked against");

const GradeBand gradeBands[gradeBandCount] = {
    {65, 70, "Trés bien!"},
    {43, 64, "Bien!"},
    {26, 42, "Passable!"},
    {0, 25, "Mal!"},
};

const char *const noAnswer = "Відповіді нема";
const char *const rightAnswer = "Правильна відповідь";
const char *const wrongAnswer = "Неправильна відповідь";

} // namespace core
