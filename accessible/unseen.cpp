// A widget a reader is never shown: see unseen.h.
#include "unseen.h"

namespace accessible {

Unseen::Unseen(QWidget *widget, QAccessible::Role role) : WidgetInterface(widget, role) {}

QAccessible::State Unseen::state() const
{
    QAccessible::State state = WidgetInterface::state();
    state.invisible = true;
    return state;
}

} // namespace accessible
