// The answer-list pages (exercises II to VI) built and given their texts from their shapes
// and the core's tables.
#include "list_pages.h"
#include "formstyles.h"
#include "spoken.h"

#include <QtCore/QtMath>
#include <QtWidgets/QApplication>
#include <QtWidgets/QStyleOptionComboBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QStackedWidget>

namespace listpages {

namespace {

template <typename T, typename... Args>
T *create(MainWindowForm &form, const Named<T> &named, Args... parent)
{
    T *object = new T(parent...);
    object->setObjectName(QString::fromLatin1(named.name));
    form.*named.member = object;
    return object;
}

QLabel *createItemLabel(MainWindowForm &form, const exercises::ListItem &item, QWidget *grid)
{
    QLabel *label = create(form, Named<QLabel>{item.label, item.labelName}, grid);
    label->setFont(formstyles::itemFont());
    label->setStyleSheet(QString::fromUtf8(formstyles::itemLabel));
    label->setWordWrap(true);
    return label;
}

QComboBox *createAnswerList(MainWindowForm &form, const exercises::ListItem &item, QWidget *grid,
                            const ListProperties &properties)
{
    QComboBox *list = create(form, Named<QComboBox>{item.list, item.listName}, grid);
    if (properties.sizeLimits) {
        list->setMinimumSize(QSize(1, 0));
        list->setMaximumSize(QSize(16777215, 16777215));
    }
    list->setStyleSheet(QString::fromUtf8(formstyles::answerList));
    if (properties.maxVisibleItems > 0)
        list->setMaxVisibleItems(properties.maxVisibleItems);
    list->setInsertPolicy(QComboBox::InsertAtBottom);
    list->setIconSize(QSize(properties.iconSize, properties.iconSize));
    accessible::sayKeyedChoices(list);
    return list;
}

// The width the base style gives a list of these options in the item font, as a list without a
// style sheet works it out (the sum of Qt 5.15's QComboBox size hint), measured without making
// one. The toolkit tells that width only through the size hint of a list made and filled, which
// would be thirty more lists at start. Should a release change the sum, the answer column no
// longer matches the lists and the pages' pictures fail.
int unstyledListWidth(const QStringList &options, QWidget *screenWidget)
{
    const QFontMetrics metrics(formstyles::itemFont().resolve(QApplication::font()), screenWidget);
    QSize contents(0, qMax(qCeil(QFontMetricsF(metrics).height()), 14) + 2);
    for (const QString &option : options)
        contents.setWidth(qMax(contents.width(), metrics.boundingRect(option).width()));
    QStyleOptionComboBox styleOption;
    styleOption.fontMetrics = metrics;
    styleOption.frame = true;
    styleOption.editable = false;
    return QApplication::style()
        ->sizeFromContents(QStyle::CT_ComboBox, &styleOption, contents, nullptr)
        .width();
}

} // namespace

void build(MainWindowForm &form, const PageShape &shape)
{
    const exercises::ListExercise &exercise = *shape.exercise;

    QWidget *page = form.*shape.page.member = formstyles::newPage(shape.page.name);
    QWidget *panel = form.*shape.panel.member =
        formstyles::newPanel(page, shape.panel.name, shape.panelGeometry);
    form.*shape.heading.member = formstyles::newHeading(panel, shape.heading.name,
                                                        shape.headingGeometry,
                                                        shape.headingWraps);
    formstyles::keepAccentsWhole(form.*shape.heading.member);   // "II. Écrivez"

    QWidget *grid = create(form, shape.grid, panel);
    grid->setGeometry(shape.gridGeometry);
    grid->setFont(formstyles::gridFont());

    auto *layout = new QGridLayout(grid);
    layout->setSpacing(shape.spacing);
    layout->setObjectName(QString::fromLatin1(shape.layout.name));
    form.*shape.layout.member = layout;
    layout->setSizeConstraint(shape.constraint);
    layout->setContentsMargins(shape.margin, shape.margin, shape.margin, shape.margin);

    for (int i = 0; i < shape.stepCount; ++i) {
        const Step &step = shape.steps[i];
        const exercises::ListItem &item = exercise.items[step.row];
        if (step.kind == Step::Label)
            layout->addWidget(createItemLabel(form, item, grid), step.row, 0, 1, 1);
        else
            layout->addWidget(createAnswerList(form, item, grid, shape.lists), step.row, 1, 1, 1);
    }

    for (int column = 0; column < shape.stretchedColumns; ++column)
        layout->setColumnStretch(column, 50);

    formstyles::polishWhenShown(page);
    form.stackedWidget->addWidget(page);

    // Tab walks the answer lists from the top row down, as they stand on screen.
    for (int row = 1; row < exercise.itemCount; ++row)
        QWidget::setTabOrder(form.*exercise.items[row - 1].list, form.*exercise.items[row].list);
}

void retranslate(MainWindowForm &form, const PageShape &shape)
{
    using formstyles::tr;
    const exercises::ListExercise &exercise = *shape.exercise;
    const core::ListExercise &content = *exercise.content;

    (form.*shape.heading.member)->setText(formstyles::heading(content.pageHeading));

    QStringList options;
    for (int i = 0; i < content.optionCount; ++i)
        options << tr(content.options[i]);

    for (int i = 0; i < shape.stepCount; ++i) {
        const Step &step = shape.steps[i];
        const exercises::ListItem &item = exercise.items[step.row];
        if (step.kind == Step::Label) {
            (form.*item.label)->setText(formstyles::itemText(content.items[step.row].text));
            formstyles::keepAccentsWhole(form.*item.label);
        } else {
            QComboBox *list = form.*item.list;
            list->clear();
            list->insertItems(0, options);
        }
    }

    // Platform fix: the answer list style sheet sizes a list 12 px narrower than the base style
    // draws its text ("Les hallucinogènes" was cut); the list column keeps the width of the same
    // list unstyled.
    (form.*shape.layout.member)
        ->setColumnMinimumWidth(1, unstyledListWidth(options, form.*shape.grid.member));

    // A screen reader announces each list by the item it answers, as plain text.
    for (int row = 0; row < exercise.itemCount; ++row) {
        const exercises::ListItem &item = exercise.items[row];
        (form.*item.list)->setAccessibleName(tr(content.items[row].text).simplified());
    }
}

} // namespace listpages
