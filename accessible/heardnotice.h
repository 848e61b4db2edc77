// Used only inside this folder: the announcer's notification as a reader gets it.
#ifndef ACCESSIBLE_HEARDNOTICE_H
#define ACCESSIBLE_HEARDNOTICE_H

#include "widgetinterface.h"

namespace accessible {

// The notification an announcer shows on toolkits without announcements. A reader speaks
// it as it is shown, from the event; asked later, it tells that it is not on screen, so that
// flat review does not read a message again that the window shows elsewhere: Orca 48 and
// later read the result's notification as a line of its own above the page.
class HeardNotice : public WidgetInterface
{
public:
    explicit HeardNotice(QWidget *notice);

    QAccessible::State state() const override;
};

} // namespace accessible

#endif // ACCESSIBLE_HEARDNOTICE_H
