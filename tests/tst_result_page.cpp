// The result page as built, before Finish: widget tree, creation order,
// geometry, fonts, styles, layouts, tab titles and empty texts.
#include "testutil.h"

#include <QtWidgets/QGridLayout>
#include <QtWidgets/QTabWidget>
#include <QtWidgets/QVBoxLayout>

using namespace testutil;

namespace {

const QString scoreStyle = QStringLiteral("font: bold 16pt \"Trebuchet MS\";\ncolor: #fff;");
const QString headingStyle = QStringLiteral("border: 1px solid #000;\nfont: 10pt \"Trebuchet MS\";\nbackground: #fff;\n");
const QString headingStyleShort = QStringLiteral("border: 1px solid #000;\nfont: 10pt \"Trebuchet MS\";\nbackground: #fff;");
const QString cellStyle = QStringLiteral("border: 1px solid #000;\nbackground: #fff;\n");

enum Role { Page, Holder, Layout, Score, Value, Heading, ShortHeading, ReviewCell, Tabs };

struct Member
{
    const char *name;
    const char *className;
    const char *parent;   // for layouts: the widget they lay out; for tab pages: none
    Role role;
};

// Every member of the page in the order the page is built.
const Member members[] = {
    {"result", "QWidget", "stackedWidget", Page},
    {"label_88", "QLabel", "result", Score},
    {"label_mark", "QLabel", "result", Value},
    {"label_89", "QLabel", "result", Score},
    {"label_mark_2", "QLabel", "result", Value},
    {"tabWidget", "QTabWidget", "result", Tabs},
    // tab 1
    {"resultl1_2", "QWidget", nullptr, Page},
    {"layoutWidget_2", "QWidget", "resultl1_2", Holder},
    {"verticalLayout_3", "QVBoxLayout", "layoutWidget_2", Layout},
    {"exl1_2", "QLabel", "layoutWidget_2", Heading},
    {"exl1_2_1", "QLabel", "layoutWidget_2", ReviewCell}, {"res", "QLabel", "layoutWidget_2", ReviewCell},
    {"exl1_2_2", "QLabel", "layoutWidget_2", ReviewCell}, {"res_2", "QLabel", "layoutWidget_2", ReviewCell},
    {"exl1_2_3", "QLabel", "layoutWidget_2", ReviewCell}, {"res_3", "QLabel", "layoutWidget_2", ReviewCell},
    {"exl1_2_4", "QLabel", "layoutWidget_2", ReviewCell}, {"res_4", "QLabel", "layoutWidget_2", ReviewCell},
    {"exl1_2_5", "QLabel", "layoutWidget_2", ReviewCell}, {"res_5", "QLabel", "layoutWidget_2", ReviewCell},
    // tab 2
    {"resultv2", "QWidget", nullptr, Page},
    {"layoutWidget_3", "QWidget", "resultv2", Holder},
    {"verticalLayout_9", "QVBoxLayout", "layoutWidget_3", Layout},
    {"exv_2", "QLabel", "layoutWidget_3", ShortHeading},
    {"exv2_1", "QLabel", "layoutWidget_3", ReviewCell}, {"res_2_1", "QLabel", "layoutWidget_3", ReviewCell},
    {"exv2_2", "QLabel", "layoutWidget_3", ReviewCell}, {"res_2_2", "QLabel", "layoutWidget_3", ReviewCell},
    {"exv2_3", "QLabel", "layoutWidget_3", ReviewCell}, {"res_2_3", "QLabel", "layoutWidget_3", ReviewCell},
    {"exv2_4", "QLabel", "layoutWidget_3", ReviewCell}, {"res_2_4", "QLabel", "layoutWidget_3", ReviewCell},
    {"exv2_5", "QLabel", "layoutWidget_3", ReviewCell}, {"res_2_5", "QLabel", "layoutWidget_3", ReviewCell},
    {"exv2_6", "QLabel", "layoutWidget_3", ReviewCell}, {"res_2_6", "QLabel", "layoutWidget_3", ReviewCell},
    {"exv2_7", "QLabel", "layoutWidget_3", ReviewCell}, {"res_2_7", "QLabel", "layoutWidget_3", ReviewCell},
    {"exv2_8", "QLabel", "layoutWidget_3", ReviewCell}, {"res_2_8", "QLabel", "layoutWidget_3", ReviewCell},
    {"exv2_9", "QLabel", "layoutWidget_3", ReviewCell}, {"res_2_9", "QLabel", "layoutWidget_3", ReviewCell},
    {"exv2_10", "QLabel", "layoutWidget_3", ReviewCell}, {"res_2_10", "QLabel", "layoutWidget_3", ReviewCell},
    // tab 3
    {"tab", "QWidget", nullptr, Page},
    {"layoutWidget_4", "QWidget", "tab", Holder},
    {"verticalLayout_10", "QVBoxLayout", "layoutWidget_4", Layout},
    {"exv_3", "QLabel", "layoutWidget_4", Heading},
    {"exv3_1", "QLabel", "layoutWidget_4", ReviewCell}, {"res_3_1", "QLabel", "layoutWidget_4", ReviewCell},
    {"exv3_2", "QLabel", "layoutWidget_4", ReviewCell}, {"res_3_2", "QLabel", "layoutWidget_4", ReviewCell},
    {"exv3_3", "QLabel", "layoutWidget_4", ReviewCell}, {"res_3_3", "QLabel", "layoutWidget_4", ReviewCell},
    {"exv3_4", "QLabel", "layoutWidget_4", ReviewCell}, {"res_3_4", "QLabel", "layoutWidget_4", ReviewCell},
    {"exv3_5", "QLabel", "layoutWidget_4", ReviewCell}, {"res_3_5", "QLabel", "layoutWidget_4", ReviewCell},
    {"exv3_6", "QLabel", "layoutWidget_4", ReviewCell}, {"res_3_6", "QLabel", "layoutWidget_4", ReviewCell},
    {"exv3_7", "QLabel", "layoutWidget_4", ReviewCell}, {"res_3_7", "QLabel", "layoutWidget_4", ReviewCell},
    {"exv3_8", "QLabel", "layoutWidget_4", ReviewCell}, {"res_3_8", "QLabel", "layoutWidget_4", ReviewCell},
    {"exv3_9", "QLabel", "layoutWidget_4", ReviewCell}, {"res_3_9", "QLabel", "layoutWidget_4", ReviewCell},
    {"exv3_10", "QLabel", "layoutWidget_4", ReviewCell}, {"res_3_10", "QLabel", "layoutWidget_4", ReviewCell},
    // tab 4
    {"tab_2", "QWidget", nullptr, Page},
    {"exg_4", "QLabel", "tab_2", Heading},
    {"layoutWidget", "QWidget", "tab_2", Holder},
    {"gridLayout_7", "QGridLayout", "layoutWidget", Layout},
    {"exg_4_1", "QLabel", "layoutWidget", ReviewCell}, {"res_4_1", "QLabel", "layoutWidget", ReviewCell},
    {"exg_4_2", "QLabel", "layoutWidget", ReviewCell}, {"res_4_2", "QLabel", "layoutWidget", ReviewCell},
    {"exg_4_3", "QLabel", "layoutWidget", ReviewCell}, {"res_4_3", "QLabel", "layoutWidget", ReviewCell},
    {"exg_4_4", "QLabel", "layoutWidget", ReviewCell}, {"res_4_4", "QLabel", "layoutWidget", ReviewCell},
    {"exg_4_5", "QLabel", "layoutWidget", ReviewCell}, {"res_4_5", "QLabel", "layoutWidget", ReviewCell},
    // tab 5: answer cells first, not in row order, then the item cells
    {"tab_3", "QWidget", nullptr, Page},
    {"exg_5", "QLabel", "tab_3", Heading},
    {"layoutWidget_6", "QWidget", "tab_3", Holder},
    {"gridLayout_6", "QGridLayout", "layoutWidget_6", Layout},
    {"res_5_6", "QLabel", "layoutWidget_6", ReviewCell}, {"res_5_10", "QLabel", "layoutWidget_6", ReviewCell},
    {"res_5_8", "QLabel", "layoutWidget_6", ReviewCell}, {"res_5_9", "QLabel", "layoutWidget_6", ReviewCell},
    {"res_5_7", "QLabel", "layoutWidget_6", ReviewCell}, {"res_5_2", "QLabel", "layoutWidget_6", ReviewCell},
    {"res_5_3", "QLabel", "layoutWidget_6", ReviewCell}, {"res_5_4", "QLabel", "layoutWidget_6", ReviewCell},
    {"res_5_5", "QLabel", "layoutWidget_6", ReviewCell}, {"res_5_1", "QLabel", "layoutWidget_6", ReviewCell},
    {"exg_5_1", "QLabel", "layoutWidget_6", ReviewCell}, {"exg_5_2", "QLabel", "layoutWidget_6", ReviewCell},
    {"exg_5_3", "QLabel", "layoutWidget_6", ReviewCell}, {"exg_5_4", "QLabel", "layoutWidget_6", ReviewCell},
    {"exg_5_5", "QLabel", "layoutWidget_6", ReviewCell}, {"exg_5_6", "QLabel", "layoutWidget_6", ReviewCell},
    {"exg_5_7", "QLabel", "layoutWidget_6", ReviewCell}, {"exg_5_8", "QLabel", "layoutWidget_6", ReviewCell},
    {"exg_5_9", "QLabel", "layoutWidget_6", ReviewCell}, {"exg_5_10", "QLabel", "layoutWidget_6", ReviewCell},
    // tab 6: heading after the grid
    {"tab_4", "QWidget", nullptr, Page},
    {"layoutWidget_7", "QWidget", "tab_4", Holder},
    {"gridLayout_9", "QGridLayout", "layoutWidget_7", Layout},
    {"res_6_1", "QLabel", "layoutWidget_7", ReviewCell}, {"res_6_2", "QLabel", "layoutWidget_7", ReviewCell},
    {"res_6_3", "QLabel", "layoutWidget_7", ReviewCell}, {"res_6_4", "QLabel", "layoutWidget_7", ReviewCell},
    {"res_6_5", "QLabel", "layoutWidget_7", ReviewCell},
    {"exg_6", "QLabel", "tab_4", Heading},
};

const char *const tabPages[] = {"resultl1_2", "resultv2", "tab", "tab_2", "tab_3", "tab_4"};

QObject *object(QWidget *w, const char *name)
{
    return w->findChild<QObject *>(QString::fromLatin1(name));
}

// The widget a member hangs from: for a layout, the widget it lays out.
QObject *owner(QObject *o)
{
    if (auto *layout = qobject_cast<QLayout *>(o))
        return layout->parentWidget();
    return o->parent();
}

// The labels of the page, in member order.
QList<QLabel *> pageLabels(QWidget *w)
{
    QList<QLabel *> labels;
    for (const Member &m : members)
        if (auto *l = qobject_cast<QLabel *>(object(w, m.name)))
            labels << l;
    return labels;
}

} // namespace

class ResultPageTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepare(); }

    void membersClassesAndParents()
    {
        auto w = freshWindow();
        QCOMPARE(int(sizeof members / sizeof members[0]), 115);
        QCOMPARE(pageLabels(w.get()).size(), 4 + 11 + 21 + 21 + 11 + 21 + 6);
        for (const Member &m : members) {
            QObject *o = object(w.get(), m.name);
            QVERIFY2(o, m.name);
            QCOMPARE(o->metaObject()->className(), m.className);
            if (m.parent)
                QCOMPARE(owner(o)->objectName(), QString::fromLatin1(m.parent));
        }
        auto *result = object(w.get(), "result");
        QCOMPARE(stack(w.get())->indexOf(static_cast<QWidget *>(result)), 7);
    }

    // Within each parent, the children appear in the order they were created.
    void creationOrder()
    {
        auto w = freshWindow();
        QMap<QObject *, QStringList> expected;
        for (const Member &m : members) {
            QObject *o = object(w.get(), m.name);
            if (m.parent && m.role != Layout && m.role != Page)
                expected[o->parent()] << QString::fromLatin1(m.name);
        }
        // Layouts are children of the widget they lay out, created before its labels.
        for (const Member &m : members)
            if (m.role == Layout)
                expected[owner(object(w.get(), m.name))].prepend(QString::fromLatin1(m.name));
        for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
            QStringList actual;
            for (QObject *c : it.key()->children())
                if (!c->objectName().isEmpty() && !c->objectName().startsWith(QLatin1String("qt_")))
                    actual << c->objectName();
            QCOMPARE(actual, it.value());
        }
    }

    void tabsInOrderWithTitles()
    {
        auto w = freshWindow();
        auto *tabs = child<QTabWidget>(w.get(), "tabWidget");
        QCOMPARE(tabs->count(), 6);
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(tabs->tabPosition(), QTabWidget::North);
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(tabs->widget(i)->objectName(), QString::fromLatin1(tabPages[i]));
            QCOMPARE(tabs->tabText(i), QStringLiteral("Завдання %1").arg(i + 1));
        }
    }

    void geometry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("label_88") << "label_88" << QRect(20, 0, 181, 21);
        QTest::newRow("label_mark") << "label_mark" << QRect(210, 0, 71, 21);
        QTest::newRow("label_89") << "label_89" << QRect(310, 0, 121, 21);
        QTest::newRow("label_mark_2") << "label_mark_2" << QRect(430, 0, 101, 21);
        QTest::newRow("tabWidget") << "tabWidget" << QRect(10, 20, 781, 461);
        QTest::newRow("layoutWidget_2") << "layoutWidget_2" << QRect(0, 0, 771, 391);
        QTest::newRow("layoutWidget_3") << "layoutWidget_3" << QRect(0, 1, 771, 431);
        QTest::newRow("layoutWidget_4") << "layoutWidget_4" << QRect(0, 0, 771, 431);
        QTest::newRow("exg_4") << "exg_4" << QRect(0, 0, 769, 31);
        QTest::newRow("layoutWidget") << "layoutWidget" << QRect(0, 40, 621, 161);
        QTest::newRow("exg_5") << "exg_5" << QRect(0, 0, 769, 26);
        QTest::newRow("layoutWidget_6") << "layoutWidget_6" << QRect(0, 28, 491, 291);
        QTest::newRow("layoutWidget_7") << "layoutWidget_7" << QRect(0, 40, 381, 171);
        QTest::newRow("exg_6") << "exg_6" << QRect(0, 0, 769, 26);
    }

    void geometry()
    {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        auto w = freshWindow();
        // Every tab is laid out once it has been on screen.
        auto *tabs = child<QTabWidget>(w.get(), "tabWidget");
        stack(w.get())->setCurrentIndex(7);
        for (int i = 5; i >= 0; --i)
            tabs->setCurrentIndex(i);
        QApplication::processEvents();
        QCOMPARE(child<QWidget>(w.get(), name.toLatin1().constData())->geometry(), rect);
    }

    // Style, font, word wrap and alignment of every label, by role.
    void labelLook()
    {
        auto w = freshWindow();
        for (const Member &m : members) {
            auto *l = qobject_cast<QLabel *>(object(w.get(), m.name));
            if (!l)
                continue;
            const QByteArray name(m.name);
            const bool inTab = m.role == Heading || m.role == ShortHeading || m.role == ReviewCell;
            QVERIFY2(l->wordWrap() == inTab, name);
            QVERIFY2(l->testAttribute(Qt::WA_SetFont) == inTab, name);
            QVERIFY2(l->textFormat() == Qt::AutoText, name);
            QVERIFY2(l->alignment() == (Qt::AlignLeft | Qt::AlignVCenter), name);
            switch (m.role) {
            case Score:
            case Value:
                QVERIFY2(l->styleSheet() == scoreStyle, name);
                break;
            case Heading:
            case ShortHeading:
                QVERIFY2(l->styleSheet() == (m.role == Heading ? headingStyle : headingStyleShort), name);
                QVERIFY2(l->font().family() == QLatin1String("Trebuchet MS"), name);
                QVERIFY2(l->font().pointSize() == 10, name);
                break;
            default:
                QVERIFY2(l->styleSheet() == cellStyle, name);
                QVERIFY2(l->font().family() == QLatin1String("Trebuchet MS"), name);
                QVERIFY2(l->font().pointSize() == 9, name);
                QVERIFY2(!l->font().bold() && !l->font().italic(), name);
                break;
            }
        }
    }

    void boxLayouts_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<int>("spacing");
        QTest::addColumn<QStringList>("order");
        QStringList one{"exl1_2"};
        for (int k = 1; k <= 5; ++k)
            one << QStringLiteral("exl1_2_%1").arg(k) << (k == 1 ? QStringLiteral("res") : QStringLiteral("res_%1").arg(k));
        QStringList two{"exv_2"}, three{"exv_3"};
        for (int k = 1; k <= 10; ++k) {
            two << QStringLiteral("exv2_%1").arg(k) << QStringLiteral("res_2_%1").arg(k);
            three << QStringLiteral("exv3_%1").arg(k) << QStringLiteral("res_3_%1").arg(k);
        }
        QTest::newRow("tab 1") << "verticalLayout_3" << 2 << one;
        QTest::newRow("tab 2") << "verticalLayout_9" << 0 << two;
        QTest::newRow("tab 3") << "verticalLayout_10" << 0 << three;
    }

    void boxLayouts()
    {
        QFETCH(QString, layout);
        QFETCH(int, spacing);
        QFETCH(QStringList, order);
        auto w = freshWindow();
        auto *box = w->findChild<QVBoxLayout *>(layout);
        QVERIFY(box);
        QCOMPARE(box->spacing(), spacing);
        QCOMPARE(box->contentsMargins(), QMargins(0, 0, 0, 0));
        QCOMPARE(box->count(), order.size());
        for (int i = 0; i < box->count(); ++i) {
            QCOMPARE(box->itemAt(i)->widget()->objectName(), order.at(i));
            QCOMPARE(box->stretch(i), 0);
            QCOMPARE(int(box->itemAt(i)->alignment()), 0);
        }
    }

    void gridCells_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QStringList>("order");    // as inserted
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QList<int>>("columns");
        QTest::addColumn<QList<int>>("stretches");
        QStringList four;
        QList<int> fourRows, fourColumns;
        for (int k = 1; k <= 5; ++k) {
            four << QStringLiteral("exg_4_%1").arg(k) << QStringLiteral("res_4_%1").arg(k);
            fourRows << k - 1 << k - 1;
            fourColumns << 0 << 1;
        }
        QTest::newRow("tab 4") << "gridLayout_7" << four << fourRows << fourColumns << QList<int>{80, 20};
        QTest::newRow("tab 5") << "gridLayout_6"
            << QStringList{"res_5_6", "res_5_10", "res_5_8", "res_5_9", "res_5_7", "res_5_2", "res_5_3",
                           "res_5_4", "res_5_5", "res_5_1", "exg_5_1", "exg_5_2", "exg_5_3", "exg_5_4",
                           "exg_5_5", "exg_5_6", "exg_5_7", "exg_5_8", "exg_5_9", "exg_5_10"}
            << QList<int>{5, 9, 7, 8, 6, 1, 2, 3, 4, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9}
            << QList<int>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}
            << QList<int>{0, 0};
        QTest::newRow("tab 6") << "gridLayout_9"
            << QStringList{"res_6_1", "res_6_2", "res_6_3", "res_6_4", "res_6_5"}
            << QList<int>{0, 1, 2, 3, 4} << QList<int>{0, 0, 0, 0, 0} << QList<int>{0};
    }

    void gridCells()
    {
        QFETCH(QString, layout);
        QFETCH(QStringList, order);
        QFETCH(QList<int>, rows);
        QFETCH(QList<int>, columns);
        QFETCH(QList<int>, stretches);
        auto w = freshWindow();
        auto *grid = w->findChild<QGridLayout *>(layout);
        QVERIFY(grid);
        QCOMPARE(grid->horizontalSpacing(), 6);
        QCOMPARE(grid->verticalSpacing(), 6);
        QCOMPARE(grid->contentsMargins(), QMargins(0, 0, 0, 0));
        QCOMPARE(grid->count(), order.size());
        QCOMPARE(grid->columnCount(), stretches.size());
        for (int c = 0; c < stretches.size(); ++c)
            QCOMPARE(grid->columnStretch(c), stretches.at(c));
        for (int i = 0; i < grid->count(); ++i) {
            int row, column, rowSpan, columnSpan;
            grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
            QCOMPARE(grid->itemAt(i)->widget()->objectName(), order.at(i));
            QCOMPARE(row, rows.at(i));
            QCOMPARE(column, columns.at(i));
            QCOMPARE(rowSpan, 1);
            QCOMPARE(columnSpan, 1);
            QCOMPARE(int(grid->itemAt(i)->alignment()), 0);
        }
    }

    // Tab 5 shows row k as item k beside answer k, whatever order the cells were made in.
    void tabFiveRowsOnScreen()
    {
        auto w = freshWindow();
        stack(w.get())->setCurrentIndex(7);
        child<QTabWidget>(w.get(), "tabWidget")->setCurrentIndex(4);
        QApplication::processEvents();
        int previousY = -1;
        for (int k = 1; k <= 10; ++k) {
            QWidget *item = child<QWidget>(w.get(), QStringLiteral("exg_5_%1").arg(k).toLatin1().constData());
            QWidget *answer = child<QWidget>(w.get(), QStringLiteral("res_5_%1").arg(k).toLatin1().constData());
            QCOMPARE(item->y(), answer->y());
            QVERIFY(item->x() < answer->x());
            QVERIFY(item->y() > previousY);
            previousY = item->y();
        }
    }

    void textsBeforeFinish()
    {
        auto w = freshWindow();
        for (QLabel *l : pageLabels(w.get())) {
            if (l->objectName() == QLatin1String("label_88"))
                QCOMPARE(l->text(), QStringLiteral("Nombre de points:"));
            else if (l->objectName() == QLatin1String("label_89"))
                QCOMPARE(l->text(), QStringLiteral("Votre note:"));
            else
                QVERIFY2(l->text().isEmpty(), qPrintable(l->objectName()));
        }
        QCOMPARE(child<QTabWidget>(w.get(), "tabWidget")->currentIndex(), 0);
    }

    void captionsFit_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("label_88") << "label_88";
        QTest::newRow("label_89") << "label_89";
    }

    void captionsFit()
    {
        QFETCH(QString, name);
        auto w = freshWindow();
        stack(w.get())->setCurrentIndex(7);
        QApplication::processEvents();
        QLabel *l = label(w.get(), name.toLatin1().constData());
        QVERIFY2(l->sizeHint().width() <= l->width(),
                 qPrintable(QStringLiteral("%1 > %2").arg(l->sizeHint().width()).arg(l->width())));
    }
};

QTEST_MAIN(ResultPageTest)
#include "tst_result_page.moc"
