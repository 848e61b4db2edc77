// Answering and Finish: the options offered, choices kept from page to page, then the points,
// the grade and every review cell, checked against the key and the texts written out here.
#include "expected.h"
#include "learner.h"
using namespace learner;
using expected::item;

namespace {
using Answers = QVector<int>;   // the option picked for each item, -1: left open
const QString noAnswer = "Відповіді нема";

Answers only(std::initializer_list<int> items, int option)
{
    Answers answers(expected::itemCount, -1);
    for (int i : items)
        answers[i] = option;
    return answers;
}

bool answer(QWidget *w, int i, int option)
{
    if (item(i).page == 1)
        return clickRadio(radio(w, item(i).input + QString::number(option + 1)));
    return choose(list(w, item(i).input), option);
}

// The first review cell that does not read or colour the item as the learner answered it.
QString firstWrongCell(QWidget *w, const Answers &answers)
{
    for (int i = 0; i < expected::itemCount; ++i) {
        const expected::Item it = item(i);
        const int a = answers[i];
        const QString given = a < 0 ? noAnswer : it.options[a];
        const QString text = it.page == 1 ? ' ' + given : given;
        const QString colour = a == expected::key[i] ? "color: green" : "color: red";
        const QLabel *cell = label(w, it.answerCell);
        if (!cell || cell->text() != text || !cell->styleSheet().contains(colour))
            return it.answerCell + " should read \"" + text + "\" in " + colour;
        const QString itemText = i < 5 || i >= 30 ? QString()
            : "<html><head/><body><p><span style=\" font-weight:600;\">"
                + expected::itemTexts[i - 5] + "</span></p></body></html>";
        if (!itemText.isEmpty() && read(w, it.itemCell) != itemText)
            return it.itemCell + " should read " + itemText;
    }
    for (int k = 6; k <= 10; ++k)   // the spare cells of tabs 2 and 3 stay empty
        for (QString spare : {"exv2_%1", "res_2_%1", "exv3_%1", "res_3_%1"})
            if (!read(w, spare.arg(k)).isEmpty())
                return spare.arg(k) + " should be empty";
    return QString();
}
} // namespace

class AnswersTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { prepare(); }

    void afterFinish_data()
    {
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<QString>("score");
        const struct { int right; const char *score; } bands[] = {
            {35, "70 Trés bien!"}, {33, "66 Trés bien!"}, {32, "64 Bien!"}, {22, "44 Bien!"},
            {21, "42 Passable!"}, {13, "26 Passable!"}, {12, "24 Mal!"}, {0, "0 Mal!"}};
        for (const auto &band : bands) {   // the first right, then alternately wrong and open
            Answers a(expected::itemCount);
            for (int i = 0; i < expected::itemCount; ++i)
                a[i] = i < band.right ? expected::key[i]
                     : i % 2 ? -1 : (expected::key[i] + 1) % item(i).options.size();
            QTest::addRow("%d right", band.right) << a << band.score;
        }
        QTest::newRow("all option a") << Answers(expected::itemCount, 0) << "20 Mal!";
        QTest::newRow("all option c") << Answers(expected::itemCount, 2) << "16 Mal!";
        QTest::newRow("one class in 4 lists") << only({21, 24, 27, 29}, 0) << "8 Mal!";
    }
    void afterFinish()
    {
        QFETCH(Answers, answers);
        QFETCH(QString, score);
        auto w = freshWindow();
        for (int i = 0; i < expected::itemCount; ++i)
            if (answers[i] >= 0)
                QVERIFY2(goToPage(w.get(), item(i).page) && answer(w.get(), i, answers[i]),
                         qPrintable(item(i).input));
        QVERIFY(goToPage(w.get(), 6) && pressFinish(w.get()));
        QCOMPARE(read(w.get(), "label_mark") + ' ' + read(w.get(), "label_mark_2"), score);
        QCOMPARE(correct_answers * 2, score.section(' ', 0, 0).toInt());
        const QString wrong = firstWrongCell(w.get(), answers);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        QTimer::singleShot(0, w.get(), [&w] { pressClose(w.get()); });
        QTimer::singleShot(20000, w.get(), [] { QCoreApplication::exit(99); });
        QCOMPARE(QApplication::exec(), 0);   // Close ends the program
    }

    // Exercise I: one option per question, questions 1 to 5 from the top, kept over Back and Next.
    void optionsOfExerciseOne()
    {
        auto w = freshWindow();
        QVERIFY(goToPage(w.get(), 1));
        QVector<QRadioButton *> options;
        for (int i = 0; i < 15; ++i)
            options << radio(w.get(), QString("rb%1_%2").arg(i / 3 + 1).arg(i % 3 + 1));
        auto checked = [&options] {
            QString marks;
            for (int i = 0; i < 15; ++i)
                marks += QString(i % 3 ? "" : "|") + (options[i]->isChecked() ? "x" : ".");
            return marks;
        };
        for (int i = 0; i < 14; ++i)
            QVERIFY(options[i]->mapToGlobal({}).y() < options[i + 1]->mapToGlobal({}).y());
        QCOMPARE(checked(), "|...|...|...|...|...");
        QVERIFY(clickRadio(options[3]) && clickRadio(options[11]));
        QVERIFY(clickRadio(options[4]) && clickRadio(options[4]));
        QCOMPARE(checked(), "|...|.x.|...|..x|...");
        QVERIFY(pressNext(w.get()) && pressBack(w.get()) && pressBack(w.get()));
        QVERIFY(pressNext(w.get()));
        QCOMPARE(checked(), "|...|.x.|...|..x|...");
    }

    void answerLists_data()
    {
        QTest::addColumn<int>("first");   // the first item of the page
        for (int first : {5, 10, 15, 20, 30})
            QTest::addRow("page %d", item(first).page) << first;
    }
    // Each list starts empty, offers its exercise's options and takes no typing; the
    // choices (one option in several lists) survive Back and Next.
    void answerLists()
    {
        QFETCH(int, first);
        const int page = item(first).page;
        auto w = freshWindow();
        QVERIFY(goToPage(w.get(), page));
        for (int i = first; i < expected::itemCount && item(i).page == page; ++i) {
            QComboBox *c = list(w.get(), item(i).input);
            QVERIFY(c);
            QCOMPARE(c->currentText(), QString());
            QTest::keyClicks(c, "Zx");
            QTest::keyClick(c, Qt::Key_Return);
            QStringList offered;
            for (int o = 0; o < c->count(); ++o)
                offered << c->itemText(o);
            QCOMPARE(offered, item(i).options);
            QVERIFY(choose(c, i % 2));
        }
        QVERIFY(goToPage(w.get(), 1) && goToPage(w.get(), page));
        for (int i = first; i < expected::itemCount && item(i).page == page; ++i)
            QCOMPARE(list(w.get(), item(i).input)->currentText(), item(i).options[i % 2]);
    }
};

QTEST_MAIN(AnswersTest)
#include "tst_answers.moc"
