// The answer-list pages of exercises II to VI: options, item texts, list names and kept choices.
#include "testutil.h"

#include <QtWidgets/QGridLayout>

using namespace testutil;

// Drawn in a list 100 px wider, the option leaves no text pixels from where the laid-out list's arrow begins.
static bool optionShowsWhole(QComboBox *c, int index)
{
    c->setCurrentIndex(index);
    const QSize size = c->size();
    c->resize(size.width() + 100, size.height());
    const QImage wide = c->grab().toImage();
    c->resize(size);
    for (int x = size.width() - 22; x < wide.width() - 22; ++x)
        for (int y = 0; y < wide.height(); ++y)
            if (qGray(wide.pixel(x, y)) < 110)
                return false;
    return true;
}

class ListPagesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepare(); }

    void lists_data()
    {
        for (const char *c : {"page", "visible", "stretch1"})
            QTest::addColumn<int>(c);
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QStringList>("labels");   // item label of each grid row, top first
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("item");     // a tricky item: label, text, accessible name of its list
        QTest::newRow("II") << 2 << 5 << 50 << "cbv2_" << QStringList{"voc2_1", "voc2_2", "voc2_3", "voc2_4", "voc2_5"}
            << QStringList{"a) бути  сполучною ланкою", "b) збирати відомості", "c) агентурна операція",
                           "d) надавати допомогу", "e) контрольована поставка"}
            << QStringList{"voc2_1", "1) centraliser  les renseignements  ", "1) centraliser les renseignements"};
        QTest::newRow("III") << 3 << 5 << 50 << "cbv3_" << QStringList{"voc3_1", "voc3_2", "voc3_3", "voc3_4", "voc3_5"}
            << QStringList{"a) mettre à la disposition", "b) aider", "c) une drogue", "d) une pénétration",
                           "e) rassembler"}
            << QStringList{"voc3_5", "5) fournir  ", "5) fournir"};
        QTest::newRow("IV") << 4 << 10 /* toolkit default */ << 50 << "cbg4_"
            << QStringList{"label_4_1", "label_4_2", "label_4_3", "label_4_4", "label_4_5"}
            << QStringList{"a) les enquêtes importantes", "b) sur des officiers de liaison ",
                           "c) aux programmes de stages ", "d) un intérêt stratégique",
                           "e) contre le  trafic de stupéfiants"}
            << QStringList{"label_4_4", "4) s'appuyer   ", "4) s'appuyer"};
        QTest::newRow("V") << 5 << 3 << 0 << "cbg5_" << QStringList{"label_5_1", "label_5_2", "label_5_3", "label_5_4",
            "label_5_5", "label_5_11", "label_5_12", "label_5_13", "label_5_14", "label_5_15"}
            << QStringList{"Les stimulants ", "Les hallucinogènes ", "Les dépresseurs "}
            << QStringList{"label_5_14", "9) Héroïne ", "9) Héroïne"};
        const QString s4 = "4. Les États membres de la conférence européenne sur la sécurité et la coopération  ... "
            "la valeur universelle du principe des droits de l\u2019homme ont réaffirmé dans l\u2019Acte final "
            "\u00AB le droit des personnes de connaîttre leurs droits et obligations \u00BB.";
        QTest::newRow("VI") << 6 << 5 << 50 << "cbg6_"
            << QStringList{"label_5_8", "label_5_6", "label_5_7", "label_5_10", "label_5_9"}
            << QStringList{"a) en  fixant ", "b) après avoir été condamné ", "c) n\u2019ayant pas atteint ",
                           "d) en reconnaissant ", "e) avoir commis "}
            << QStringList{"label_5_10", s4, QString(s4).replace("coopération  ...", "coopération ...")};
    }

    // Each grid row pairs its item, shown whole, with its list. Every list starts empty, shows its options whole
    // and takes no typing; choices (the same option in several lists) survive Back and Next.
    void lists()
    {
        QFETCH(int, page); QFETCH(int, visible); QFETCH(int, stretch1); QFETCH(QString, prefix);
        QFETCH(QStringList, labels); QFETCH(QStringList, options); QFETCH(QStringList, item);
        auto w = freshWindow();
        QVERIFY(goToPage(w.get(), page));
        QCOMPARE(label(w.get(), qPrintable(item[0]))->text(),
                 "<html><head/><body><p><span style=\" font-weight:600;\">" + item[1] + "</span></p></body></html>");
        auto *grid = qobject_cast<QGridLayout *>(list(w.get(), qPrintable(prefix + "1"))->parentWidget()->layout());
        QVERIFY(grid);
        QCOMPARE(QVector<int>({grid->rowCount(), grid->columnStretch(0), grid->columnStretch(1)}),
                 QVector<int>({labels.size(), 50, stretch1}));
        auto nameAt = [grid](int r, int c) {
            return grid->itemAtPosition(r, c) ? grid->itemAtPosition(r, c)->widget()->objectName() : QString(); };
        for (int r = 0; r < labels.size(); ++r) {
            QCOMPARE(nameAt(r, 0), labels[r]);
            QCOMPARE(nameAt(r, 1), prefix + QString::number(r + 1));
            QLabel *shown = label(w.get(), qPrintable(labels[r]));
            QVERIFY2(shown->heightForWidth(shown->width()) <= shown->height(), qPrintable(labels[r]));
            QComboBox *c = list(w.get(), qPrintable(nameAt(r, 1)));
            if (labels[r] == item[0])
                QCOMPARE(c->accessibleName(), item[2]);
            QVERIFY(!c->isEditable());
            QCOMPARE(QVector<int>({c->currentIndex(), c->maxVisibleItems()}), QVector<int>({-1, visible}));
            QCOMPARE(c->currentText(), QString());
            QTest::keyClicks(c, QStringLiteral("Zx"));
            QTest::keyClick(c, Qt::Key_Return);
            QCOMPARE(c->count(), options.size());
            for (int i = 0; i < options.size(); ++i) {
                QCOMPARE(c->itemText(i), options[i]);
                QVERIFY2(optionShowsWhole(c, i), qPrintable(c->objectName() + ": " + options[i]));
            }
            c->setCurrentIndex(-1);
            QVERIFY(r == 0 || choose(c, r % 2));
        }
        QVERIFY(goToPage(w.get(), 1) && goToPage(w.get(), page));
        for (int r = 0; r < labels.size(); ++r)   // on page V this reads "Les stimulants " back, blank and all
            QCOMPARE(list(w.get(), qPrintable(nameAt(r, 1)))->currentText(), r ? options[r % 2] : QString());
    }
};

QTEST_MAIN(ListPagesTest)
#include "tst_list_pages.moc"
