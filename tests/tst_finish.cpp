// The result page, and Finish: answers given as a learner gives them, checked against the key written out here.
#include "testutil.h"

#include <QtCore/QRandomGenerator>
#include <QtCore/QTimer>
#include <QtWidgets/QTabWidget>

using namespace testutil;

namespace {

// Items 0-4: exercise I (option 0 = rbQ_1); 5-34: cbv2_1..5, cbv3_1..5, cbg4_1..5, cbg5_1..10, cbg6_1..5.
const int key[35] = {0, 1, 2, 1, 0,  1, 0, 4, 2, 3,  2, 4, 3, 1, 0,  3, 4, 0, 1, 2,  2, 0, 2, 1, 0, 1, 1, 0, 2, 0,
                     4, 2, 0, 3, 1};
const char *const fixedTexts[][2] = {
    {"exl1_2", "I. Complétez les phrases en vous servant du texte:"}, {"exl1_2_1", "1. L'héroïne est ..."},
    {"exl1_2_2", "2. L'héroïne  se présente sous la forme ..."}, {"exl1_2_4", "4. L'usage de l'héroïne  entraîne ..."},
    {"exl1_2_5", "5. La surdose à l'héroïne provoque ..."}, {"exg_4", "IV.Groupez les mots  qui vont ensemble:"},
    {"exl1_2_3", "3. Les effets de la consommation de l'héroïne  sont ..."},
    {"exv_2", "II. Écrivez vis-à-vis des mots et expressions français leurs équivalents ukrainiens:"},
    {"exv_3", "III. Dans la liste de mots de la colonne droite trouvez les synonymes pour les mots de la colonne "
              "gauche:"},
    {"exg_5", "V. Distribuez les drogues en trois colonnes selon leurs effets:"},
    {"exg_6", "VI. Complétez les phrases par les formes impersonnelles du verbe suivantes:"}};
const QString styleStart = QStringLiteral("border: 1px solid #000; background: #fff; color: ");   // green or red
using Answers = QVector<int>;   // chosen option per item, -1: left open

QString grade(int p) { return p >= 65 ? "Trés bien!" : p >= 43 ? "Bien!" : p >= 26 ? "Passable!" : "Mal!"; }
struct Item { int page, options, exercise, k; QString input, cell; };   // input: radio prefix or list
Item item(int i)   // exercise 0 is II
{
    if (i < 5)
        return {1, 3, -1, i + 1, QStringLiteral("rb%1_").arg(i + 1), i ? QStringLiteral("res_%1").arg(i + 1) : "res"};
    const char *const lists[] = {"cbv2_%1", "cbv3_%1", "cbg4_%1", "cbg5_%1", "cbg6_%1"};
    const int e = i < 20 ? (i - 5) / 5 : i < 30 ? 3 : 4, k = i - (e < 4 ? 5 + 5 * e : 30) + 1;
    return {e + 2, e == 3 ? 3 : 5, e, k, QString(lists[e]).arg(k), QStringLiteral("res_%1_%2").arg(e + 2).arg(k)};
}
QLabel *cell(QWidget *w, const QString &name) { return label(w, qPrintable(name)); }
QString shown(QWidget *w, const char *name) { return label(w, name)->text(); }
QRadioButton *option(QWidget *w, int i, int o) { return radio(w, qPrintable(item(i).input + QString::number(o + 1))); }
QComboBox *answerList(QWidget *w, int i) { return list(w, qPrintable(item(i).input)); }
bool answer(QWidget *w, int i, int o) { return i < 5 ? clickRadio(option(w, i, o)) && option(w, i, o)->isChecked()
                                                     : choose(answerList(w, i), o); }
Answers only(std::initializer_list<int> items, int o) { Answers a(35, -1); for (int i : items) a[i] = o; return a; }

// Answers, presses Finish, checks the window against the key; returns the first disagreement.
QString run(QWidget *w, const Answers &answers)
{
    for (int i = 0; i < 35; ++i)
        if (answers[i] >= 0 && !(goToPage(w, item(i).page) && answer(w, i, answers[i])))
            return QStringLiteral("could not answer %1 with %2").arg(item(i).input).arg(answers[i]);
    if (!goToPage(w, 6) || !finish(w))
        return QStringLiteral("Finish not pressable");
    QString problem;
    const auto expect = [&problem](const QString &what, const QString &got, const QString &wanted) {
        if (problem.isEmpty() && got != wanted)
            problem = QStringLiteral("%1: got \"%2\", want \"%3\"").arg(what, got, wanted);
    };
    int right = 0;
    for (int i = 0; i < 35; ++i) {
        const int a = answers[i];
        const QLabel *c = cell(w, item(i).cell);
        right += a == key[i];
        expect(c->objectName(), c->text(), a < 0 ? QString(i < 5 ? " Відповіді нема" : "Відповіді нема")
               : i < 5 ? ' ' + option(w, i, a)->text() : answerList(w, i)->itemText(a));
        expect(c->objectName(), c->styleSheet(), styleStart + (a == key[i] ? "green" : "red") + (i < 5 ? ";" : ""));
    }
    QString styles;   // of every label on the page
    for (QLabel *l : child<QWidget>(w, "result")->findChildren<QLabel *>())
        styles += l->styleSheet();
    QString state = QStringLiteral("%1 %2 %3, %4 %5, %6 %7, %8 %9").arg(correct_answers)
        .arg(styles.count(QLatin1String("color: green"))).arg(styles.count(QLatin1String("color: red")))
        .arg(shown(w, "label_mark"), shown(w, "label_mark_2"), shown(w, "type_label"), shown(w, "total_label"))
        .arg(stack(w)->currentIndex()).arg(child<QTabWidget>(w, "tabWidget")->currentIndex());
    for (const char *name : {"close_button", "pushButton_1", "pushButton_2", "pushButton_3"})
        state += button(w, name)->isVisible() ? " shown" : " hidden";
    expect("count green red, points grade, header, page tab, Close Back Next Finish", state,
           QStringLiteral("%1 %1 %2, %3 %4, RÉSULTAT Au total: 70 points, 7 0 shown hidden hidden hidden")
               .arg(right).arg(35 - right).arg(2 * right).arg(grade(2 * right)));
    for (const auto &t : fixedTexts)
        expect(t[0], shown(w, t[0]), QString::fromUtf8(t[1]));
    const QString pairs[] = {"exv2_%1 voc2_%2", "exv3_%1 voc3_%2", "exg_4_%1 label_4_%2", "exg_5_%1 label_5_%2"};
    for (int i = 5; i < 30; ++i) {   // each item cell copies the (non-empty) label beside its list
        const QStringList p = pairs[item(i).exercise].arg(item(i).k).arg(i > 24 ? item(i).k + 5 : item(i).k).split(' ');
        expect(p[0], cell(w, p[0])->text(), cell(w, p[1])->text() + (cell(w, p[1])->text().isEmpty() ? "?" : ""));
    }
    for (int k = 6; k <= 10; ++k)   // spare cells stay empty
        for (const char *spare : {"exv2_%1", "res_2_%1", "exv3_%1", "res_3_%1"})
            expect(QString(spare).arg(k), cell(w, QString(spare).arg(k))->text(), "");
    return problem;
}

} // namespace

class FinishTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepare(); }

    void resultPageBeforeFinish()
    {
        auto w = freshWindow();
        auto *tabs = child<QTabWidget>(w.get(), "tabWidget");
        for (int i = 0; i < 6; ++i)
            QCOMPARE(tabs->tabText(i), QStringLiteral("Завдання %1").arg(i + 1));
        QCOMPARE(tabs->currentIndex(), 0);
        QString texts;   // every label of the page but the two captions is empty
        for (QLabel *l : child<QWidget>(w.get(), "result")->findChildren<QLabel *>())
            texts += l->text();
        QCOMPARE(texts, QStringLiteral("Nombre de points:Votre note:"));
        stack(w.get())->setCurrentIndex(7);
        tabs->setCurrentIndex(4);
        for (const char *caption : {"label_88", "label_89"})
            QVERIFY2(label(w.get(), caption)->sizeHint().width() <= label(w.get(), caption)->width(), caption);
        for (int k = 1, above = -1; k <= 10; ++k) {   // tab 5: the grid row, not the creation order, places a cell
            const QLabel *res = cell(w.get(), item(19 + k).cell), *exg = cell(w.get(), QString("exg_5_%1").arg(k));
            QVERIFY2(exg->y() > above && res->y() == exg->y() && res->x() > exg->x(), qPrintable(res->objectName()));
            above = exg->y();
        }
    }

    void afterFinish_data()
    {
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<QString>("score");
        QTest::addColumn<QString>("answerCell");
        QTest::addColumn<QString>("text");
        const struct { int right; const char *score; } bands[] = {{35, "70 Trés bien!"}, {33, "66 Trés bien!"},
            {32, "64 Bien!"}, {22, "44 Bien!"}, {21, "42 Passable!"}, {13, "26 Passable!"}, {12, "24 Mal!"},
            {0, "0 Mal!"}};
        for (const auto &band : bands) {   // the first ones right, the others alternately wrong and left open
            Answers a(35);
            for (int i = 0; i < 35; ++i)
                a[i] = i < band.right ? key[i] : i % 2 ? -1 : (key[i] + 1) % item(i).options;
            QTest::addRow("%d right", band.right) << a << band.score << "" << "";
        }
        QTest::newRow("nothing, key 0 open") << only({}, 0) << "0 Mal!" << "res_5_2" << "Відповіді нема";
        QTest::newRow("radio wrong") << only({1}, 2) << "0 Mal!" << "res_2" << " c) de cachets ou de pilules.";
        QTest::newRow("radio right") << only({2}, 2) << "2 Mal!" << "res_3"
                                     << " c) l'apaisement, l'euphorie et une sensation d'extase.";
        QTest::newRow("double blank") << only({6}, 0) << "2 Mal!" << "res_2_2" << "a) бути  сполучною ланкою";
        QTest::newRow("trailing blank") << only({18}, 1) << "2 Mal!" << "res_4_4" << "b) sur des officiers de liaison ";
        QTest::newRow("trailing, wrong") << only({30}, 1) << "0 Mal!" << "res_6_1" << "b) après avoir été condamné ";
        QTest::newRow("apostrophe") << only({31}, 2) << "2 Mal!" << "res_6_2" << "c) n’ayant pas atteint ";
        QTest::newRow("key 0, other option") << only({14}, 4) << "0 Mal!" << "res_3_5" << "e) rassembler";
        QTest::newRow("one class, 4 lists") << only({21, 24, 27, 29}, 0) << "8 Mal!" << "res_5_10" << "Les stimulants ";
        // Random sets; the seed is the row name, FINISH_SEED moves the first. A skill per seed spreads the grades.
        const quint32 base = qEnvironmentVariable("FINISH_SEED", QStringLiteral("20240607")).toUInt();
        for (quint32 seed = base; seed < base + 60; ++seed) {
            QRandomGenerator random(seed);
            const double skill = random.generateDouble();
            Answers a(35);
            for (int i = 0; i < 35; ++i)
                a[i] = random.generateDouble() < skill ? key[i] : random.bounded(-1, item(i).options);
            QTest::addRow("seed %u", seed) << a << "" << "" << "";
        }
    }

    void afterFinish()
    {
        QFETCH(Answers, answers);
        QFETCH(QString, score);
        QFETCH(QString, answerCell);
        QFETCH(QString, text);
        auto w = freshWindow();
        const QString problem = run(w.get(), answers);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(score.isEmpty() ? score : shown(w.get(), "label_mark") + ' ' + shown(w.get(), "label_mark_2"), score);
        QVERIFY(label(w.get(), "label_mark_2")->sizeHint().width() <= label(w.get(), "label_mark_2")->width());
        QCOMPARE(answerCell.isEmpty() ? text : cell(w.get(), answerCell)->text(), text);
        QTimer::singleShot(0, w.get(), [&w] { click(button(w.get(), "close_button")); });
        QTimer::singleShot(20000, w.get(), [] { QCoreApplication::exit(99); });   // if the click fails to end the loop
        QCOMPARE(QApplication::exec(), 0);   // Close ends the event loop
    }
};

QTEST_MAIN(FinishTest)
#include "tst_finish.moc"
