// The focus stop: see focusstop.h.
#include "focusstop.h"

#include <QtCore/QEvent>
#include <QtGui/QPainter>
#include <QtWidgets/QStyle>
#include <QtWidgets/QStyleOptionFocusRect>

namespace accessible {

FocusStop *FocusStop::over(QWidget *target)
{
    const auto stops = target->parentWidget()->findChildren<FocusStop *>(
        QString(), Qt::FindDirectChildrenOnly);
    for (FocusStop *stop : stops)
        if (stop->target == target)
            return stop;
    return new FocusStop(target);
}

FocusStop::FocusStop(QWidget *target) : QWidget(target->parentWidget()), target(target)
{
    setObjectName(target->objectName() + QStringLiteral("_stop"));
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(target->geometry());
    target->installEventFilter(this);
    show();   // shown with its text, also when that is on screen already
}

bool FocusStop::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == target && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        setGeometry(target->geometry());
    return false;
}

void FocusStop::paintEvent(QPaintEvent *)
{
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.rect = rect().adjusted(2, 2, -2, -2);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
}

} // namespace accessible
