// The focus frame: see focusframe.h.
#include "focusframe.h"

#include <QtCore/QEvent>
#include <QtGui/QPainter>
#include <QtWidgets/QLabel>
#include <QtWidgets/QStyle>
#include <QtWidgets/QStyleOptionFocusRect>

namespace accessible {

FocusFrame *FocusFrame::of(QWidget *widget)
{
    QWidget *window = widget->window();
    if (auto *frame = window->findChild<FocusFrame *>())
        return frame;
    return new FocusFrame(window);
}

FocusFrame::FocusFrame(QWidget *window) : QWidget(window)
{
    setObjectName(QStringLiteral("focus_frame"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

// A label that can take the focus draws its text through a document of its own, two pixels
// higher than it draws it otherwise: the toolkit (Qt 5.15, Qt 6) makes that document as such
// a label is polished or given a text, and as any label takes the focus. So a label polished
// later, when its tab is first shown, cannot take the focus while it is polished, and no label
// followed here sees the focus come or go: this frame shows the focus instead.
void FocusFrame::follow(QLabel *text)
{
    text->setFocusPolicy(Qt::TabFocus);
    text->installEventFilter(this);
}

bool FocusFrame::eventFilter(QObject *watched, QEvent *event)
{
    auto *text = static_cast<QWidget *>(watched);
    switch (event->type()) {
    case QEvent::Polish:   // comes first as a label is shown
        text->setFocusPolicy(Qt::NoFocus);
        break;
    case QEvent::Show:
        text->setFocusPolicy(Qt::TabFocus);
        break;
    case QEvent::FocusIn:
        moveOver(text);
        return true;
    case QEvent::FocusOut:
        if (text == target) {
            target = nullptr;
            hide();
        }
        return true;
    case QEvent::Move:
    case QEvent::Resize:
        if (text == target)
            setGeometry(text->geometry());
        break;
    default:
        break;
    }
    return false;
}

// Among the label's neighbours, where a frame of its own would stand: it is painted over the
// label, clipped as the label is, in the colours of the widget that holds it.
void FocusFrame::moveOver(QWidget *text)
{
    target = text;
    if (parentWidget() != text->parentWidget())
        setParent(text->parentWidget());
    setGeometry(text->geometry());
    raise();
    show();
}

void FocusFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.state |= QStyle::State_HasFocus;   // drawn for the label that has it
    frame.rect = rect().adjusted(2, 2, -2, -2);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
}

} // namespace accessible
