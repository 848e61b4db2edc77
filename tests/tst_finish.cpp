// Finish: answers given through the exercise pages as a learner gives them,
// then the count, the points, the grade and every cell of the review, checked
// against the answer key written out here.
#include "testutil.h"

#include <QtCore/QRandomGenerator>
#include <QtCore/QTimer>
#include <QtWidgets/QTabWidget>

#include <vector>

using namespace testutil;

namespace {

const QString rightRadio = QStringLiteral("border: 1px solid #000; background: #fff; color: green;");
const QString wrongRadio = QStringLiteral("border: 1px solid #000; background: #fff; color: red;");
const QString rightList = QStringLiteral("border: 1px solid #000; background: #fff; color: green");
const QString wrongList = QStringLiteral("border: 1px solid #000; background: #fff; color: red");
const QString noAnswerRadio = QStringLiteral(" Відповіді нема");
const QString noAnswerList = QStringLiteral("Відповіді нема");

// Exercise I: the three options of each question, the right one, its review cells.
struct RadioKey
{
    const char *buttons[3];
    int right;
    const char *stemCell;
    const char *answerCell;
    const char *stem;
    const char *captions[3];
};

const RadioKey radioKeys[] = {
    {{"rb1_1", "rb1_2", "rb1_3"}, 0, "exl1_2_1", "res", "1. L'héroïne est ...",
     {"a) un produit toxique obtenu par synthèse à partir de la morphine;",
      "b) une substance dérivée de l'amphétamine;", "c) un alcaloïde tiré des feuilles d’un arbuste."}},
    {{"rb2_1", "rb2_2", "rb2_3"}, 1, "exl1_2_2", "res_2", "2. L'héroïne  se présente sous la forme ...",
     {"a) d'un liquide incolore et inodore;", "b) sous la forme d'une poudre ou de granulés à écraser;",
      "c) de cachets ou de pilules."}},
    {{"rb3_1", "rb3_2", "rb3_3"}, 2, "exl1_2_3", "res_3", "3. Les effets de la consommation de l'héroïne  sont ...",
     {"a) les hallucinations;", "b) la fatigue refoulée, le besoin de parler et de bouger;",
      "c) l'apaisement, l'euphorie et une sensation d'extase."}},
    {{"rb4_1", "rb4_2", "rb4_3"}, 1, "exl1_2_4", "res_4", "4. L'usage de l'héroïne  entraîne ...",
     {"a) des maladies menales graves;", "b) l'anorexie et l'insomnie;",
      "c) la dépression psychique, accompagnée de nausées, de bradycardie."}},
    {{"rb5_1", "rb5_2", "rb5_3"}, 0, "exl1_2_5", "res_5", "5. La surdose à l'héroïne provoque ...",
     {"a) une dépression respiratoire souvent mortelle;", "b) des troubles psychiques graves;",
      "c) des convulsions et un coma."}},
};

// Exercises II to VI: the options every list of the page offers, and its heading in the review.
struct ListPage
{
    int page;
    const char *headingCell;
    const char *heading;
    std::vector<const char *> options;
};

const ListPage listPages[] = {
    {2, "exv_2", "II. Écrivez vis-à-vis des mots et expressions français leurs équivalents ukrainiens:",
     {"a) бути  сполучною ланкою", "b) збирати відомості", "c) агентурна операція", "d) надавати допомогу",
      "e) контрольована поставка"}},
    {3, "exv_3",
     "III. Dans la liste de mots de la colonne droite trouvez les synonymes pour les mots de la colonne gauche:",
     {"a) mettre à la disposition", "b) aider", "c) une drogue", "d) une pénétration", "e) rassembler"}},
    {4, "exg_4", "IV.Groupez les mots  qui vont ensemble:",
     {"a) les enquêtes importantes", "b) sur des officiers de liaison ", "c) aux programmes de stages ",
      "d) un intérêt stratégique", "e) contre le  trafic de stupéfiants"}},
    {5, "exg_5", "V. Distribuez les drogues en trois colonnes selon leurs effets:",
     {"Les stimulants ", "Les hallucinogènes ", "Les dépresseurs "}},
    {6, "exg_6", "VI. Complétez les phrases par les formes impersonnelles du verbe suivantes:",
     {"a) en  fixant ", "b) après avoir été condamné ", "c) n’ayant pas atteint ", "d) en reconnaissant ",
      "e) avoir commis "}},
};

struct ListKey
{
    int exercise;            // index into listPages
    const char *list;
    int right;
    const char *itemLabel;   // null: reviewed without its item
    const char *itemCell;
    const char *answerCell;
    const char *word;        // part of the item the item cell shows
};

const ListKey listKeys[] = {
    {0, "cbv2_1", 1, "voc2_1", "exv2_1", "res_2_1", "centraliser"},
    {0, "cbv2_2", 0, "voc2_2", "exv2_2", "res_2_2", "servir de liaison"},
    {0, "cbv2_3", 4, "voc2_3", "exv2_3", "res_2_3", "la livraison surveillée"},
    {0, "cbv2_4", 2, "voc2_4", "exv2_4", "res_2_4", "une opération d'infiltration"},
    {0, "cbv2_5", 3, "voc2_5", "exv2_5", "res_2_5", "apporter un concours"},
    {1, "cbv3_1", 2, "voc3_1", "exv3_1", "res_3_1", "un stupéfiant"},
    {1, "cbv3_2", 4, "voc3_2", "exv3_2", "res_3_2", "centraliser"},
    {1, "cbv3_3", 3, "voc3_3", "exv3_3", "res_3_3", "une infiltration"},
    {1, "cbv3_4", 1, "voc3_4", "exv3_4", "res_3_4", "apporter son concours"},
    {1, "cbv3_5", 0, "voc3_5", "exv3_5", "res_3_5", "fournir"},
    {2, "cbg4_1", 3, "label_4_1", "exg_4_1", "res_4_1", "présenter"},
    {2, "cbg4_2", 4, "label_4_2", "exg_4_2", "res_4_2", "lutter"},
    {2, "cbg4_3", 0, "label_4_3", "exg_4_3", "res_4_3", "coordonner"},
    {2, "cbg4_4", 1, "label_4_4", "exg_4_4", "res_4_4", "s'appuyer"},
    {2, "cbg4_5", 2, "label_4_5", "exg_4_5", "res_4_5", "participer"},
    {3, "cbg5_1", 2, "label_5_1", "exg_5_1", "res_5_1", "barbituriques"},
    {3, "cbg5_2", 0, "label_5_2", "exg_5_2", "res_5_2", "Cannabis"},
    {3, "cbg5_3", 2, "label_5_3", "exg_5_3", "res_5_3", "Morphine"},
    {3, "cbg5_4", 1, "label_5_4", "exg_5_4", "res_5_4", "Kétamine"},
    {3, "cbg5_5", 0, "label_5_5", "exg_5_5", "res_5_5", "Ecstasy"},
    {3, "cbg5_6", 1, "label_5_11", "exg_5_6", "res_5_6", "LSD"},
    {3, "cbg5_7", 1, "label_5_12", "exg_5_7", "res_5_7", "champignons"},
    {3, "cbg5_8", 0, "label_5_13", "exg_5_8", "res_5_8", "Crack"},
    {3, "cbg5_9", 2, "label_5_14", "exg_5_9", "res_5_9", "Héroïne"},
    {3, "cbg5_10", 0, "label_5_15", "exg_5_10", "res_5_10", "Cocaïne"},
    {4, "cbg6_1", 4, nullptr, nullptr, "res_6_1", nullptr},
    {4, "cbg6_2", 2, nullptr, nullptr, "res_6_2", nullptr},
    {4, "cbg6_3", 0, nullptr, nullptr, "res_6_3", nullptr},
    {4, "cbg6_4", 3, nullptr, nullptr, "res_6_4", nullptr},
    {4, "cbg6_5", 1, nullptr, nullptr, "res_6_5", nullptr},
};

constexpr int radioCount = 5;
constexpr int itemCount = 35;

// One answer per item, items 0-4 exercise I, 5-34 the lists in key order; -1: not answered.
using Answers = QVector<int>;

int rightOption(int item)
{
    return item < radioCount ? radioKeys[item].right : listKeys[item - radioCount].right;
}

int optionCount(int item)
{
    return item < radioCount ? 3 : int(listPages[listKeys[item - radioCount].exercise].options.size());
}

int countRight(const Answers &answers)
{
    int right = 0;
    for (int item = 0; item < itemCount; ++item)
        right += answers[item] == rightOption(item);
    return right;
}

QString gradeFor(int points)
{
    if (points >= 65)
        return QStringLiteral("Trés bien!");
    if (points >= 43)
        return QStringLiteral("Bien!");
    if (points >= 26)
        return QStringLiteral("Passable!");
    return QStringLiteral("Mal!");
}

QString utf8(const char *text)
{
    return QString::fromUtf8(text);
}

// Gives the answers page by page, as a learner does, and presses Finish.
QString answerAndFinish(QWidget *w, const Answers &answers)
{
    for (int page = 1; page <= 6; ++page) {
        if (!goToPage(w, page))
            return QStringLiteral("could not reach page %1").arg(page);
        for (int item = 0; item < itemCount; ++item) {
            const int option = answers[item];
            if (option < 0)
                continue;
            if (item < radioCount) {
                if (page != 1)
                    continue;
                QRadioButton *b = radio(w, radioKeys[item].buttons[option]);
                if (!clickRadio(b) || !b->isChecked())
                    return QStringLiteral("could not check %1").arg(b->objectName());
            } else {
                const ListKey &key = listKeys[item - radioCount];
                if (listPages[key.exercise].page != page)
                    continue;
                if (!choose(list(w, key.list), option))
                    return QStringLiteral("could not choose %1 in %2").arg(option).arg(key.list);
            }
        }
    }
    if (!finish(w))
        return QStringLiteral("Finish not pressable");
    return QString();
}

QString mismatch(const char *what, const QString &actual, const QString &expected)
{
    return QStringLiteral("%1: got \"%2\", want \"%3\"").arg(QLatin1String(what), actual, expected);
}

// Checks points, grade and every answer cell against the key; empty when all agree.
QString checkResult(QWidget *w, const Answers &answers)
{
    const int right = countRight(answers);
    if (correct_answers != right)
        return QStringLiteral("correct_answers %1, want %2").arg(correct_answers).arg(right);
    if (label(w, "label_mark")->text() != QString::number(2 * right))
        return mismatch("label_mark", label(w, "label_mark")->text(), QString::number(2 * right));
    if (label(w, "label_mark_2")->text() != gradeFor(2 * right))
        return mismatch("label_mark_2", label(w, "label_mark_2")->text(), gradeFor(2 * right));

    for (int item = 0; item < itemCount; ++item) {
        const int option = answers[item];
        const bool isRight = option == rightOption(item);
        QString style, text;
        const char *cell;
        if (item < radioCount) {
            const RadioKey &key = radioKeys[item];
            cell = key.answerCell;
            style = isRight ? rightRadio : wrongRadio;
            text = option < 0 ? noAnswerRadio : QLatin1Char(' ') + utf8(key.captions[option]);
        } else {
            const ListKey &key = listKeys[item - radioCount];
            cell = key.answerCell;
            style = isRight ? rightList : wrongList;
            text = option < 0 ? noAnswerList : utf8(listPages[key.exercise].options[option]);
        }
        if (label(w, cell)->styleSheet() != style)
            return mismatch(cell, label(w, cell)->styleSheet(), style);
        if (label(w, cell)->text() != text)
            return mismatch(cell, label(w, cell)->text(), text);
    }

    int green = 0;
    for (QLabel *l : child<QWidget>(w, "result")->findChildren<QLabel *>())
        green += l->styleSheet().contains(QLatin1String("color: green"));
    if (green != right)
        return QStringLiteral("%1 green cells, want %2").arg(green).arg(right);
    if (stack(w)->currentIndex() != 7 || child<QTabWidget>(w, "tabWidget")->currentIndex() != 0)
        return QStringLiteral("result page not shown on its first tab");
    return QString();
}

// The first `right` items answered right, the rest alternately wrong and left open.
Answers firstRight(int right)
{
    Answers answers(itemCount, -1);
    for (int item = 0; item < itemCount; ++item) {
        if (item < right)
            answers[item] = rightOption(item);
        else if (item % 2 == 0)
            answers[item] = (rightOption(item) + 1) % optionCount(item);
    }
    return answers;
}

} // namespace

class FinishTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepare(); }

    void grades_data()
    {
        QTest::addColumn<int>("right");
        QTest::addColumn<QString>("points");
        QTest::addColumn<QString>("grade");
        QTest::newRow("35") << 35 << "70" << "Trés bien!";
        QTest::newRow("33") << 33 << "66" << "Trés bien!";
        QTest::newRow("32") << 32 << "64" << "Bien!";
        QTest::newRow("22") << 22 << "44" << "Bien!";
        QTest::newRow("21") << 21 << "42" << "Passable!";
        QTest::newRow("13") << 13 << "26" << "Passable!";
        QTest::newRow("12") << 12 << "24" << "Mal!";
        QTest::newRow("0") << 0 << "0" << "Mal!";
    }

    void grades()
    {
        QFETCH(int, right);
        QFETCH(QString, points);
        QFETCH(QString, grade);
        auto w = freshWindow();
        const Answers answers = firstRight(right);
        const QString problem = answerAndFinish(w.get(), answers);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(correct_answers, right);
        QCOMPARE(label(w.get(), "label_mark")->text(), points);
        QCOMPARE(label(w.get(), "label_mark_2")->text(), grade);
        const QString review = checkResult(w.get(), answers);
        QVERIFY2(review.isEmpty(), qPrintable(review));
        // The grade word fits beside its caption.
        QLabel *mark = label(w.get(), "label_mark_2");
        QVERIFY(mark->sizeHint().width() <= mark->width());
    }

    void nothingAnswered()
    {
        auto w = freshWindow();
        const Answers answers(itemCount, -1);
        const QString problem = answerAndFinish(w.get(), answers);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(label(w.get(), "label_mark")->text(), QStringLiteral("0"));
        QCOMPARE(label(w.get(), "label_mark_2")->text(), QStringLiteral("Mal!"));
        const QString review = checkResult(w.get(), answers);   // all 35 red, no-answer texts
        QVERIFY2(review.isEmpty(), qPrintable(review));

        QCOMPARE(label(w.get(), "exl1_2")->text(), QStringLiteral("I. Complétez les phrases en vous servant du texte:"));
        for (const RadioKey &key : radioKeys)
            QCOMPARE(label(w.get(), key.stemCell)->text(), utf8(key.stem));
        for (const ListPage &page : listPages)
            QCOMPARE(label(w.get(), page.headingCell)->text(), utf8(page.heading));
        const QString bold = QStringLiteral("<html><head/><body><p><span style=\" font-weight:600;\">");
        for (const ListKey &key : listKeys) {
            if (!key.itemCell)
                continue;
            const QString item = label(w.get(), key.itemCell)->text();
            QCOMPARE(item, label(w.get(), key.itemLabel)->text());
            QVERIFY2(item.startsWith(bold) && item.contains(utf8(key.word)), key.itemCell);
        }
        // Spare cells stay empty.
        for (int k = 6; k <= 10; ++k)
            for (const char *pattern : {"exv2_%1", "res_2_%1", "exv3_%1", "res_3_%1"}) {
                const QByteArray name = QString::fromLatin1(pattern).arg(k).toLatin1();
                QVERIFY2(label(w.get(), name.constData())->text().isEmpty(), name.constData());
                QCOMPARE(label(w.get(), name.constData())->styleSheet(),
                         QStringLiteral("border: 1px solid #000;\nbackground: #fff;\n"));
            }
    }

    // Single answers: the cell they land in, its colour and its exact text.
    void singleAnswer_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("text");
        QTest::newRow("radio wrong") << 1 << 2 << "res_2" << wrongRadio << " c) de cachets ou de pilules.";
        QTest::newRow("radio right") << 2 << 2 << "res_3" << rightRadio
                                     << " c) l'apaisement, l'euphorie et une sensation d'extase.";
        QTest::newRow("double blank kept") << 6 << 0 << "res_2_2" << rightList << "a) бути  сполучною ланкою";
        QTest::newRow("trailing blank right") << 18 << 1 << "res_4_4" << rightList << "b) sur des officiers de liaison ";
        QTest::newRow("trailing blank wrong") << 30 << 1 << "res_6_1" << wrongList << "b) après avoir été condamné ";
        QTest::newRow("typographic apostrophe") << 31 << 2 << "res_6_2" << rightList << "c) n’ayant pas atteint ";
        QTest::newRow("key 0, other option") << 14 << 4 << "res_3_5" << wrongList << "e) rassembler";
        QTest::newRow("key 0, left open") << 21 << -1 << "res_5_2" << wrongList << noAnswerList;
    }

    void singleAnswer()
    {
        QFETCH(int, item);
        QFETCH(int, option);
        QFETCH(QString, cell);
        QFETCH(QString, style);
        QFETCH(QString, text);
        auto w = freshWindow();
        Answers answers(itemCount, -1);
        answers[item] = option;
        const QString problem = answerAndFinish(w.get(), answers);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QLabel *answer = label(w.get(), cell.toLatin1().constData());
        QCOMPARE(answer->styleSheet(), style);
        QCOMPARE(answer->text(), text);
        QCOMPARE(correct_answers, style.contains(QLatin1String("green")) ? 1 : 0);
        const QString review = checkResult(w.get(), answers);
        QVERIFY2(review.isEmpty(), qPrintable(review));
    }

    // One class chosen in several lists counts for each list on its own.
    void sameClassInSeveralLists()
    {
        auto w = freshWindow();
        Answers answers(itemCount, -1);
        for (int k : {2, 5, 8, 10})
            answers[radioCount + 15 + k - 1] = 0;   // cbg5_k: "Les stimulants "
        const QString problem = answerAndFinish(w.get(), answers);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(correct_answers, 4);
        QCOMPARE(label(w.get(), "label_mark")->text(), QStringLiteral("8"));
        for (int k = 1; k <= 10; ++k) {
            QLabel *cell = label(w.get(), QStringLiteral("res_5_%1").arg(k).toLatin1().constData());
            const bool chosen = k == 2 || k == 5 || k == 8 || k == 10;
            QCOMPARE(cell->styleSheet(), chosen ? rightList : wrongList);
            QCOMPARE(cell->text(), chosen ? QStringLiteral("Les stimulants ") : noAnswerList);
        }
    }

    void chromeAfterFinish()
    {
        auto w = freshWindow();
        QVERIFY(answerAndFinish(w.get(), firstRight(5)).isEmpty());
        QVERIFY(button(w.get(), "close_button")->isVisible());
        QVERIFY(!button(w.get(), "pushButton_1")->isVisible());
        QVERIFY(!button(w.get(), "pushButton_2")->isVisible());
        QVERIFY(!button(w.get(), "pushButton_3")->isVisible());
        QCOMPARE(label(w.get(), "type_label")->text(), QStringLiteral("RÉSULTAT"));
        QCOMPARE(label(w.get(), "total_label")->text(), QStringLiteral("Au total: 70 points"));
        QCOMPARE(stack(w.get())->currentIndex(), 7);
        QCOMPARE(current_page, 6);
        // Nothing on the exercise pages is changed by the review.
        QVERIFY(radio(w.get(), "rb1_1")->isChecked());
        QCOMPARE(list(w.get(), "cbv2_1")->currentIndex(), -1);
    }

    void closeEndsTheLoop()
    {
        auto w = freshWindow();
        QVERIFY(answerAndFinish(w.get(), firstRight(0)).isEmpty());
        QTimer::singleShot(0, w.get(), [&w] { click(button(w.get(), "close_button")); });
        QTimer guard;   // ends a loop the click failed to end
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        guard.start(20000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!w->isVisible());
    }

    // Random answer sets, reproducible from the seed printed with any failure.
    void randomAnswerSets()
    {
        const quint32 base = qEnvironmentVariableIsSet("FINISH_SEED")
                                 ? quint32(qEnvironmentVariableIntValue("FINISH_SEED"))
                                 : 20240607u;
        for (quint32 run = 0; run < 60; ++run) {
            const quint32 seed = base + run;
            QRandomGenerator random(seed);
            // A skill per run spreads the scores over every grade band.
            const double skill = random.generateDouble();
            Answers answers(itemCount, -1);
            for (int item = 0; item < itemCount; ++item) {
                if (random.generateDouble() < skill)
                    answers[item] = rightOption(item);
                else
                    answers[item] = random.bounded(-1, optionCount(item));
            }
            auto w = freshWindow();
            const QString problem = answerAndFinish(w.get(), answers);
            QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(problem)));
            const QString review = checkResult(w.get(), answers);
            QVERIFY2(review.isEmpty(), qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(review)));
        }
    }
};

QTEST_MAIN(FinishTest)
#include "tst_finish.moc"
