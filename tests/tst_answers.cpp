// Answering and Finish: the options each list offers, then points, grade and every review
// cell after Finish, against the key and the texts written out in expected.h.
#include "expected.h"
using namespace learner;
using expected::item;
using Answers = QVector<int>;   // the option picked for each item, -1: left open

class AnswersTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { prepare(); }

    void afterFinish_data()
    {
        QTest::addColumn<Answers>("answers");
        for (int right : {35, 33, 32, 22, 21, 13, 12, 0}) {   // each side of each grade's edge
            Answers a(expected::itemCount);   // the first right, then alternately wrong and open
            for (int i = 0; i < expected::itemCount; ++i)
                a[i] = i < right ? expected::key[i]
                     : i % 2 ? -1 : (expected::key[i] + 1) % item(i).options.size();
            QTest::addRow("%d right", right) << a;
        }
        QTest::newRow("all option a") << Answers(expected::itemCount, 0);
        QTest::newRow("all option c") << Answers(expected::itemCount, 2);
        Answers stimulants(expected::itemCount, -1);   // one option right in four lists
        for (int i : {21, 24, 27, 29})
            stimulants[i] = 0;
        QTest::newRow("stimulants") << stimulants;
    }
    void afterFinish()
    {
        QFETCH(Answers, answers);
        auto w = freshWindow();
        for (int i = 0; i < expected::itemCount; ++i)
            QVERIFY2(answers[i] < 0 || (goToPage(w.get(), item(i).page)
                                        && expected::answer(w.get(), i, answers[i])),
                     qPrintable(item(i).input));
        QVERIFY(goToPage(w.get(), 6) && pressFinish(w.get()));
        const QString wrong = expected::firstWrongResult(w.get(), answers);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        QTimer::singleShot(0, w.get(), [&w] { pressClose(w.get()); });
        QTimer::singleShot(20000, w.get(), [] { QCoreApplication::exit(99); });
        QCOMPARE(QApplication::exec(), 0);   // Close ends the program
    }

    void answerLists_data()
    {
        QTest::addColumn<int>("page");
        for (int page = 2; page <= 6; ++page)
            QTest::addRow("page %d", page) << page;
    }
    // Each list starts empty, offers its exercise's options and takes no typing.
    void answerLists()
    {
        QFETCH(int, page);
        auto w = freshWindow();
        QVERIFY(goToPage(w.get(), page));
        for (int i = 5; i < expected::itemCount; ++i) {
            if (item(i).page != page)
                continue;
            QComboBox *c = list(w.get(), item(i).input);
            QVERIFY(c);
            QCOMPARE(c->currentIndex(), -1);
            QTest::keyClicks(c, "Zx");
            QTest::keyClick(c, Qt::Key_Return);
            QStringList offered;
            for (int o = 0; o < c->count(); ++o)
                offered << c->itemText(o);
            QCOMPARE(offered, item(i).options);
        }
    }
};

QTEST_MAIN(AnswersTest)
#include "tst_answers.moc"
