// The exercise I page: its widgets and texts, the choices a learner makes on it,
// and that every option is readable, visible and reachable from the keyboard.
#include "testutil.h"

#include <QtWidgets/QGroupBox>
#include <QtWidgets/QStyleOptionButton>
#include <QtWidgets/QVBoxLayout>

using namespace testutil;

namespace {

QGroupBox *box(QWidget *w, int question)
{
    return child<QGroupBox>(w, qPrintable(QStringLiteral("exl%1").arg(question)));
}

QRadioButton *option(QWidget *w, int question, int number)
{
    return radio(w, qPrintable(QStringLiteral("rb%1_%2").arg(question).arg(number)));
}

// Checked state of all 15 options, question by question: "...|.x.|..." style.
QString checkedPattern(QWidget *w)
{
    QStringList questions;
    for (int q = 1; q <= 5; ++q) {
        QString marks;
        for (int o = 1; o <= 3; ++o)
            marks += option(w, q, o)->isChecked() ? QLatin1Char('x') : QLatin1Char('.');
        questions << marks;
    }
    return questions.join(QLatin1Char('|'));
}

// Rows in which two pictures of the same place differ by more than a faint
// shade: the rows a text inks, with the ink pixels of the first and last.
struct Ink
{
    int rows = 0;
    int firstRowPixels = 0;
    int lastRowPixels = 0;
};

Ink inkOf(const QImage &with, const QImage &without)
{
    QVector<int> perRow;
    for (int y = 0; y < with.height(); ++y) {
        int pixels = 0;
        for (int x = 0; x < with.width(); ++x)
            if (qAbs(qGray(with.pixel(x, y)) - qGray(without.pixel(x, y))) > 24)
                ++pixels;
        perRow << pixels;
    }
    Ink ink;
    int first = 0, last = perRow.size() - 1;
    while (first <= last && perRow[first] == 0)
        ++first;
    while (last >= first && perRow[last] == 0)
        --last;
    if (first <= last)
        ink = {last - first + 1, perRow[first], perRow[last]};
    return ink;
}

// A caption's ink as the window shows it, inside the option's own rows.
Ink shownCaption(QWidget *window, QRadioButton *b)
{
    const QRect area(b->mapTo(window, QPoint(0, 0)), b->size());
    const QString caption = b->text();
    const QImage with = window->grab(area).toImage();
    b->setText(QString());
    const QImage without = window->grab(area).toImage();
    b->setText(caption);
    return inkOf(with, without);
}

// The same caption's ink on a lone option with room to spare.
Ink fullCaption(QRadioButton *b)
{
    QRadioButton roomy(b->text());
    roomy.setFont(b->font());
    roomy.resize(b->width(), b->height() + 40);
    const QImage with = roomy.grab().toImage();
    roomy.setText(QString());
    return inkOf(with, roomy.grab().toImage());
}

// Dark pixels of an option's indicator as the window shows it, whatever lies behind.
int indicatorInk(QWidget *window, QRadioButton *b)
{
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.text = b->text();
    opt.state |= b->isChecked() ? QStyle::State_On : QStyle::State_Off;
    const QRect area = b->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &opt, b);
    if (area.isEmpty())
        return 0;
    const QImage image = window->grab(QRect(b->mapTo(window, area.topLeft()), area.size())).toImage();
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 110)
                ++ink;
    return ink;
}

} // namespace

class ExerciseOneTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepare(); }

    void pageFrame()
    {
        auto w = freshWindow();
        QCOMPARE(stack(w.get())->widget(1)->objectName(), QStringLiteral("stacked_lecture1_2"));
        auto *panel = child<QWidget>(w.get(), "lecture1_2");
        QCOMPARE(panel->parentWidget()->objectName(), QStringLiteral("stacked_lecture1_2"));
        QCOMPARE(panel->geometry(), QRect(15, 0, 770, 471));
        QCOMPARE(panel->styleSheet(), QStringLiteral(
            "background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, stop:0 rgba(191, 191, 191, 255), "
            "stop:1 rgba(255, 255, 255, 255));\nborder-radius: 5px;"));

        QLabel *heading = label(w.get(), "label_6");
        QCOMPARE(heading->parentWidget(), panel);
        QCOMPARE(heading->geometry(), QRect(20, 10, 731, 21));
        QCOMPARE(heading->styleSheet(), QStringLiteral("background: rgba(255, 255, 255, 0);"));
        QVERIFY(heading->wordWrap());
        QCOMPARE(heading->text(), QStringLiteral(
            "<html><head/><body><p><span style=\" font-size:12pt; font-weight:600; font-style:italic; "
            "color:#00557f;\">Complétez les phrases en vous servant du texte:</span></p></body></html>"));

        auto *grid = child<QWidget>(w.get(), "gridLayoutWidget_2");
        QCOMPARE(grid->parentWidget(), panel);
        QCOMPARE(grid->geometry(), QRect(20, 40, 741, 421));
        auto *layout = qobject_cast<QGridLayout *>(grid->layout());
        QVERIFY(layout);
        QCOMPARE(layout->objectName(), QStringLiteral("gridLayout_2"));
        QCOMPARE(layout->spacing(), 6);
        QCOMPARE(layout->contentsMargins(), QMargins(0, 0, 0, 0));

        // Built in the order 5, 2, 4, 1, 3.
        QStringList built;
        for (QGroupBox *b : grid->findChildren<QGroupBox *>(QString(), Qt::FindDirectChildrenOnly))
            built << b->objectName();
        QCOMPARE(built, (QStringList{"exl5", "exl2", "exl4", "exl1", "exl3"}));
    }

    void questions_data()
    {
        QTest::addColumn<int>("question");
        QTest::addColumn<QString>("innerName");
        QTest::addColumn<QString>("layoutName");
        QTest::addColumn<int>("innerHeight");
        QTest::addColumn<int>("spacing");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("accessibleName");
        QTest::newRow("1") << 1 << "verticalLayoutWidget_5" << "verticalLayout_5" << 53 << 6
                           << "1.    L'héroïne est ..." << "1. L'héroïne est ...";
        QTest::newRow("2") << 2 << "verticalLayoutWidget_6" << "verticalLayout_6" << 61 << 0
                           << "2. L'héroïne  se présente sous la forme ..." << "2. L'héroïne se présente sous la forme ...";
        QTest::newRow("3") << 3 << "verticalLayoutWidget_7" << "verticalLayout_7" << 53 << 6
                           << "3. Les effets de la consommation de l'héroïne  sont ..."
                           << "3. Les effets de la consommation de l'héroïne sont ...";
        QTest::newRow("4") << 4 << "verticalLayoutWidget_4" << "verticalLayout_4" << 53 << 6
                           << "4. L'usage de l'héroïne  entraîne ..." << "4. L'usage de l'héroïne entraîne ...";
        QTest::newRow("5") << 5 << "verticalLayoutWidget_8" << "verticalLayout_8" << 53 << 6
                           << "5. La surdose à l'héroïne provoque ..." << "5. La surdose à l'héroïne provoque ...";
    }

    void questions()
    {
        QFETCH(int, question);
        QFETCH(QString, innerName);
        QFETCH(QString, layoutName);
        QFETCH(int, innerHeight);
        QFETCH(int, spacing);
        QFETCH(QString, title);
        QFETCH(QString, accessibleName);
        auto w = freshWindow();
        QGroupBox *b = box(w.get(), question);
        QCOMPARE(b->parentWidget()->objectName(), QStringLiteral("gridLayoutWidget_2"));
        QCOMPARE(b->title(), title);
        QCOMPARE(b->accessibleName(), accessibleName);
        QCOMPARE(b->styleSheet(), QStringLiteral("background: rgba(255, 255, 255, 0);"));
        QVERIFY(b->isFlat());
        QVERIFY(!b->isCheckable());

        auto *grid = child<QGridLayout>(w.get(), "gridLayout_2");
        int row, column, rowSpan, columnSpan;
        grid->getItemPosition(grid->indexOf(b), &row, &column, &rowSpan, &columnSpan);
        QCOMPARE(row, question - 1);
        QCOMPARE(column, 0);
        QCOMPARE(rowSpan, 1);
        QCOMPARE(columnSpan, 1);
        QCOMPARE(grid->itemAt(grid->indexOf(b))->alignment(), Qt::Alignment());

        auto *inner = child<QWidget>(b, qPrintable(innerName));
        QCOMPARE(inner->parentWidget(), b);
        QCOMPARE(inner->geometry(), QRect(10, 20, 721, innerHeight));
        auto *layout = qobject_cast<QVBoxLayout *>(inner->layout());
        QVERIFY(layout);
        QCOMPARE(layout->objectName(), layoutName);
        QCOMPARE(layout->spacing(), spacing);
        QCOMPARE(layout->sizeConstraint(), QLayout::SetDefaultConstraint);
        QCOMPARE(layout->contentsMargins(), QMargins(0, 0, 0, 0));
        QCOMPARE(layout->count(), 3);
        for (int o = 1; o <= 3; ++o) {
            QRadioButton *r = option(w.get(), question, o);
            QCOMPARE(r->parentWidget(), inner);
            QCOMPARE(layout->itemAt(o - 1)->widget(), r);
            QCOMPARE(layout->itemAt(o - 1)->alignment(), Qt::Alignment());
            QCOMPARE(layout->stretch(o - 1), 0);
            QCOMPARE(r->styleSheet(), QString());
            QVERIFY(r->autoExclusive());
            QVERIFY(!r->group());
        }
    }

    // Question 1 sets weight and style on top of family and size; the others
    // share one font that sets family and size only.
    void groupBoxFonts()
    {
        auto w = freshWindow();
        const QFont first = box(w.get(), 1)->font();
        QCOMPARE(first.family(), QStringLiteral("Trebuchet MS"));
        QCOMPARE(first.pointSize(), 10);
        QCOMPARE(first.weight(), 50);
        QCOMPARE(first.style(), QFont::StyleNormal);
        QVERIFY(first.resolve() & QFont::WeightResolved);
        QVERIFY(first.resolve() & QFont::StyleResolved);

        const QFont shared = box(w.get(), 2)->font();
        QCOMPARE(shared.family(), QStringLiteral("Trebuchet MS"));
        QCOMPARE(shared.pointSize(), 10);
        QCOMPARE(shared.resolve() & ~uint(QFont::FamilyResolved | QFont::SizeResolved), 0u);
        for (int q = 3; q <= 5; ++q)
            QCOMPARE(box(w.get(), q)->font(), shared);
    }

    void captions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("rb1_1") << "rb1_1" << "a) un produit toxique obtenu par synthèse à partir de la morphine;";
        QTest::newRow("rb1_2") << "rb1_2" << "b) une substance dérivée de l'amphétamine;";
        QTest::newRow("rb1_3") << "rb1_3" << QString::fromUtf8("c) un alcaloïde tiré des feuilles d\u2019un arbuste.");
        QTest::newRow("rb2_1") << "rb2_1" << "a) d'un liquide incolore et inodore;";
        QTest::newRow("rb2_2") << "rb2_2" << "b) sous la forme d'une poudre ou de granulés à écraser;";
        QTest::newRow("rb2_3") << "rb2_3" << "c) de cachets ou de pilules.";
        QTest::newRow("rb3_1") << "rb3_1" << "a) les hallucinations;";
        QTest::newRow("rb3_2") << "rb3_2" << "b) la fatigue refoulée, le besoin de parler et de bouger;";
        QTest::newRow("rb3_3") << "rb3_3" << "c) l'apaisement, l'euphorie et une sensation d'extase.";
        QTest::newRow("rb4_1") << "rb4_1" << "a) des maladies menales graves;";
        QTest::newRow("rb4_2") << "rb4_2" << "b) l'anorexie et l'insomnie;";
        QTest::newRow("rb4_3") << "rb4_3" << "c) la dépression psychique, accompagnée de nausées, de bradycardie.";
        QTest::newRow("rb5_1") << "rb5_1" << "a) une dépression respiratoire souvent mortelle;";
        QTest::newRow("rb5_2") << "rb5_2" << "b) des troubles psychiques graves;";
        QTest::newRow("rb5_3") << "rb5_3" << "c) des convulsions et un coma.";
    }

    void captions()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        auto w = freshWindow();
        QCOMPARE(radio(w.get(), qPrintable(name))->text(), caption);
    }

    // The boxes stand 1 to 5 from the top although they are built 5, 2, 4, 1, 3.
    void screenOrder()
    {
        auto w = freshWindow();
        QVERIFY(goToPage(w.get(), 1));
        for (int q = 1; q < 5; ++q)
            QVERIFY(box(w.get(), q)->geometry().bottom() < box(w.get(), q + 1)->geometry().top());
    }

    void choices()
    {
        auto w = freshWindow();
        QVERIFY(goToPage(w.get(), 1));
        QCOMPARE(checkedPattern(w.get()), QStringLiteral("...|...|...|...|..."));

        QVERIFY(clickRadio(option(w.get(), 2, 1)));
        QVERIFY(clickRadio(option(w.get(), 4, 3)));
        QCOMPARE(checkedPattern(w.get()), QStringLiteral("...|x..|...|..x|..."));
        // A second choice in question 2 clears only its first one.
        QVERIFY(clickRadio(option(w.get(), 2, 2)));
        QCOMPARE(checkedPattern(w.get()), QStringLiteral("...|.x.|...|..x|..."));
        // Clicking the checked option again leaves it checked: no way back to unanswered.
        QVERIFY(clickRadio(option(w.get(), 2, 2)));
        QVERIFY(clickRadio(option(w.get(), 1, 3)));
        QVERIFY(clickRadio(option(w.get(), 5, 1)));
        QCOMPARE(checkedPattern(w.get()), QStringLiteral("..x|.x.|...|..x|x.."));

        // Choices stay while the learner moves around.
        QVERIFY(next(w.get()));
        QVERIFY(back(w.get()));
        QVERIFY(back(w.get()));
        QVERIFY(next(w.get()));
        QCOMPARE(stack(w.get())->currentIndex(), 1);
        QCOMPARE(checkedPattern(w.get()), QStringLiteral("..x|.x.|...|..x|x.."));
    }

    // Every option draws in its question's 10 pt face and shows whole. The 53-pixel
    // boxes give their third option a 13-pixel row, one less than the ink of
    // "c)" spans: the tip of that parenthesis may lose its faint top pixels, no more.
    void optionsFit()
    {
        auto w = freshWindow();
        QVERIFY(goToPage(w.get(), 1));
        for (int q = 1; q <= 5; ++q) {
            QGroupBox *b = box(w.get(), q);
            QWidget *inner = option(w.get(), q, 1)->parentWidget();
            for (int o = 1; o <= 3; ++o) {
                QRadioButton *r = option(w.get(), q, o);
                const QString where = r->objectName();
                const QFontInfo face(r->font());
                QCOMPARE(face.pointSize(), 10);
                QCOMPARE(face.family(), QStringLiteral("Carlito"));
                QCOMPARE(r->font().family(), QStringLiteral("Trebuchet MS"));
                QVERIFY2(inner->rect().contains(r->geometry()), qPrintable(where));
                QVERIFY2(b->rect().contains(QRect(r->mapTo(b, QPoint(0, 0)), r->size())), qPrintable(where));
                QVERIFY2(r->sizeHint().width() <= r->width(), qPrintable(where));
                const Ink full = fullCaption(r);
                const Ink shown = shownCaption(w.get(), r);
                QVERIFY2(full.rows >= 10, qPrintable(where));
                // Whole, or short of one end row that holds a tip of a few pixels only.
                const bool whole = shown.rows == full.rows;
                const bool tipOnly = r->height() < 14 && shown.rows == full.rows - 1
                                     && qMin(full.firstRowPixels, full.lastRowPixels) <= 3;
                QVERIFY2(whole || tipOnly, qPrintable(QStringLiteral("%1 shows %2 of %3 rows").arg(where)
                                                          .arg(shown.rows).arg(full.rows)));

                QStyleOptionButton opt;
                opt.initFrom(r);
                const QRect indicator = r->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &opt, r);
                QVERIFY2(r->rect().contains(indicator), qPrintable(where));
            }
        }
    }

    // Under the window's gradient each indicator shows a dark ring, and a checked
    // one clearly more.
    void indicatorsVisible()
    {
        auto w = freshWindow();
        QVERIFY(goToPage(w.get(), 1));
        QVERIFY(qApp->styleSheet().contains(QLatin1String("QRadioButton::indicator")));
        for (int q = 1; q <= 5; ++q)
            for (int o = 1; o <= 3; ++o) {
                QRadioButton *r = option(w.get(), q, o);
                const int unchecked = indicatorInk(w.get(), r);
                QVERIFY2(unchecked >= 20, qPrintable(QStringLiteral("%1: %2").arg(r->objectName()).arg(unchecked)));
                QVERIFY(clickRadio(r));
                const int checked = indicatorInk(w.get(), r);
                QVERIFY2(checked >= unchecked + 20,
                         qPrintable(QStringLiteral("%1: %2 then %3").arg(r->objectName()).arg(unchecked).arg(checked)));
            }
    }

    // Tab walks the questions top to bottom, entering each at its checked option
    // or, when none is checked, at its first.
    void tabOrder_data()
    {
        QTest::addColumn<QString>("checkFirst");
        QTest::addColumn<QStringList>("entered");
        QTest::newRow("nothing checked") << QString()
            << QStringList{"rb1_1", "rb2_1", "rb3_1", "rb4_1", "rb5_1"};
        QTest::newRow("some checked") << "rb3_3,rb5_2"
            << QStringList{"rb1_1", "rb2_1", "rb3_3", "rb4_1", "rb5_2"};
    }

    void tabOrder()
    {
        QFETCH(QString, checkFirst);
        QFETCH(QStringList, entered);
        auto w = freshWindow();
        QVERIFY(goToPage(w.get(), 1));
        for (const QString &name : checkFirst.split(QLatin1Char(','), Qt::SkipEmptyParts))
            QVERIFY(clickRadio(radio(w.get(), qPrintable(name))));
        QApplication::setActiveWindow(w.get());
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        radio(w.get(), "rb1_1")->setFocus(Qt::TabFocusReason);

        QStringList seen{QApplication::focusWidget()->objectName()};
        QWidget *page = child<QWidget>(w.get(), "lecture1_2");
        for (int step = 0; step < 20; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *focus = QApplication::focusWidget();
            if (!focus || !page->isAncestorOf(focus))
                break;
            if (!seen.contains(focus->objectName()))
                seen << focus->objectName();
        }
        QCOMPARE(seen.join(QLatin1Char(' ')), entered.join(QLatin1Char(' ')));
    }
};

QTEST_MAIN(ExerciseOneTest)
#include "tst_exercise_one.moc"
