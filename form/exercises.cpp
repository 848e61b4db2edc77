#include "exercises.h"

namespace exercises {

using F = MainWindowForm;

const char *const radioPageHeading = "Complétez les phrases en vous servant du texte:";
const char *const radioReviewHeading = "I. Complétez les phrases en vous servant du texte:";

const RadioQuestion radioQuestions[radioQuestionCount] = {
    {&F::exl1, {&F::rb1_1, &F::rb1_2, &F::rb1_3}, 0,
     "1.    L'héroïne est ...",
     {"a) un produit toxique obtenu par synthèse à partir de la morphine;",
      "b) une substance dérivée de l'amphétamine;",
      "c) un alcaloïde tiré des feuilles d’un arbuste."},
     &F::exl1_2_1, &F::res, "1. L'héroïne est ..."},
    {&F::exl2, {&F::rb2_1, &F::rb2_2, &F::rb2_3}, 1,
     "2. L'héroïne  se présente sous la forme ...",
     {"a) d'un liquide incolore et inodore;",
      "b) sous la forme d'une poudre ou de granulés à écraser;",
      "c) de cachets ou de pilules."},
     &F::exl1_2_2, &F::res_2, "2. L'héroïne  se présente sous la forme ..."},
    {&F::exl3, {&F::rb3_1, &F::rb3_2, &F::rb3_3}, 2,
     "3. Les effets de la consommation de l'héroïne  sont ...",
     {"a) les hallucinations;",
      "b) la fatigue refoulée, le besoin de parler et de bouger;",
      "c) l'apaisement, l'euphorie et une sensation d'extase."},
     &F::exl1_2_3, &F::res_3, "3. Les effets de la consommation de l'héroïne  sont ..."},
    {&F::exl4, {&F::rb4_1, &F::rb4_2, &F::rb4_3}, 1,
     "4. L'usage de l'héroïne  entraîne ...",
     {"a) des maladies menales graves;",
      "b) l'anorexie et l'insomnie;",
      "c) la dépression psychique, accompagnée de nausées, de bradycardie."},
     &F::exl1_2_4, &F::res_4, "4. L'usage de l'héroïne  entraîne ..."},
    {&F::exl5, {&F::rb5_1, &F::rb5_2, &F::rb5_3}, 0,
     "5. La surdose à l'héroïne provoque ...",
     {"a) une dépression respiratoire souvent mortelle;",
      "b) des troubles psychiques graves;",
      "c) des convulsions et un coma."},
     &F::exl1_2_5, &F::res_5, "5. La surdose à l'héroïne provoque ..."},
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
    {&F::voc2_1, &F::cbv2_1, "voc2_1", "cbv2_1", "1) centraliser  les renseignements  ", 1, &F::exv2_1, &F::res_2_1},
    {&F::voc2_2, &F::cbv2_2, "voc2_2", "cbv2_2", "2) servir de liaison           ", 0, &F::exv2_2, &F::res_2_2},
    {&F::voc2_3, &F::cbv2_3, "voc2_3", "cbv2_3", "3) la livraison surveillée   ", 4, &F::exv2_3, &F::res_2_3},
    {&F::voc2_4, &F::cbv2_4, "voc2_4", "cbv2_4", "4) une opération d'infiltration  ", 2, &F::exv2_4, &F::res_2_4},
    {&F::voc2_5, &F::cbv2_5, "voc2_5", "cbv2_5", "5) apporter un concours      ", 3, &F::exv2_5, &F::res_2_5},
};

const char *const optionsThree[] = {
    "a) mettre à la disposition",
    "b) aider",
    "c) une drogue",
    "d) une pénétration",
    "e) rassembler",
};

const ListItem itemsThree[] = {
    {&F::voc3_1, &F::cbv3_1, "voc3_1", "cbv3_1", "1) un stupéfiant ", 2, &F::exv3_1, &F::res_3_1},
    {&F::voc3_2, &F::cbv3_2, "voc3_2", "cbv3_2", "2) centraliser ", 4, &F::exv3_2, &F::res_3_2},
    {&F::voc3_3, &F::cbv3_3, "voc3_3", "cbv3_3", "3) une infiltration  ", 3, &F::exv3_3, &F::res_3_3},
    {&F::voc3_4, &F::cbv3_4, "voc3_4", "cbv3_4", "4) apporter son concours  ", 1, &F::exv3_4, &F::res_3_4},
    {&F::voc3_5, &F::cbv3_5, "voc3_5", "cbv3_5", "5) fournir  ", 0, &F::exv3_5, &F::res_3_5},
};

const char *const optionsFour[] = {
    "a) les enquêtes importantes",
    "b) sur des officiers de liaison ",
    "c) aux programmes de stages ",
    "d) un intérêt stratégique",
    "e) contre le  trafic de stupéfiants",
};

const ListItem itemsFour[] = {
    {&F::label_4_1, &F::cbg4_1, "label_4_1", "cbg4_1", "1) présenter  ", 3, &F::exg_4_1, &F::res_4_1},
    {&F::label_4_2, &F::cbg4_2, "label_4_2", "cbg4_2", "2) lutter  ", 4, &F::exg_4_2, &F::res_4_2},
    {&F::label_4_3, &F::cbg4_3, "label_4_3", "cbg4_3", "3) coordonner  ", 0, &F::exg_4_3, &F::res_4_3},
    {&F::label_4_4, &F::cbg4_4, "label_4_4", "cbg4_4", "4) s'appuyer   ", 1, &F::exg_4_4, &F::res_4_4},
    {&F::label_4_5, &F::cbg4_5, "label_4_5", "cbg4_5", "5) participer  ", 2, &F::exg_4_5, &F::res_4_5},
};

const char *const optionsFive[] = {
    "Les stimulants ",
    "Les hallucinogènes ",
    "Les dépresseurs ",
};

const ListItem itemsFive[] = {
    {&F::label_5_1, &F::cbg5_1, "label_5_1", "cbg5_1", "1) barbituriques", 2, &F::exg_5_1, &F::res_5_1},
    {&F::label_5_2, &F::cbg5_2, "label_5_2", "cbg5_2", "2) Cannabis ", 0, &F::exg_5_2, &F::res_5_2},
    {&F::label_5_3, &F::cbg5_3, "label_5_3", "cbg5_3", "3) Morphine ", 2, &F::exg_5_3, &F::res_5_3},
    {&F::label_5_4, &F::cbg5_4, "label_5_4", "cbg5_4", "4) Kétamine", 1, &F::exg_5_4, &F::res_5_4},
    {&F::label_5_5, &F::cbg5_5, "label_5_5", "cbg5_5", "5) Ecstasy", 0, &F::exg_5_5, &F::res_5_5},
    {&F::label_5_11, &F::cbg5_6, "label_5_11", "cbg5_6", "6) LSD ", 1, &F::exg_5_6, &F::res_5_6},
    {&F::label_5_12, &F::cbg5_7, "label_5_12", "cbg5_7", "7) champignons", 1, &F::exg_5_7, &F::res_5_7},
    {&F::label_5_13, &F::cbg5_8, "label_5_13", "cbg5_8", "8) Crack", 0, &F::exg_5_8, &F::res_5_8},
    {&F::label_5_14, &F::cbg5_9, "label_5_14", "cbg5_9", "9) Héroïne ", 2, &F::exg_5_9, &F::res_5_9},
    {&F::label_5_15, &F::cbg5_10, "label_5_15", "cbg5_10", "10) Cocaïne", 0, &F::exg_5_10, &F::res_5_10},
};

const char *const optionsSix[] = {
    "a) en  fixant ",
    "b) après avoir été condamné ",
    "c) n’ayant pas atteint ",
    "d) en reconnaissant ",
    "e) avoir commis ",
};

// The review of exercise VI shows the chosen words without their sentences.
const ListItem itemsSix[] = {
    {&F::label_5_8, &F::cbg6_1, "label_5_8", "cbg6_1",
     "1. La personne arrêtée comme soupçonnée d’ ... une infraction a le droit de recourir "
     "contre les actes de l’enquêteur, de l’instructeur ou du procureur.",
     4, nullptr, &F::res_6_1},
    {&F::label_5_6, &F::cbg6_2, "label_5_6", "cbg6_2",
     "2. La peine capitale n’est pas appliquable aux personnes ... l’âge de 18 ans au moment "
     "du crime.",
     2, nullptr, &F::res_6_2},
    {&F::label_5_7, &F::cbg6_3, "label_5_7", "cbg6_3",
     "3. ... la peine applicable aux coupables associés on tient compte du dégré et du "
     "caractère de la participation de chacun d’eux à l’accomplissement du crime.",
     0, nullptr, &F::res_6_3},
    {&F::label_5_10, &F::cbg6_4, "label_5_10", "cbg6_4",
     "4. Les États membres de la conférence européenne sur la sécurité et la coopération  ... "
     "la valeur universelle du principe des droits de l’homme ont réaffirmé dans l’Acte final "
     "« le droit des personnes de connaîttre leurs droits et obligations ».",
     3, nullptr, &F::res_6_4},
    {&F::label_5_9, &F::cbg6_5, "label_5_9", "cbg6_5",
     "5. Lorsque un individu commet un second délit ..., cela prouve la première peine était "
     "insuffisante pour l’ammender.",
     1, nullptr, &F::res_6_5},
};

template <typename T, int N>
constexpr int count(const T (&)[N]) { return N; }

} // namespace

const ListExercise listExercises[listExerciseCount] = {
    {"II. Écrivez vis-à-vis des mots et expressions français leurs équivalents ukrainiens:",
     optionsTwo, count(optionsTwo), itemsTwo, count(itemsTwo), &F::exv_2,
     "II. Écrivez vis-à-vis des mots et expressions français leurs équivalents ukrainiens:"},
    {"III. Dans la liste de mots de la colonne droite trouvez les synonymes pour les mots de la "
     "colonne gauche:",
     optionsThree, count(optionsThree), itemsThree, count(itemsThree), &F::exv_3,
     "III. Dans la liste de mots de la colonne droite trouvez les synonymes pour les mots de la "
     "colonne gauche:"},
    {"IV. Groupez les mots  qui vont ensemble: ",
     optionsFour, count(optionsFour), itemsFour, count(itemsFour), &F::exg_4,
     "IV.Groupez les mots  qui vont ensemble:"},
    {"V. Distribuez les drogues en trois colonnes selon leurs effets:",
     optionsFive, count(optionsFive), itemsFive, count(itemsFive), &F::exg_5,
     "V. Distribuez les drogues en trois colonnes selon leurs effets:"},
    {"VI. Complétez les phrases par les formes impersonnelles du verbe  suivantes:",
     optionsSix, count(optionsSix), itemsSix, count(itemsSix), &F::exg_6,
     "VI. Complétez les phrases par les formes impersonnelles du verbe suivantes:"},
};

} // namespace exercises
