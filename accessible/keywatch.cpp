// The watch on an answer list's keys: see keywatch.h.
#include "keywatch.h"

#include <QtCore/QEvent>
#include <QtWidgets/QComboBox>

namespace accessible {

KeyWatch::KeyWatch(QComboBox *list) : QObject(list)
{
    list->installEventFilter(this);
}

bool KeyWatch::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::KeyPress)
        keyInHand = true;
    else if (event->type() == QEvent::KeyRelease || event->type() == QEvent::FocusOut)
        keyInHand = false;
    return false;
}

} // namespace accessible
