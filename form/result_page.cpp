// Result page (stack page 7): the score line and six review tabs, one per
// exercise. Every label here starts empty; Finish fills them.
#include "formstyles.h"
#include "mainwindowform.h"

using formstyles::tr;

namespace {

using F = MainWindowForm;

const char *const scoreStyle = "font: bold 16pt \"Trebuchet MS\";\ncolor: #fff;";
const char *const headingStyle =
    "border: 1px solid #000;\nfont: 10pt \"Trebuchet MS\";\nbackground: #fff;\n";
const char *const headingStyleShort =
    "border: 1px solid #000;\nfont: 10pt \"Trebuchet MS\";\nbackground: #fff;";
const char *const cellStyle = "border: 1px solid #000;\nbackground: #fff;\n";

QFont reviewFont(int pointSize)
{
    QFont font;
    font.setFamily(QStringLiteral("Trebuchet MS"));
    font.setPointSize(pointSize);
    return font;
}

// One label of a review tab: its member, its name and, in a grid, its cell.
struct Cell
{
    QLabel *F::*label;
    const char *name;
    int row;
    int column;
};

#define CELL(member) {&F::member, #member, 0, 0}
#define GRID_CELL(member, row, column) {&F::member, #member, row, column}

// Tabs 1 to 3: heading first, then item and answer cells alternating.
const Cell tabOne[] = {
    CELL(exl1_2),
    CELL(exl1_2_1), CELL(res), CELL(exl1_2_2), CELL(res_2), CELL(exl1_2_3), CELL(res_3),
    CELL(exl1_2_4), CELL(res_4), CELL(exl1_2_5), CELL(res_5),
};

const Cell tabTwo[] = {
    CELL(exv_2),
    CELL(exv2_1), CELL(res_2_1), CELL(exv2_2), CELL(res_2_2), CELL(exv2_3), CELL(res_2_3),
    CELL(exv2_4), CELL(res_2_4), CELL(exv2_5), CELL(res_2_5),
    // spare cells
    CELL(exv2_6), CELL(res_2_6), CELL(exv2_7), CELL(res_2_7), CELL(exv2_8), CELL(res_2_8),
    CELL(exv2_9), CELL(res_2_9), CELL(exv2_10), CELL(res_2_10),
};

const Cell tabThree[] = {
    CELL(exv_3),
    CELL(exv3_1), CELL(res_3_1), CELL(exv3_2), CELL(res_3_2), CELL(exv3_3), CELL(res_3_3),
    CELL(exv3_4), CELL(res_3_4), CELL(exv3_5), CELL(res_3_5),
    // spare cells
    CELL(exv3_6), CELL(res_3_6), CELL(exv3_7), CELL(res_3_7), CELL(exv3_8), CELL(res_3_8),
    CELL(exv3_9), CELL(res_3_9), CELL(exv3_10), CELL(res_3_10),
};

// Tabs 4 to 6: grid cells in creation order (tab 5 is not created row by row).
const Cell tabFour[] = {
    GRID_CELL(exg_4_1, 0, 0), GRID_CELL(res_4_1, 0, 1),
    GRID_CELL(exg_4_2, 1, 0), GRID_CELL(res_4_2, 1, 1),
    GRID_CELL(exg_4_3, 2, 0), GRID_CELL(res_4_3, 2, 1),
    GRID_CELL(exg_4_4, 3, 0), GRID_CELL(res_4_4, 3, 1),
    GRID_CELL(exg_4_5, 4, 0), GRID_CELL(res_4_5, 4, 1),
};

const Cell tabFive[] = {
    GRID_CELL(res_5_6, 5, 1), GRID_CELL(res_5_10, 9, 1), GRID_CELL(res_5_8, 7, 1),
    GRID_CELL(res_5_9, 8, 1), GRID_CELL(res_5_7, 6, 1), GRID_CELL(res_5_2, 1, 1),
    GRID_CELL(res_5_3, 2, 1), GRID_CELL(res_5_4, 3, 1), GRID_CELL(res_5_5, 4, 1),
    GRID_CELL(res_5_1, 0, 1),
    GRID_CELL(exg_5_1, 0, 0), GRID_CELL(exg_5_2, 1, 0), GRID_CELL(exg_5_3, 2, 0),
    GRID_CELL(exg_5_4, 3, 0), GRID_CELL(exg_5_5, 4, 0), GRID_CELL(exg_5_6, 5, 0),
    GRID_CELL(exg_5_7, 6, 0), GRID_CELL(exg_5_8, 7, 0), GRID_CELL(exg_5_9, 8, 0),
    GRID_CELL(exg_5_10, 9, 0),
};

const Cell tabSix[] = {
    GRID_CELL(res_6_1, 0, 0), GRID_CELL(res_6_2, 1, 0), GRID_CELL(res_6_3, 2, 0),
    GRID_CELL(res_6_4, 3, 0), GRID_CELL(res_6_5, 4, 0),
};

#undef CELL
#undef GRID_CELL

QWidget *namedWidget(QWidget *parent, const char *name)
{
    auto *widget = new QWidget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// The widget of one review tab, polished at once, while it has no cells: polishing the
// result page then stops at every tab, and the cells of a tab are polished when the tab
// is first shown. Finish writes the colour of every answer cell; a cell not polished yet
// only keeps the style sheet then, where a polished one is restyled at each write.
QWidget *reviewTab(const char *name)
{
    QWidget *tab = namedWidget(nullptr, name);
    tab->ensurePolished();
    return tab;
}

// A label of a tab: word wrap on, font and style as its role asks.
QLabel *reviewLabel(QWidget *parent, const char *name, const QRect *geometry, const QFont &font,
                    const char *style)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    if (geometry)
        label->setGeometry(*geometry);
    label->setFont(font);
    label->setStyleSheet(QString::fromUtf8(style));
    label->setWordWrap(true);
    return label;
}

// A label of the score line; a value (the points, the grade) is aligned left, centred in height.
QLabel *scoreLabel(QWidget *parent, const char *name, const QRect &geometry, bool alignedAsValue)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setStyleSheet(QString::fromUtf8(scoreStyle));
    if (alignedAsValue)
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

template <typename Layout>
Layout *boxLayout(QWidget *holder, const char *name, int spacing)
{
    auto *layout = new Layout(holder);
    layout->setObjectName(QString::fromLatin1(name));
    layout->setSpacing(spacing);
    layout->setContentsMargins(0, 0, 0, 0);
    return layout;
}

// Builds a heading and its cells one under the other in a vertical box.
template <int N>
void fillColumn(F *form, QWidget *holder, QVBoxLayout *layout, const Cell (&cells)[N],
                const char *heading)
{
    for (int i = 0; i < N; ++i) {
        const bool isHeading = i == 0;
        QLabel *label = reviewLabel(holder, cells[i].name, nullptr, reviewFont(isHeading ? 10 : 9),
                                    isHeading ? heading : cellStyle);
        form->*cells[i].label = label;
        layout->addWidget(label);
    }
}

template <int N>
void fillGrid(F *form, QWidget *holder, QGridLayout *layout, const Cell (&cells)[N])
{
    for (const Cell &cell : cells) {
        QLabel *label = reviewLabel(holder, cell.name, nullptr, reviewFont(9), cellStyle);
        form->*cell.label = label;
        layout->addWidget(label, cell.row, cell.column, 1, 1);
    }
}

QLabel *gridHeading(QWidget *tab, const char *name, const QRect &geometry)
{
    return reviewLabel(tab, name, &geometry, reviewFont(10), headingStyle);
}

template <int N>
void clearTexts(F *form, const Cell (&cells)[N])
{
    for (const Cell &cell : cells)
        (form->*cell.label)->setText(QString());
}

// Tabs 1 to 3: a heading and its cells in one column.
void addColumnTabs(F *form)
{
    QTabWidget *tabs = form->tabWidget;

    // Tab 1, exercise I
    form->resultl1_2 = reviewTab("resultl1_2");
    form->layoutWidget_2 = namedWidget(form->resultl1_2, "layoutWidget_2");
    form->layoutWidget_2->setGeometry(QRect(0, 0, 771, 391));
    form->verticalLayout_3 = boxLayout<QVBoxLayout>(form->layoutWidget_2, "verticalLayout_3", 2);
    fillColumn(form, form->layoutWidget_2, form->verticalLayout_3, tabOne, headingStyle);
    tabs->addTab(form->resultl1_2, QString());

    // Tab 2, exercise II
    form->resultv2 = reviewTab("resultv2");
    form->layoutWidget_3 = namedWidget(form->resultv2, "layoutWidget_3");
    form->layoutWidget_3->setGeometry(QRect(0, 1, 771, 431));
    form->verticalLayout_9 = boxLayout<QVBoxLayout>(form->layoutWidget_3, "verticalLayout_9", 0);
    fillColumn(form, form->layoutWidget_3, form->verticalLayout_9, tabTwo, headingStyleShort);
    tabs->addTab(form->resultv2, QString());

    // Tab 3, exercise III
    form->tab = reviewTab("tab");
    form->layoutWidget_4 = namedWidget(form->tab, "layoutWidget_4");
    form->layoutWidget_4->setGeometry(QRect(0, 0, 771, 431));
    form->verticalLayout_10 = boxLayout<QVBoxLayout>(form->layoutWidget_4, "verticalLayout_10", 0);
    fillColumn(form, form->layoutWidget_4, form->verticalLayout_10, tabThree, headingStyle);
    tabs->addTab(form->tab, QString());
}

// Tabs 4 to 6: a heading over a grid of cells.
void addGridTabs(F *form)
{
    QTabWidget *tabs = form->tabWidget;

    // Tab 4, exercise IV
    form->tab_2 = reviewTab("tab_2");
    form->exg_4 = gridHeading(form->tab_2, "exg_4", QRect(0, 0, 769, 31));
    form->layoutWidget = namedWidget(form->tab_2, "layoutWidget");
    form->layoutWidget->setGeometry(QRect(0, 40, 621, 161));
    form->gridLayout_7 = boxLayout<QGridLayout>(form->layoutWidget, "gridLayout_7", 6);
    fillGrid(form, form->layoutWidget, form->gridLayout_7, tabFour);
    form->gridLayout_7->setColumnStretch(0, 80);
    form->gridLayout_7->setColumnStretch(1, 20);
    tabs->addTab(form->tab_2, QString());

    // Tab 5, exercise V
    form->tab_3 = reviewTab("tab_3");
    form->exg_5 = gridHeading(form->tab_3, "exg_5", QRect(0, 0, 769, 26));
    form->layoutWidget_6 = namedWidget(form->tab_3, "layoutWidget_6");
    form->layoutWidget_6->setGeometry(QRect(0, 28, 491, 291));
    form->gridLayout_6 = boxLayout<QGridLayout>(form->layoutWidget_6, "gridLayout_6", 6);
    fillGrid(form, form->layoutWidget_6, form->gridLayout_6, tabFive);
    tabs->addTab(form->tab_3, QString());

    // Tab 6, exercise VI: the chosen words only, heading built after the grid
    form->tab_4 = reviewTab("tab_4");
    form->layoutWidget_7 = namedWidget(form->tab_4, "layoutWidget_7");
    form->layoutWidget_7->setGeometry(QRect(0, 40, 381, 171));
    form->gridLayout_9 = boxLayout<QGridLayout>(form->layoutWidget_7, "gridLayout_9", 6);
    fillGrid(form, form->layoutWidget_7, form->gridLayout_9, tabSix);
    form->exg_6 = gridHeading(form->tab_4, "exg_6", QRect(0, 0, 769, 26));
    tabs->addTab(form->tab_4, QString());
}

} // namespace

void MainWindowForm::setupResultPage()
{
    result = new QWidget();
    result->setObjectName(QStringLiteral("result"));
    label_88 = scoreLabel(result, "label_88", QRect(20, 0, 181, 21), false);
    label_mark = scoreLabel(result, "label_mark", QRect(210, 0, 71, 21), true);
    label_89 = scoreLabel(result, "label_89", QRect(310, 0, 121, 21), false);
    label_mark_2 = scoreLabel(result, "label_mark_2", QRect(430, 0, 101, 21), true);
    tabWidget = new QTabWidget(result);
    tabWidget->setObjectName(QStringLiteral("tabWidget"));
    tabWidget->setGeometry(QRect(10, 20, 781, 461));

    addColumnTabs(this);
    addGridTabs(this);

    // The score line and the tab frame are polished now, so Finish does not wait for them;
    // polishing stops at the tabs, whose cells wait for their tab to be shown.
    result->ensurePolished();
    formstyles::polishWhenShown(result);
    stackedWidget->addWidget(result);
}

void MainWindowForm::retranslateResultPage()
{
    label_88->setText(tr("Nombre de points:"));
    label_mark->setText(QString());
    label_89->setText(tr("Votre note:"));
    label_mark_2->setText(QString());

    clearTexts(this, tabOne);
    tabWidget->setTabText(tabWidget->indexOf(resultl1_2), tr("Завдання 1"));
    clearTexts(this, tabTwo);
    tabWidget->setTabText(tabWidget->indexOf(resultv2), tr("Завдання 2"));
    clearTexts(this, tabThree);
    tabWidget->setTabText(tabWidget->indexOf(tab), tr("Завдання 3"));
    exg_4->setText(QString());
    clearTexts(this, tabFour);
    tabWidget->setTabText(tabWidget->indexOf(tab_2), tr("Завдання 4"));
    exg_5->setText(QString());
    clearTexts(this, tabFive);
    tabWidget->setTabText(tabWidget->indexOf(tab_3), tr("Завдання 5"));
    clearTexts(this, tabSix);
    exg_6->setText(QString());
    tabWidget->setTabText(tabWidget->indexOf(tab_4), tr("Завдання 6"));
}
