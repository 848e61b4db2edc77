// The scoring and the review's verdicts on their own, with no window: sets of answers against
// the points and the grade they earn, and single answers against what their review cell says.
// Answers are written one letter an item, 'a' for the first option, '-' for none, grouped by
// exercise: I (5 questions), II, III, IV (5 items each), V (10), VI (5).
#include "content.h"
#include "scoring.h"

#include <QtTest/QtTest>

namespace {

const char *const allRight = "abcba baecd cedba deabc cacbabbaca ecadb";
const char *const noneGiven = "----- ----- ----- ----- ---------- -----";

core::Answers parsed(const QString &letters)
{
    core::Answers answers {};
    int i = 0;
    for (const QChar letter : letters) {
        if (letter == QLatin1Char(' '))
            continue;
        if (i < core::itemCount)
            answers[i] = letter == QLatin1Char('-') ? core::unanswered : letter.unicode() - 'a';
        ++i;
    }
    if (i != core::itemCount)
        qFatal("%d answers in \"%s\", not 35", i, qPrintable(letters));
    return answers;
}

} // namespace

class CoreTest : public QObject
{
    Q_OBJECT
private slots:
    void score_data();
    void score();
    void grade_data();
    void grade();
    void review_data();
    void review();
    void reviewTexts();
    void answerIndex_data();
    void answerIndex();
};

void CoreTest::score_data()
{
    QTest::addColumn<QString>("answers");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("points");
    QTest::addColumn<QString>("grade");
    QTest::newRow("all right") << allRight << 35 << 70 << "Trés bien!";
    QTest::newRow("none given") << noneGiven << 0 << 0 << "Mal!";
    // Each side of each grade's edge, whole exercises left open or answered wrong.
    QTest::newRow("33 right") << "abcba baecd cedba deabc cacbabbaca ecaaa" << 33 << 66
                              << "Trés bien!";
    QTest::newRow("32 right") << "abcba baecd cedba deabc cacbabbaca ec---" << 32 << 64
                              << "Bien!";
    QTest::newRow("22 right") << "abcba baecd cedba deabc ca-------- bbbbc" << 22 << 44
                              << "Bien!";
    QTest::newRow("21 right") << "abcba baecd cedba deabc c--------- -----" << 21 << 42
                              << "Passable!";
    QTest::newRow("13 right") << "abcba baecd ced-- ----- ---------- -----" << 13 << 26
                              << "Passable!";
    QTest::newRow("12 right") << "abcba baecd ce--- ----- ---------- -----" << 12 << 24
                              << "Mal!";
    // Each exercise alone: every item of it counts against its own key.
    QTest::newRow("exercise I") << "abcba ----- ----- ----- ---------- -----" << 5 << 10
                                << "Mal!";
    QTest::newRow("exercise II") << "----- baecd ----- ----- ---------- -----" << 5 << 10
                                 << "Mal!";
    QTest::newRow("exercise III") << "----- ----- cedba ----- ---------- -----" << 5 << 10
                                  << "Mal!";
    QTest::newRow("exercise IV") << "----- ----- ----- deabc ---------- -----" << 5 << 10
                                 << "Mal!";
    QTest::newRow("exercise V") << "----- ----- ----- ----- cacbabbaca -----" << 10 << 20
                                << "Mal!";
    QTest::newRow("exercise VI") << "----- ----- ----- ----- ---------- ecadb" << 5 << 10
                                 << "Mal!";
    // The same option counts for several lists; an ending beside the key counts nothing.
    QTest::newRow("stimulants 2, 5, 8, 10") << "----- ----- ----- ----- -a--a--a-a -----"
                                            << 4 << 8 << "Mal!";
    QTest::newRow("every b") << "bbbbb bbbbb bbbbb bbbbb bbbbbbbbbb bbbbb" << 9 << 18
                             << "Mal!";
    QTest::newRow("every a") << "aaaaa aaaaa aaaaa aaaaa aaaaaaaaaa aaaaa" << 10 << 20
                             << "Mal!";
    // An index past the options (none is offered there) is no answer, not a crash.
    QTest::newRow("past the options") << "ddddd fffff fffff fffff dddddddddd fffff" << 0 << 0
                                      << "Mal!";
}

void CoreTest::score()
{
    QFETCH(QString, answers);
    QFETCH(int, right);
    QFETCH(int, points);
    QFETCH(QString, grade);
    const int counted = core::rightCount(parsed(answers));
    QCOMPARE(counted, right);
    QCOMPARE(core::points(counted), points);
    QCOMPARE(QString::fromUtf8(core::grade(core::points(counted))), grade);
}

// Both bounds of every band, and the points no band holds.
void CoreTest::grade_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<QString>("grade");
    QTest::newRow("-2") << -2 << QString();
    QTest::newRow("0") << 0 << "Mal!";
    QTest::newRow("25") << 25 << "Mal!";
    QTest::newRow("26") << 26 << "Passable!";
    QTest::newRow("42") << 42 << "Passable!";
    QTest::newRow("43") << 43 << "Bien!";
    QTest::newRow("64") << 64 << "Bien!";
    QTest::newRow("65") << 65 << "Trés bien!";
    QTest::newRow("70") << 70 << "Trés bien!";
    QTest::newRow("72") << 72 << QString();
}

void CoreTest::grade()
{
    QFETCH(int, points);
    QFETCH(QString, grade);
    QCOMPARE(QString::fromUtf8(core::grade(points)), grade);
}

// One answer cell: the exercise (1 for I, 2 for II ...), the item's number in it, the
// option chosen (-1: none), and the cell's text, whether it was answered and its verdict.
void CoreTest::review_data()
{
    QTest::addColumn<int>("exercise");
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("choice");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("answered");
    QTest::addColumn<QString>("verdict");
    const QString right = "Правильна відповідь";
    const QString wrong = "Неправильна відповідь";
    QTest::newRow("I.1 right") << 1 << 1 << 0
        << " a) un produit toxique obtenu par synthèse à partir de la morphine;" << true
        << right;
    QTest::newRow("I.1 wrong") << 1 << 1 << 1 << " b) une substance dérivée de l'amphétamine;"
                               << true << wrong;
    QTest::newRow("I.3 right") << 1 << 3 << 2
        << " c) l'apaisement, l'euphorie et une sensation d'extase." << true << right;
    QTest::newRow("I.4 none") << 1 << 4 << -1 << " Відповіді нема" << false << wrong;
    QTest::newRow("I.5 past the endings") << 1 << 5 << 3 << " Відповіді нема" << false
                                          << wrong;
    QTest::newRow("II.3 right") << 2 << 3 << 4 << "e) контрольована поставка" << true
                                << right;
    QTest::newRow("II.2 none, key 0") << 2 << 2 << -1 << "Відповіді нема" << false << wrong;
    QTest::newRow("II.2 wrong, key 0") << 2 << 2 << 1 << "b) збирати відомості" << true
                                       << wrong;
    QTest::newRow("III.5 right") << 3 << 5 << 0 << "a) mettre à la disposition" << true
                                 << right;
    QTest::newRow("IV.1 wrong, blank kept") << 4 << 1 << 1 << "b) sur des officiers de liaison "
                                            << true << wrong;
    QTest::newRow("IV.2 right") << 4 << 2 << 4 << "e) contre le  trafic de stupéfiants"
                                << true << right;
    QTest::newRow("V.2 right") << 5 << 2 << 0 << "Les stimulants " << true << right;
    QTest::newRow("V.10 wrong") << 5 << 10 << 1 << "Les hallucinogènes " << true << wrong;
    QTest::newRow("V.9 past the classes") << 5 << 9 << 4 << "Відповіді нема" << false
                                          << wrong;
    QTest::newRow("VI.3 wrong") << 6 << 3 << 2 << "c) n’ayant pas atteint " << true << wrong;
    QTest::newRow("VI.5 right") << 6 << 5 << 1 << "b) après avoir été condamné " << true
                                << right;
}

void CoreTest::review()
{
    QFETCH(int, exercise);
    QFETCH(int, k);
    QFETCH(int, choice);
    QFETCH(QString, text);
    QFETCH(bool, answered);
    QFETCH(QString, verdict);
    const core::ReviewCell cell = exercise == 1
        ? core::reviewQuestion(k - 1, choice)
        : core::reviewListItem(exercise - 2, k - 1, choice);
    QCOMPARE(cell.text, text);
    QCOMPARE(cell.answered, answered);
    QCOMPARE(core::verdict(cell.right), verdict);
}

// The review's own texts: the head of each tab, and the question stems of tab 1, which are
// not the pages' texts (their blanks differ); exercise VI is reviewed without its items.
void CoreTest::reviewTexts()
{
    QCOMPARE(QString::fromUtf8(core::radioReviewHeading),
             "I. Complétez les phrases en vous servant du texte:");
    const QStringList headings = {
        "II. Écrivez vis-à-vis des mots et expressions français leurs équivalents ukrainiens:",
        "III. Dans la liste de mots de la colonne droite trouvez les synonymes pour les mots "
        "de la colonne gauche:",
        "IV.Groupez les mots  qui vont ensemble:",
        "V. Distribuez les drogues en trois colonnes selon leurs effets:",
        "VI. Complétez les phrases par les formes impersonnelles du verbe suivantes:"};
    for (int e = 0; e < core::listExerciseCount; ++e) {
        QCOMPARE(QString::fromUtf8(core::listExercises[e].reviewHeading), headings[e]);
        QCOMPARE(core::listExercises[e].reviewsItems, e < 4);
    }
    const QStringList stems = {"1. L'héroïne est ...",
                               "2. L'héroïne  se présente sous la forme ...",
                               "3. Les effets de la consommation de l'héroïne  sont ...",
                               "4. L'usage de l'héroïne  entraîne ...",
                               "5. La surdose à l'héroïne provoque ..."};
    for (int q = 0; q < core::radioQuestionCount; ++q)
        QCOMPARE(QString::fromUtf8(core::radioQuestions[q].reviewStem), stems[q]);
}

void CoreTest::answerIndex_data()
{
    QTest::addColumn<int>("exercise");   // 2 for II
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("index");
    QTest::newRow("II.1") << 2 << 1 << 5;
    QTest::newRow("IV.5") << 4 << 5 << 19;
    QTest::newRow("V.10") << 5 << 10 << 29;
    QTest::newRow("VI.1") << 6 << 1 << 30;
    QTest::newRow("VI.5") << 6 << 5 << 34;
}

void CoreTest::answerIndex()
{
    QFETCH(int, exercise);
    QFETCH(int, k);
    QFETCH(int, index);
    QCOMPARE(core::answerIndex(exercise - 2, k - 1), index);
}

QTEST_GUILESS_MAIN(CoreTest)
#include "tst_core.moc"
