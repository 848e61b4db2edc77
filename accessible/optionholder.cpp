// The holder of a group box's options, as a reader gets it: see optionholder.h.
#include "optionholder.h"

namespace accessible {

OptionHolder::OptionHolder(QWidget *holder) : WidgetInterface(holder) {}

QString OptionHolder::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Name)
        return widget()->accessibleName();
    return WidgetInterface::text(kind);
}

} // namespace accessible
