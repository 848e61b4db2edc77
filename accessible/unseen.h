// Used only inside this folder: a widget a reader is never shown, as the toolkit's factory
// gives it.
#ifndef ACCESSIBLE_UNSEEN_H
#define ACCESSIBLE_UNSEEN_H

#include "widgetinterface.h"

namespace accessible {

// A widget that only draws for the eye and says nothing a reader needs, as the focus frame,
// or that a reader hears once as it is shown, as the announcer's notification: always
// invisible to a reader, so neither flat review nor a look at the window meets it.
class Unseen : public WidgetInterface
{
public:
    explicit Unseen(QWidget *widget, QAccessible::Role role = QAccessible::Border);

    QAccessible::State state() const override;
};

} // namespace accessible

#endif // ACCESSIBLE_UNSEEN_H
