// The reading passage and exercise I, which asks about it; on a wider desktop font, every heading still fits.
#include "testutil.h"
#include <QtWidgets/QStyleOptionButton>

using namespace testutil;

// The pixels a widget's text changes in the picture of `shot` by more than a faint shade: how many in
// each row that has any (a caption's ")" spans all its rows), and their bounds.
struct Ink { QVector<int> rows; QRect bounds; };
static Ink inkOf(QWidget *shot, QWidget *holder)
{
    const QRect area(holder->mapTo(shot, QPoint()), holder->size());
    const QVariant text = holder->property("text");
    const QImage with = shot->grab(area).toImage();
    holder->setProperty("text", QString());
    const QImage without = shot->grab(area).toImage();
    holder->setProperty("text", text);
    Ink ink;
    for (int y = 0; y < with.height(); ++y) {
        ink.rows << 0;
        for (int x = 0; x < with.width(); ++x)
            if (qAbs(qGray(with.pixel(x, y)) - qGray(without.pixel(x, y))) > 24)
                ++ink.rows.last(), ink.bounds |= QRect(x, y, 1, 1);
    }
    ink.rows.removeAll(0);
    return ink;
}

class ExerciseOneTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { prepare(); }

    void passage()
    {
        auto w = freshWindow();
        QLabel *passage = label(w.get(), "label_5");
        static const QRegularExpression paragraph("<p align=\"(\\w+)\"><span style=\"([^\"]*)\">(.*?)</span></p>");
        const QString flat = passage->text().replace(paragraph, "\\1|\\2|\\3\n");
        QVERIFY2(flat.startsWith("<html><head/><body>") && flat.endsWith("\n</body></html>"), qPrintable(flat));
        const QStringList p = flat.mid(19).chopped(15).split('\n');   // "align|style|text" each
        QCOMPARE(p.size(), 11);
        QCOMPARE(p[0], QStringLiteral("center| font-size:11pt; font-weight:600;|L'HÉROÏNE"));
        const QString body = QStringLiteral("justify| font-size:10pt;|");
        for (const QString &each : p.mid(1))
            QVERIFY2(each.startsWith(body), qPrintable(each));
        QCOMPARE(p.filter(body + "&gt; "), QStringList({body + "&gt; L'HÉROÏNE, QU'EST-CE QUE C'EST?",
                 body + "&gt; À QUOI ÇA RESSEMBLE?", body + "&gt; EFFETS ET DANGERS DE L'HÉROÏNE"}));
        QCOMPARE(p[10], body + "<br/>");
        for (auto fact : {"synthèse", "morphine", "poudre", "granulés à écraser", "apaisement", "euphorie", "très tôt",
                 "sensation d'extase", "l'anorexie et l'insomnie", "surdose", "dépression respiratoire", "mortelle"})
            QVERIFY2(flat.contains(QString::fromUtf8(fact)), fact);
        QVERIFY2(passage->heightForWidth(731) <= 451, qPrintable(QString::number(passage->heightForWidth(731))));
    }

    // The texts of exercise I that are easy to get wrong, by object name.
    void literals_data()
    {
        QTest::addColumn<QString>("text");
        const char *rows[][2] = {{"exl1", "1.    L'héroïne est ..."}, {"rb4_1", "a) des maladies menales graves;"},
            {"exl2", "2. L'héroïne  se présente sous la forme ..."}, {"exl4", "4. L'usage de l'héroïne  entraîne ..."},
            {"exl3", "3. Les effets de la consommation de l'héroïne  sont ..."},
            {"rb1_3", "c) un alcaloïde tiré des feuilles d\u2019un arbuste."}};
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QString::fromUtf8(row[1]);
    }
    void literals()
    {
        QFETCH(QString, text);
        auto w = freshWindow();
        QWidget *x = child<QWidget>(w.get(), QTest::currentDataTag());
        QCOMPARE(x->property(x->inherits("QGroupBox") ? "title" : "text").toString(), text);
    }

    void choices()
    {
        auto w = freshWindow();
        QVERIFY(goToPage(w.get(), 1));
        auto option = [&](int i) {   // 0 to 14: a) to c) of question 1, then of question 2, ...
            return radio(w.get(), qPrintable(QString("rb%1_%2").arg(i / 3 + 1).arg(i % 3 + 1)));
        };
        // On screen they stand in that order from the top, though the questions are built 5, 2, 4, 1, 3.
        for (int i = 0; i < 14; ++i)
            QVERIFY(option(i)->mapToGlobal({}).y() < option(i + 1)->mapToGlobal({}).y());
        auto checked = [&](QString marks = QString()) {
            for (int i = 0; i < 15; ++i)
                marks += QString(i % 3 ? "" : "|") + (option(i)->isChecked() ? "x" : ".");
            return marks;
        };
        QCOMPARE(checked(), QStringLiteral("|...|...|...|...|..."));
        QVERIFY(clickRadio(option(3)) && clickRadio(option(11)));
        QCOMPARE(checked(), QStringLiteral("|...|x..|...|..x|..."));
        QVERIFY(clickRadio(option(4)) && clickRadio(option(4)));   // twice: stays checked
        QCOMPARE(checked(), QStringLiteral("|...|.x.|...|..x|..."));
        QVERIFY(next(w.get()) && back(w.get()) && back(w.get()) && next(w.get()));
        QCOMPARE(checked(), QStringLiteral("|...|.x.|...|..x|..."));
    }

    // Each option draws in its question's 10 pt face and shows whole; a 13-pixel third row may lose
    // only the faint tip of "c)". Under the gradient each indicator shows a ring, and more when checked.
    void optionsShowWhole()
    {
        auto w = freshWindow();
        QVERIFY(goToPage(w.get(), 1));
        for (QRadioButton *r : w->findChildren<QRadioButton *>()) {
            const QFontInfo face(r->font());
            QVERIFY2(face.family() == "Carlito" && face.pointSize() == 10 && r->sizeHint().width() <= r->width()
                         && r->font() == r->parentWidget()->parentWidget()->font(), qPrintable(r->objectName()));
            QRadioButton roomy(r->text());
            roomy.setFont(r->font());
            roomy.resize(r->width(), r->height() + 40);
            const QVector<int> full = inkOf(&roomy, &roomy).rows, shown = inkOf(w.get(), r).rows;
            const bool tipOnly = r->height() < 14 && shown.size() == full.size() - 1 && qMin(full[0], full.last()) <= 3;
            QVERIFY2(full.size() >= 10 && (shown.size() == full.size() || tipOnly), qPrintable(r->objectName()));
            QStyleOptionButton opt;
            opt.initFrom(r);
            const QRect ring = r->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &opt, r);
            int ink[2] = {0, 0};   // dark pixels of the indicator as the window shows it, unchecked then checked
            for (int state = 0; state < 2; ++state) {
                const QImage image = w->grab(QRect(r->mapTo(w.get(), ring.topLeft()), ring.size())).toImage();
                for (int i = 0; i < image.width() * image.height(); ++i)
                    ink[state] += qGray(image.pixel(i % image.width(), i / image.width())) < 110;
                QVERIFY(clickRadio(r));
            }
            QVERIFY2(r->rect().contains(ring) && ink[0] >= 20 && ink[1] >= ink[0] + 20, qPrintable(r->objectName()));
        }
    }

    // Last, as it changes the application font for good: a desktop default wider and larger than the texts
    // were laid out for. The 16-pixel label_2 holds a 20-pixel 12 pt line, so only its ink decides.
    void wideDesktopFont_data()
    {
        QTest::addColumn<int>("page");
        int page = 0;
        for (auto name : {"label_5", "label_2", "label_6", "label_7", "exv3", "g4_label", "label_49", "label_50"})
            QTest::newRow(name) << qMax(0, page++ - 1);
    }
    void wideDesktopFont()
    {
        static const bool wide = (QApplication::setFont(QFont("DejaVu Sans", 11)), prepareApplication(), true);
        QFETCH(int, page);
        auto w = freshWindow();
        QVERIFY(wide && goToPage(w.get(), page));
        QLabel *l = label(w.get(), QTest::currentDataTag());
        const QSize needs = l->wordWrap() ? QSize(l->width(), l->heightForWidth(l->width())) : l->sizeHint();
        QVERIFY(l->objectName() == "label_2" || (needs.width() <= l->width() && needs.height() <= l->height()));
        QLabel roomy(l->text());
        roomy.setFont(l->font());
        roomy.setWordWrap(l->wordWrap());
        roomy.resize(l->width() + (l->wordWrap() ? 0 : 400), qMax(l->height(), roomy.heightForWidth(l->width())) + 40);
        const QRect full = inkOf(&roomy, &roomy).bounds, shown = inkOf(w.get(), l).bounds;
        QVERIFY(!full.isEmpty() && shown.width() >= full.width() && shown.height() >= full.height());
        for (QRadioButton *r : w->findChildren<QRadioButton *>())   // the options keep their own face
            QVERIFY(QFontInfo(r->font()).family() == "Carlito" && QFontInfo(r->font()).pointSize() == 10);
    }
};

QTEST_MAIN(ExerciseOneTest)
#include "tst_exercise_one.moc"
