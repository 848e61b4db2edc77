// The announcer's notification as a reader gets it: see heardnotice.h.
#include "heardnotice.h"

namespace accessible {

HeardNotice::HeardNotice(QWidget *notice) : WidgetInterface(notice, QAccessible::Notification) {}

QAccessible::State HeardNotice::state() const
{
    QAccessible::State state = WidgetInterface::state();
    state.invisible = true;
    return state;
}

} // namespace accessible
