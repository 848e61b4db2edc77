// Used only inside this folder: the widget that holds a group box's options, as a reader gets it.
#ifndef ACCESSIBLE_OPTIONHOLDER_H
#define ACCESSIBLE_OPTIONHOLDER_H

#include "widgetinterface.h"

namespace accessible {

// The plain widget that holds a group box's options. The toolkit names it after the box's
// title, and a reader then takes the box for mere layout around a namesake and never says
// the title; this holder has no name of its own.
class OptionHolder : public WidgetInterface
{
public:
    explicit OptionHolder(QWidget *holder);

    QString text(QAccessible::Text kind) const override;
};

} // namespace accessible

#endif // ACCESSIBLE_OPTIONHOLDER_H
