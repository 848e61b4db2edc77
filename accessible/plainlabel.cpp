// A label as a reader gets it: see plainlabel.h.
#include "plainlabel.h"

#include "spoken.h"

#include <QtWidgets/QComboBox>

namespace accessible {

namespace {

// True when a neighbour already says the label's text whole: an answer list named by its
// item, or a review answer named by its item and what was answered. A reader then hears the
// text once, from the neighbour, in flat review as well.
bool saidByNeighbour(const QLabel *label)
{
    const QString text = spokenText(label);
    if (text.isEmpty() || !label->parentWidget())
        return false;
    const QString lead = text + QStringLiteral(": ");
    const QObjectList siblings = label->parentWidget()->children();
    for (const QObject *sibling : siblings) {
        if (const auto *list = qobject_cast<const QComboBox *>(sibling)) {
            if (list->accessibleName() == text)
                return true;
        } else if (const auto *answer = qobject_cast<const QLabel *>(sibling)) {
            if (answer != label && answer->accessibleName().startsWith(lead))
                return true;
        }
    }
    return false;
}

} // namespace

PlainLabel::PlainLabel(QLabel *label) : ReadableText(label) {}

QString PlainLabel::text(QAccessible::Text kind) const
{
    // A label's tooltip is no description of it: a review answer says its verdict in its
    // name, and Orca 48 and later would say it again after the name.
    if (kind == QAccessible::Description)
        return label()->accessibleDescription();
    return ReadableText::text(kind);
}

QAccessible::State PlainLabel::state() const
{
    QAccessible::State state = ReadableText::state();
    state.readOnly = true;
    if (saidByNeighbour(label()))
        state.invisible = true;
    return state;
}

} // namespace accessible
