// The answer-list pages of exercises II to VI (stack pages 2 to 6): widget tree,
// creation order, grid cells and layout, texts and options, and how the lists
// behave for a learner.
#include "testutil.h"

#include <QtWidgets/QApplication>
#include <QtWidgets/QGridLayout>

using namespace testutil;

namespace {

const QString panelStyle = QStringLiteral(
    "background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, stop:0 rgba(191, 191, 191, 255), "
    "stop:1 rgba(255, 255, 255, 255));\nborder-radius: 5px;");
const QString transparentStyle = QStringLiteral("background: rgba(255, 255, 255, 0);");
const QString itemLabelStyle =
    QStringLiteral("font: 10pt \"Trebuchet MS\";\nbackground: rgba(255, 255, 255, 0);\npadding-left: 5px; ");
const QString answerListStyle = QStringLiteral("font: 10pt \"Trebuchet MS\";\nborder-radius: 0;\n");

QString headingHtml(const QString &text)
{
    return QStringLiteral("<html><head/><body><p><span style=\" font-size:12pt; font-weight:600; "
                          "font-style:italic; color:#00557f;\">")
        + text + QStringLiteral("</span></p></body></html>");
}

QString itemHtml(const QString &text)
{
    return QStringLiteral("<html><head/><body><p><span style=\" font-weight:600;\">") + text
        + QStringLiteral("</span></p></body></html>");
}

// The answer lists of each page, top row first.
QStringList listsOfPage(int page)
{
    QStringList names;
    const char *prefix[] = {"", "", "cbv2_", "cbv3_", "cbg4_", "cbg5_", "cbg6_"};
    for (int k = 1; k <= (page == 5 ? 10 : 5); ++k)
        names << QString::fromLatin1(prefix[page]) + QString::number(k);
    return names;
}

QStringList options(int page)
{
    switch (page) {
    case 2:
        return {QStringLiteral("a) бути  сполучною ланкою"), QStringLiteral("b) збирати відомості"),
                QStringLiteral("c) агентурна операція"), QStringLiteral("d) надавати допомогу"),
                QStringLiteral("e) контрольована поставка")};
    case 3:
        return {QStringLiteral("a) mettre à la disposition"), QStringLiteral("b) aider"),
                QStringLiteral("c) une drogue"), QStringLiteral("d) une pénétration"),
                QStringLiteral("e) rassembler")};
    case 4:
        return {QStringLiteral("a) les enquêtes importantes"), QStringLiteral("b) sur des officiers de liaison "),
                QStringLiteral("c) aux programmes de stages "), QStringLiteral("d) un intérêt stratégique"),
                QStringLiteral("e) contre le  trafic de stupéfiants")};
    case 5:
        return {QStringLiteral("Les stimulants "), QStringLiteral("Les hallucinogènes "),
                QStringLiteral("Les dépresseurs ")};
    default:
        return {QStringLiteral("a) en  fixant "), QStringLiteral("b) après avoir été condamné "),
                QString::fromUtf8("c) n\u2019ayant pas atteint "), QStringLiteral("d) en reconnaissant "),
                QStringLiteral("e) avoir commis ")};
    }
}

// Draws the list with the option shown, once as laid out and once much wider: the
// wide drawing must have no text pixels right of where the narrow list's arrow begins.
bool optionShowsWhole(QComboBox *c, int index)
{
    c->setCurrentIndex(index);
    const QSize size = c->size();
    const int limit = size.width() - 22;   // drop-down arrow and frame of the laid-out list
    c->resize(size.width() + 100, size.height());
    const QImage wide = c->grab().toImage();
    c->resize(size);
    for (int x = limit; x < wide.width() - 22; ++x)
        for (int y = 0; y < wide.height(); ++y)
            if (qGray(wide.pixel(x, y)) < 110)
                return false;
    return true;
}

bool activate(QWidget *w)
{
    QApplication::setActiveWindow(w);
    return QTest::qWaitForWindowActive(w);
}

} // namespace

class ListPagesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepare(); }

    // ---- structure ------------------------------------------------------

    void structure_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("frame");   // page, panel, heading, grid container
        QTest::addColumn<QStringList>("grid");    // children of the container in creation order
        QTest::newRow("II") << 2
            << QStringList{"stacked_vocabulaire2", "vocabulaire2", "label_7", "gridLayoutWidget"}
            << QStringList{"gridLayout", "cbv2_1", "voc2_2", "voc2_3", "voc2_1", "voc2_4", "voc2_5",
                           "cbv2_2", "cbv2_3", "cbv2_4", "cbv2_5"};
        QTest::newRow("III") << 3
            << QStringList{"stacked_vocabulaire3", "vocabulaire3", "exv3", "gridLayoutWidget_3"}
            << QStringList{"gridLayout_3", "cbv3_1", "voc3_2", "voc3_3", "voc3_1", "voc3_4", "voc3_5",
                           "cbv3_2", "cbv3_3", "cbv3_4", "cbv3_5"};
        QTest::newRow("IV") << 4
            << QStringList{"stacked_vocabulaire4", "vocabulaire4", "g4_label", "gridLayoutWidget_4"}
            << QStringList{"gridLayout_4", "label_4_5", "label_4_3", "label_4_4", "label_4_2", "label_4_1",
                           "cbg4_1", "cbg4_2", "cbg4_3", "cbg4_4", "cbg4_5"};
        QTest::newRow("V") << 5
            << QStringList{"stacked_vocabulaire5", "vocabulaire5", "label_49", "gridLayoutWidget_5"}
            << QStringList{"gridLayout_5", "label_5_2", "label_5_3", "label_5_1", "label_5_5", "label_5_4",
                           "label_5_11", "label_5_15", "label_5_12", "label_5_14", "label_5_13",
                           "cbg5_1", "cbg5_2", "cbg5_3", "cbg5_4", "cbg5_5",
                           "cbg5_6", "cbg5_7", "cbg5_8", "cbg5_9", "cbg5_10"};
        QTest::newRow("VI") << 6
            << QStringList{"page", "vocabulaire5_2", "label_50", "gridLayoutWidget_6"}
            << QStringList{"gridLayout_8", "label_5_7", "label_5_6", "label_5_10", "label_5_8", "label_5_9",
                           "cbg6_1", "cbg6_2", "cbg6_3", "cbg6_4", "cbg6_5"};
    }

    void structure()
    {
        QFETCH(int, index);
        QFETCH(QStringList, frame);
        QFETCH(QStringList, grid);
        auto w = freshWindow();
        auto names = [](const QObjectList &objects) {
            QStringList result;
            for (QObject *o : objects)
                result << o->objectName();
            return result;
        };

        QWidget *page = stack(w.get())->widget(index);
        QCOMPARE(page->objectName(), frame[0]);
        QCOMPARE(page->parent(), stack(w.get()));
        QCOMPARE(page->metaObject()->className(), "QWidget");
        QCOMPARE(names(page->children()), QStringList{frame[1]});
        QWidget *panel = child<QWidget>(page, qPrintable(frame[1]));
        QCOMPARE(panel->metaObject()->className(), "QWidget");
        QCOMPARE(names(panel->children()), (QStringList{frame[2], frame[3]}));
        QCOMPARE(panel->findChild<QLabel *>(frame[2])->parent(), panel);
        QWidget *container = child<QWidget>(panel, qPrintable(frame[3]));
        QCOMPARE(container->metaObject()->className(), "QWidget");

        // The layout first, then every widget of the grid in the order it was made.
        QCOMPARE(names(container->children()), grid);
        auto *layout = qobject_cast<QGridLayout *>(container->children().first());
        QVERIFY(layout);
        QCOMPARE(container->layout(), layout);
        for (QObject *o : container->children().mid(1)) {
            const char *expected = o->objectName().startsWith(QLatin1String("cb")) ? "QComboBox" : "QLabel";
            QCOMPARE(o->metaObject()->className(), expected);
            QVERIFY(layout->indexOf(static_cast<QWidget *>(o)) >= 0);
        }
        QCOMPARE(layout->count(), grid.size() - 1);
    }

    void geometry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("vocabulaire2") << "vocabulaire2" << QRect(15, 0, 771, 461);
        QTest::newRow("label_7") << "label_7" << QRect(20, 20, 711, 21);
        QTest::newRow("gridLayoutWidget") << "gridLayoutWidget" << QRect(20, 50, 501, 201);
        QTest::newRow("vocabulaire3") << "vocabulaire3" << QRect(15, 0, 771, 461);
        QTest::newRow("exv3") << "exv3" << QRect(20, 20, 711, 41);
        QTest::newRow("gridLayoutWidget_3") << "gridLayoutWidget_3" << QRect(20, 70, 411, 171);
        QTest::newRow("vocabulaire4") << "vocabulaire4" << QRect(15, 0, 771, 461);
        QTest::newRow("g4_label") << "g4_label" << QRect(20, 20, 711, 21);
        QTest::newRow("gridLayoutWidget_4") << "gridLayoutWidget_4" << QRect(20, 50, 461, 191);
        QTest::newRow("vocabulaire5") << "vocabulaire5" << QRect(15, 0, 771, 491);
        QTest::newRow("label_49") << "label_49" << QRect(20, 20, 711, 21);
        QTest::newRow("gridLayoutWidget_5") << "gridLayoutWidget_5" << QRect(20, 50, 431, 311);
        QTest::newRow("vocabulaire5_2") << "vocabulaire5_2" << QRect(15, 0, 771, 491);
        QTest::newRow("label_50") << "label_50" << QRect(20, 20, 711, 21);
        QTest::newRow("gridLayoutWidget_6") << "gridLayoutWidget_6" << QRect(20, 50, 741, 431);
    }

    void geometry()
    {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        auto w = freshWindow();
        QWidget *widget = child<QWidget>(w.get(), qPrintable(name));
        QCOMPARE(widget->geometry(), rect);
        if (name.startsWith(QLatin1String("vocabulaire")))
            QCOMPARE(widget->styleSheet(), panelStyle);
        if (name.startsWith(QLatin1String("gridLayoutWidget"))) {
            QCOMPARE(widget->font().pointSize(), 12);
            QCOMPARE(widget->font().resolve(), uint(QFont::SizeResolved));
        }
    }

    void layout_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("spacing");
        QTest::addColumn<int>("margin");
        QTest::addColumn<int>("constraint");
        QTest::addColumn<int>("stretch1");   // column 0 always has 50
        QTest::newRow("gridLayout") << 2 << "gridLayout" << 6 << 0 << int(QLayout::SetDefaultConstraint) << 50;
        QTest::newRow("gridLayout_3") << 3 << "gridLayout_3" << 0 << 0 << int(QLayout::SetDefaultConstraint) << 50;
        QTest::newRow("gridLayout_4") << 4 << "gridLayout_4" << 6 << 0 << int(QLayout::SetDefaultConstraint) << 50;
        QTest::newRow("gridLayout_5") << 5 << "gridLayout_5" << 6 << 6 << int(QLayout::SetNoConstraint) << 0;
        QTest::newRow("gridLayout_8") << 6 << "gridLayout_8" << 6 << 6 << int(QLayout::SetNoConstraint) << 50;
    }

    void layout()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(int, spacing);
        QFETCH(int, margin);
        QFETCH(int, constraint);
        QFETCH(int, stretch1);
        auto w = freshWindow();
        QVERIFY(goToPage(w.get(), index));
        auto *grid = w->findChild<QGridLayout *>(name);
        QVERIFY(grid);
        QCOMPARE(grid->horizontalSpacing(), spacing);
        QCOMPARE(grid->verticalSpacing(), spacing);
        QCOMPARE(grid->contentsMargins(), QMargins(margin, margin, margin, margin));
        QCOMPARE(int(grid->sizeConstraint()), constraint);
        QCOMPARE(grid->columnCount(), 2);
        QCOMPARE(grid->columnStretch(0), 50);
        QCOMPARE(grid->columnStretch(1), stretch1);
        // On screen: the columns stand the spacing apart, the grid keeps its left margin.
        QCOMPARE(grid->cellRect(0, 1).left() - grid->cellRect(0, 0).right() - 1, spacing);
        QCOMPARE(grid->cellRect(0, 0).left(), margin);
    }

    // ---- item labels and their lists ------------------------------------

    void items_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("spoken");   // accessible name of the list
        auto row = [](int index, const char *label, const char *list, int r, const QString &text, const QString &spoken) {
            QTest::newRow(label) << index << QString::fromLatin1(label) << QString::fromLatin1(list) << r << text
                                 << spoken;
        };
        row(2, "voc2_1", "cbv2_1", 0, "1) centraliser  les renseignements  ", "1) centraliser les renseignements");
        row(2, "voc2_2", "cbv2_2", 1, "2) servir de liaison           ", "2) servir de liaison");
        row(2, "voc2_3", "cbv2_3", 2, "3) la livraison surveillée   ", "3) la livraison surveillée");
        row(2, "voc2_4", "cbv2_4", 3, "4) une opération d'infiltration  ", "4) une opération d'infiltration");
        row(2, "voc2_5", "cbv2_5", 4, "5) apporter un concours      ", "5) apporter un concours");
        row(3, "voc3_1", "cbv3_1", 0, "1) un stupéfiant ", "1) un stupéfiant");
        row(3, "voc3_2", "cbv3_2", 1, "2) centraliser ", "2) centraliser");
        row(3, "voc3_3", "cbv3_3", 2, "3) une infiltration  ", "3) une infiltration");
        row(3, "voc3_4", "cbv3_4", 3, "4) apporter son concours  ", "4) apporter son concours");
        row(3, "voc3_5", "cbv3_5", 4, "5) fournir  ", "5) fournir");
        row(4, "label_4_1", "cbg4_1", 0, "1) présenter  ", "1) présenter");
        row(4, "label_4_2", "cbg4_2", 1, "2) lutter  ", "2) lutter");
        row(4, "label_4_3", "cbg4_3", 2, "3) coordonner  ", "3) coordonner");
        row(4, "label_4_4", "cbg4_4", 3, "4) s'appuyer   ", "4) s'appuyer");
        row(4, "label_4_5", "cbg4_5", 4, "5) participer  ", "5) participer");
        row(5, "label_5_1", "cbg5_1", 0, "1) barbituriques", "1) barbituriques");
        row(5, "label_5_2", "cbg5_2", 1, "2) Cannabis ", "2) Cannabis");
        row(5, "label_5_3", "cbg5_3", 2, "3) Morphine ", "3) Morphine");
        row(5, "label_5_4", "cbg5_4", 3, "4) Kétamine", "4) Kétamine");
        row(5, "label_5_5", "cbg5_5", 4, "5) Ecstasy", "5) Ecstasy");
        row(5, "label_5_11", "cbg5_6", 5, "6) LSD ", "6) LSD");
        row(5, "label_5_12", "cbg5_7", 6, "7) champignons", "7) champignons");
        row(5, "label_5_13", "cbg5_8", 7, "8) Crack", "8) Crack");
        row(5, "label_5_14", "cbg5_9", 8, "9) Héroïne ", "9) Héroïne");
        row(5, "label_5_15", "cbg5_10", 9, "10) Cocaïne", "10) Cocaïne");
        const QString s1 = QString::fromUtf8(
            "1. La personne arrêtée comme soupçonnée d\u2019 ... une infraction a le droit de recourir contre "
            "les actes de l\u2019enquêteur, de l\u2019instructeur ou du procureur.");
        const QString s2 = QString::fromUtf8(
            "2. La peine capitale n\u2019est pas appliquable aux personnes ... l\u2019âge de 18 ans au moment du crime.");
        const QString s3 = QString::fromUtf8(
            "3. ... la peine applicable aux coupables associés on tient compte du dégré et du caractère de la "
            "participation de chacun d\u2019eux à l\u2019accomplissement du crime.");
        const QString s4 = QString::fromUtf8(
            "4. Les États membres de la conférence européenne sur la sécurité et la coopération  ... la valeur "
            "universelle du principe des droits de l\u2019homme ont réaffirmé dans l\u2019Acte final \u00AB le droit "
            "des personnes de connaîttre leurs droits et obligations \u00BB.");
        const QString s5 = QString::fromUtf8(
            "5. Lorsque un individu commet un second délit ..., cela prouve la première peine était insuffisante "
            "pour l\u2019ammender.");
        row(6, "label_5_8", "cbg6_1", 0, s1, s1);
        row(6, "label_5_6", "cbg6_2", 1, s2, s2);
        row(6, "label_5_7", "cbg6_3", 2, s3, s3);
        row(6, "label_5_10", "cbg6_4", 3, s4, QString(s4).replace(QStringLiteral("coopération  ..."),
                                                                  QStringLiteral("coopération ...")));
        row(6, "label_5_9", "cbg6_5", 4, s5, s5);
    }

    void items()
    {
        QFETCH(int, index);
        QFETCH(QString, label);
        QFETCH(QString, list);
        QFETCH(int, row);
        QFETCH(QString, text);
        QFETCH(QString, spoken);
        auto w = freshWindow();
        QVERIFY(goToPage(w.get(), index));
        QLabel *item = testutil::label(w.get(), qPrintable(label));
        QComboBox *answer = testutil::list(w.get(), qPrintable(list));

        QCOMPARE(item->text(), itemHtml(text));
        QCOMPARE(item->styleSheet(), itemLabelStyle);
        QVERIFY(item->wordWrap());
        QCOMPARE(item->textFormat(), Qt::AutoText);
        QCOMPARE(item->font().family(), QStringLiteral("Trebuchet MS"));
        QCOMPARE(item->font().pointSize(), 10);
        QCOMPARE(item->font().weight(), 50);
        QVERIFY(!item->font().italic());
        QCOMPARE(answer->accessibleName(), spoken);

        // The item and its list share a row: label in column 0, list in column 1, one cell each.
        auto *grid = qobject_cast<QGridLayout *>(item->parentWidget()->layout());
        QVERIFY(grid);
        int r, c, rs, cs;
        grid->getItemPosition(grid->indexOf(item), &r, &c, &rs, &cs);
        QCOMPARE(QVector<int>({r, c, rs, cs}), QVector<int>({row, 0, 1, 1}));
        QCOMPARE(grid->itemAtPosition(row, 0)->alignment(), Qt::Alignment());
        grid->getItemPosition(grid->indexOf(answer), &r, &c, &rs, &cs);
        QCOMPARE(QVector<int>({r, c, rs, cs}), QVector<int>({row, 1, 1, 1}));
        QCOMPARE(grid->itemAtPosition(row, 1)->alignment(), Qt::Alignment());

        // Nothing of the item is cut off on screen.
        QVERIFY2(item->heightForWidth(item->width()) <= item->height(),
                 qPrintable(QStringLiteral("needs %1 px, has %2").arg(item->heightForWidth(item->width()))
                                .arg(item->height())));
    }

    void headings_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("wraps");
        QTest::newRow("II") << 2 << "label_7"
                            << "II. Écrivez vis-à-vis des mots et expressions français leurs équivalents ukrainiens:"
                            << false;
        QTest::newRow("III") << 3 << "exv3"
                             << "III. Dans la liste de mots de la colonne droite trouvez les synonymes pour les "
                                "mots de la colonne gauche:"
                             << true;
        QTest::newRow("IV") << 4 << "g4_label" << "IV. Groupez les mots  qui vont ensemble: " << false;
        QTest::newRow("V") << 5 << "label_49" << "V. Distribuez les drogues en trois colonnes selon leurs effets:"
                           << false;
        QTest::newRow("VI") << 6 << "label_50"
                            << "VI. Complétez les phrases par les formes impersonnelles du verbe  suivantes:"
                            << false;
    }

    void headings()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(bool, wraps);
        auto w = freshWindow();
        QVERIFY(goToPage(w.get(), index));
        QLabel *heading = label(w.get(), qPrintable(name));
        QCOMPARE(heading->text(), headingHtml(text));
        QCOMPARE(heading->styleSheet(), transparentStyle);
        QCOMPARE(heading->wordWrap(), wraps);
        if (wraps)
            QVERIFY(heading->heightForWidth(heading->width()) <= heading->height());
        else
            QVERIFY2(heading->sizeHint().width() <= heading->width(),
                     qPrintable(QString::number(heading->sizeHint().width())));
    }

    // ---- answer lists ---------------------------------------------------

    void lists_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QSize>("minimum");
        QTest::addColumn<int>("visible");
        QTest::addColumn<int>("icon");
        QTest::newRow("II") << 2 << QSize(1, 0) << 5 << 25;
        QTest::newRow("III") << 3 << QSize(1, 0) << 5 << 25;
        QTest::newRow("IV") << 4 << QSize(0, 0) << 10 << 20;   // toolkit default: all five show
        QTest::newRow("V") << 5 << QSize(0, 0) << 3 << 20;
        QTest::newRow("VI") << 6 << QSize(0, 0) << 5 << 20;
    }

    void lists()
    {
        QFETCH(int, index);
        QFETCH(QSize, minimum);
        QFETCH(int, visible);
        QFETCH(int, icon);
        auto w = freshWindow();
        QVERIFY(goToPage(w.get(), index));
        const QStringList expected = options(index);
        for (const QString &name : listsOfPage(index)) {
            QComboBox *c = list(w.get(), qPrintable(name));
            QCOMPARE(c->count(), expected.size());
            for (int i = 0; i < expected.size(); ++i)
                QCOMPARE(c->itemText(i), expected[i]);
            QVERIFY(!c->isEditable());
            QCOMPARE(c->currentIndex(), -1);
            QCOMPARE(c->currentText(), QString());
            QCOMPARE(c->maxVisibleItems(), visible);
            QVERIFY(c->maxVisibleItems() >= c->count());
            QCOMPARE(c->iconSize(), QSize(icon, icon));
            QCOMPARE(c->insertPolicy(), QComboBox::InsertAtBottom);
            QCOMPARE(c->styleSheet(), answerListStyle);
            QCOMPARE(c->minimumSize(), minimum);
            QCOMPARE(c->maximumSize(), QSize(16777215, 16777215));

            // Every option shows whole in the list's field.
            for (int i = 0; i < c->count(); ++i)
                QVERIFY2(optionShowsWhole(c, i), qPrintable(name + QLatin1String(": ") + c->itemText(i)));
            c->setCurrentIndex(-1);
        }
    }

    void selectionSurvivesNavigation_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("text");
        QTest::newRow("cbv2_3") << 2 << "cbv2_3" << 0 << "a) бути  сполучною ланкою";
        QTest::newRow("cbv3_5") << 3 << "cbv3_5" << 4 << "e) rassembler";
        QTest::newRow("cbg4_4") << 4 << "cbg4_4" << 4 << "e) contre le  trafic de stupéfiants";
        QTest::newRow("cbg5_10") << 5 << "cbg5_10" << 1 << "Les hallucinogènes ";
        QTest::newRow("cbg6_2") << 6 << "cbg6_2" << 2 << QString::fromUtf8("c) n\u2019ayant pas atteint ");
    }

    void selectionSurvivesNavigation()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(int, choice);
        QFETCH(QString, text);
        auto w = freshWindow();
        QVERIFY(goToPage(w.get(), index));
        QComboBox *c = list(w.get(), qPrintable(name));
        QVERIFY(choose(c, choice));
        QCOMPARE(c->currentText(), text);
        // Next and back (Back and on from the last page), then all the way to exercise I and back.
        if (index < 6) {
            QVERIFY(next(w.get()) && back(w.get()));
        } else {
            QVERIFY(back(w.get()) && next(w.get()));
        }
        QVERIFY(goToPage(w.get(), 1));
        QVERIFY(goToPage(w.get(), index));
        QCOMPARE(c->currentIndex(), choice);
        QCOMPARE(c->currentText(), text);
        for (const QString &other : listsOfPage(index))
            if (other != name)
                QCOMPARE(list(w.get(), qPrintable(other))->currentIndex(), -1);
    }

    void sameOptionInEveryList_data()
    {
        QTest::addColumn<int>("index");
        for (int page = 2; page <= 6; ++page)
            QTest::newRow(qPrintable(QString::number(page))) << page;
    }

    void sameOptionInEveryList()
    {
        QFETCH(int, index);
        auto w = freshWindow();
        QVERIFY(goToPage(w.get(), index));
        const QStringList names = listsOfPage(index);
        for (const QString &name : names)
            QVERIFY(choose(list(w.get(), qPrintable(name)), 1));
        for (const QString &name : names)
            QCOMPARE(list(w.get(), qPrintable(name))->currentText(), options(index)[1]);
    }

    void typingAddsNothing()
    {
        auto w = freshWindow();
        for (int page = 2; page <= 6; ++page) {
            QVERIFY(goToPage(w.get(), page));
            QComboBox *c = list(w.get(), qPrintable(listsOfPage(page).first()));
            QTest::keyClicks(c, QStringLiteral("Zx"));
            QTest::keyClick(c, Qt::Key_Return);
            QCOMPARE(c->count(), options(page).size());
            QVERIFY(!c->lineEdit());
            for (int i = 0; i < c->count(); ++i)
                QCOMPARE(c->itemText(i), options(page)[i]);
        }
    }

    void classKeepsTrailingBlank()
    {
        auto w = freshWindow();
        QVERIFY(goToPage(w.get(), 5));
        QComboBox *c = list(w.get(), "cbg5_2");
        QVERIFY(choose(c, 0));
        QCOMPARE(c->currentText(), QStringLiteral("Les stimulants "));
        QCOMPARE(c->currentText().size(), 15);
    }

    void tabFollowsRows_data() { sameOptionInEveryList_data(); }

    void tabFollowsRows()
    {
        QFETCH(int, index);
        auto w = freshWindow();
        QVERIFY(goToPage(w.get(), index));
        QVERIFY(activate(w.get()));
        const QStringList names = listsOfPage(index);
        list(w.get(), qPrintable(names.first()))->setFocus(Qt::TabFocusReason);
        for (int i = 1; i < names.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), names[i]);
        }
    }
};

QTEST_MAIN(ListPagesTest)
#include "tst_list_pages.moc"
