// A group box of options as a reader gets it: see questionbox.h.
#include "questionbox.h"

#include <QtWidgets/QGroupBox>

namespace accessible {

QuestionBox::QuestionBox(QGroupBox *box) : WidgetInterface(box, QAccessible::Grouping) {}

QString QuestionBox::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Name && box()->accessibleName().isEmpty())
        return box()->title();
    return WidgetInterface::text(kind);
}

QVector<QPair<QAccessibleInterface *, QAccessible::Relation>>
QuestionBox::relations(QAccessible::Relation match) const
{
    auto related = WidgetInterface::relations(match);
    QWidget *content = holder();
    if (!content)
        return related;
    QAccessibleInterface *held = QAccessible::queryAccessibleInterface(content);
    // The box is the label of what it holds, as the toolkit's own box says, and is labelled
    // by it in turn.
    if (match & QAccessible::Labelled)
        related.append({held, QAccessible::Labelled});
    if (match & QAccessible::Label)
        related.append({held, QAccessible::Label});
    return related;
}

QGroupBox *QuestionBox::box() const
{
    return static_cast<QGroupBox *>(object());
}

// The one widget the box holds, or null when it holds none or more than one.
QWidget *QuestionBox::holder() const
{
    const QList<QWidget *> held =
        box()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    return held.size() == 1 ? held.first() : nullptr;
}

} // namespace accessible
