// What the learner should get, written out from the test's own paper: the 35 items in page
// order, their answer widgets, right options, texts and review cells; the grade of a score.
// And the learner's side: answering an item, reading the header and the review.
#pragma once
#include "learner.h"
#include <QtGui/QAccessible>

namespace expected {
const int itemCount = 35;
// The right option of items 1 to 35: exercise I, then II, III, IV (five each), V (ten), VI.
const int key[itemCount] = {0, 1, 2, 1, 0,  1, 0, 4, 2, 3,  2, 4, 3, 1, 0,  3, 4, 0, 1, 2,
                            2, 0, 2, 1, 0, 1, 1, 0, 2, 0,  4, 2, 0, 3, 1};
const QStringList radioOptions[5] = {
    {"a) un produit toxique obtenu par synthèse à partir de la morphine;",
     "b) une substance dérivée de l'amphétamine;",
     "c) un alcaloïde tiré des feuilles d\u2019un arbuste."},
    {"a) d'un liquide incolore et inodore;",
     "b) sous la forme d'une poudre ou de granulés à écraser;", "c) de cachets ou de pilules."},
    {"a) les hallucinations;", "b) la fatigue refoulée, le besoin de parler et de bouger;",
     "c) l'apaisement, l'euphorie et une sensation d'extase."},
    {"a) des maladies menales graves;", "b) l'anorexie et l'insomnie;",
     "c) la dépression psychique, accompagnée de nausées, de bradycardie."},
    {"a) une dépression respiratoire souvent mortelle;", "b) des troubles psychiques graves;",
     "c) des convulsions et un coma."}};
const QStringList listOptions[5] = {   // exercises II to VI
    {"a) бути  сполучною ланкою", "b) збирати відомості", "c) агентурна операція",
     "d) надавати допомогу", "e) контрольована поставка"},
    {"a) mettre à la disposition", "b) aider", "c) une drogue", "d) une pénétration",
     "e) rassembler"},
    {"a) les enquêtes importantes", "b) sur des officiers de liaison ",
     "c) aux programmes de stages ", "d) un intérêt stratégique",
     "e) contre le  trafic de stupéfiants"},
    {"Les stimulants ", "Les hallucinogènes ", "Les dépresseurs "},
    {"a) en  fixant ", "b) après avoir été condamné ", "c) n\u2019ayant pas atteint ",
     "d) en reconnaissant ", "e) avoir commis "}};
// The items of exercises II to V as the page shows them and the review repeats them.
const QStringList itemTexts = {
    "1) centraliser  les renseignements  ", "2) servir de liaison           ",
    "3) la livraison surveillée   ", "4) une opération d'infiltration  ",
    "5) apporter un concours      ", "1) un stupéfiant ", "2) centraliser ",
    "3) une infiltration  ", "4) apporter son concours  ", "5) fournir  ", "1) présenter  ",
    "2) lutter  ", "3) coordonner  ", "4) s'appuyer   ", "5) participer  ", "1) barbituriques",
    "2) Cannabis ", "3) Morphine ", "4) Kétamine", "5) Ecstasy", "6) LSD ", "7) champignons",
    "8) Crack", "9) Héroïne ", "10) Cocaïne"};

inline QString grade(int points)
{
    if (points >= 65)
        return "Trés bien!";
    return points >= 43 ? "Bien!" : points >= 26 ? "Passable!" : "Mal!";
}

// One item: its page, its number k in its exercise, its options, the widget that answers it
// (a radio's name without the option number) and its review cells.
struct Item
{
    int page, k;
    QStringList options;
    QString input, itemCell, answerCell;
};
inline Item item(int i)
{
    if (i < 5) {
        const QString cell = i ? QString("res_%1").arg(i + 1) : "res";
        return {1, i + 1, radioOptions[i], QString("rb%1_").arg(i + 1), QString(), cell};
    }
    const int e = i < 20 ? (i - 5) / 5 + 1 : i < 30 ? 4 : 5;
    const int k = i - (e < 4 ? 5 * e : e == 4 ? 20 : 30) + 1;
    const QString inputs[] = {"cbv2_%1", "cbv3_%1", "cbg4_%1", "cbg5_%1", "cbg6_%1"};
    const QString cells[] = {"exv2_%1", "exv3_%1", "exg_4_%1", "exg_5_%1", "(none %1)"};
    return {e + 1, k, listOptions[e - 1], inputs[e - 1].arg(k), cells[e - 1].arg(k),
            QString("res_%1_%2").arg(e + 1).arg(k)};
}

// Gives item i the option (0 for a) or the first entry); -1 leaves it as it is.
inline bool answer(QWidget *w, int i, int option)
{
    if (option < 0)
        return true;
    if (item(i).page == 1)
        return learner::clickRadio(learner::radio(w, item(i).input + QString::number(option + 1)));
    return learner::choose(learner::list(w, item(i).input), option);
}

// The answer shown for item i: the option checked or chosen, -1 for none, -2 for two.
inline int shownAnswer(QWidget *w, int i)
{
    const QComboBox *list = item(i).page > 1 ? learner::list(w, item(i).input) : nullptr;
    int checked = list ? list->currentIndex() : -1;
    for (int o = 0; item(i).page == 1 && o < 3; ++o) {
        const QRadioButton *option = learner::radio(w, item(i).input + QString::number(o + 1));
        if (option && option->isChecked())
            checked = checked == -1 ? o : -2;
    }
    return checked;
}

// "section|points|" then Back, Next, Finish and Close shown (1) or hidden (0).
inline QString header(QWidget *w)
{
    QString line = learner::read(w, "type_label") + '|' + learner::read(w, "total_label") + '|';
    for (const char *name : {"pushButton_1", "pushButton_2", "pushButton_3", "close_button"})
        line += learner::shown(w, name) ? '1' : '0';
    return line;
}
// The header at the start, and on pages 0 to 6 once the learner has taken a step.
const QString startHeader = "<html><head/><body><p>LECTURE</p></body></html>||0100";
const QStringList headers = {"LECTURE| |0100", "LECTURE|5 x 2 = 10|1100",
                             "VOCABULAIRE|5 x 2 = 10|1100", "VOCABULAIRE|5 x 2 = 10|1100",
                             "GRAMMAIRE|5 x 2 = 10|1100", "VOCABULAIRE|10 x 2 = 20|1100",
                             "GRAMMAIRE|5 x 2 = 10|1010"};

// After Finish: the first thing on the result page that does not show the answers given as
// they should, or an empty text.
inline QString firstWrongResult(QWidget *w, const QVector<int> &answers)
{
    int right = 0;
    for (int i = 0; i < itemCount; ++i) {
        const Item it = item(i);
        const int a = answers[i];
        right += a == key[i];
        const QString given = a < 0 ? "Відповіді нема" : it.options.value(a, "?");
        const QString text = it.page == 1 ? ' ' + given : given;
        const QString colour = a == key[i] ? "color: green" : "color: red";
        QLabel *cell = learner::label(w, it.answerCell);
        if (!cell || cell->text() != text || !cell->styleSheet().contains(colour))
            return it.answerCell + " should read \"" + text + "\" in " + colour;
        // Said in words as well, to the pointer and to a screen reader: in the cell's name, after
        // the answer, and only there.
        const QString verdict = a == key[i] ? "Правильна відповідь" : "Неправильна відповідь";
        QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(cell);
        const QString said = given.simplified().chopped(given.endsWith(';')) + ". " + verdict;
        if (cell->toolTip() != verdict || !heard->text(QAccessible::Name).endsWith(": " + said)
            || !heard->text(QAccessible::Description).isEmpty())
            return it.answerCell + " should tell \"" + verdict + "\"";
        const QString itemText = "<html><head/><body><p><span style=\" font-weight:600;\">"
                                 + itemTexts.value(i - 5) + "</span></p></body></html>";
        if (i >= 5 && i < 30 && learner::read(w, it.itemCell) != itemText)
            return it.itemCell + " should read " + itemText;
    }
    for (int k = 6; k <= 10; ++k)   // the spare cells of tabs 2 and 3 stay empty
        for (QString spare : {"exv2_%1", "res_2_%1", "exv3_%1", "res_3_%1"})
            if (!learner::read(w, spare.arg(k)).isEmpty())
                return spare.arg(k) + " should be empty";
    const QString score = QString("%1 %2").arg(2 * right).arg(grade(2 * right));
    const QString shown = learner::read(w, "label_mark") + ' ' + learner::read(w, "label_mark_2");
    const QString head = header(w);
    if (shown != score || head != "RÉSULTAT|Au total: 70 points|0001")
        return shown + ", " + head + " should be " + score + ", RÉSULTAT|Au total: 70 points|0001";
    return QString();
}
} // namespace expected
