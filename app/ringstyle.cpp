// The radio ring and the review's tab pane, drawn the same over every base style.

#include "ringstyle.h"

#include <QtGui/QPainter>
#include <QtGui/QPainterPath>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QStyleOption>

int RingStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                           const QWidget *widget) const
{
    if (metric == PM_ExclusiveIndicatorWidth || metric == PM_ExclusiveIndicatorHeight)
        return ringSize;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

int RingStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                         QStyleHintReturn *returnData) const
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 9, 0)
    // Fusion stopped etching disabled text (seen on 6.11). A radio button measures its text
    // as disabled, etched one pixel larger, so its size hint lost a pixel, and the options of a
    // question laid out by their hints moved up. Etched, as Fusion did and other styles do.
    if (hint == SH_EtchDisabledText)
        return 1;
#endif
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void RingStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                              QPainter *painter, const QWidget *widget) const
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    // The page stack's style sheet gives rgb() four numbers. Qt 5 takes the fourth as the alpha
    // (a see-through white) and the review's tab pane comes out white; Qt 6 drops the colour
    // (both print the same warning), the stack keeps its default palette and the pane comes out
    // grey. The pane is painted white here, frame and all, as on Qt 5.
    if (element == PE_FrameTabWidget) {
        painter->fillRect(option->rect.adjusted(0, 0, -1, -1), Qt::white);
        return;
    }
#endif
    if (element != PE_IndicatorRadioButton) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    painter->save();
    const QRectF box(option->rect);
    QPainterPath round;
    round.addRoundedRect(box, ringSize / 2, ringSize / 2);
    painter->setClipPath(round);
    painter->fillRect(box, Qt::white);
    if (option->state & State_On) {
        QRadialGradient dot(box.center(), (box.width() - 1) / 2);
        dot.setColorAt(0, QColor(0x00, 0x55, 0x7f));
        dot.setColorAt(0.6, QColor(0x00, 0x55, 0x7f));
        dot.setColorAt(0.75, Qt::white);
        dot.setColorAt(1, Qt::white);
        painter->fillRect(box.adjusted(1, 1, -1, -1), dot);
    }
    painter->setClipping(false);
    painter->setRenderHint(QPainter::Antialiasing);
    drawRing(painter, box);
    painter->restore();
}

// The ring as four one-pixel sides, each with two arcs of 45 degrees out of circles a pixel
// apart, drawn bottom, right, left, top.
void RingStyle::drawRing(QPainter *painter, const QRectF &box)
{
    const qreal inner = box.width() - 2;
    const QColor ink(0x26, 0x26, 0x26);
    QPen pen(ink, 1);
    pen.setCapStyle(Qt::SquareCap);
    const qreal x = box.x() + 0.5;
    const qreal y = box.y() + 0.5;
    const QRectF topLeft(x, y, inner, inner);
    const QRectF topRight(x + 1, y, inner, inner);
    const QRectF bottomLeft(x, y + 1, inner, inner);
    const QRectF bottomRight(x + 1, y + 1, inner, inner);
    const qreal middle = box.width() / 2 - 0.5;
    const QRectF sides[] = {
        {box.x() + middle, box.bottom() - 1, 1, 1}, {box.right() - 1, box.y() + middle, 1, 1},
        {box.x(), box.y() + middle, 1, 1}, {box.x() + middle, box.y(), 1, 1}};
    const struct { const QRectF &circle; int from; int span; } arcs[] = {
        {bottomLeft, -90, -45}, {bottomRight, -90, 45}, {topRight, 45, -45},
        {bottomRight, 315, 45}, {topLeft, 135, 45}, {bottomLeft, 180, 45},
        {topLeft, 135, -45}, {topRight, 45, 45}};
    for (int side = 0; side < 4; ++side) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(ink);
        painter->drawRect(sides[side]);
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        for (int arc = 2 * side; arc < 2 * side + 2; ++arc)
            painter->drawArc(arcs[arc].circle, arcs[arc].from * 16, arcs[arc].span * 16);
    }
}

void RingStyle::drawItemText(QPainter *painter, const QRect &rect, int flags,
                             const QPalette &palette, bool enabled, const QString &text,
                             QPalette::ColorRole textRole) const
{
    QRect room = rect;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Qt 6.8 draws the current text of a list with a style sheet itself, from the very left of
    // the field the sheet gives it; before, the base style drew it, inset as on a plain list.
    const auto *list = dynamic_cast<const QComboBox *>(painter->device());
    if (list && !list->isEditable() && text == list->currentText()) {
        QStyleOptionComboBox field;
        field.initFrom(list);
        field.frame = list->hasFrame();
        room = QProxyStyle::subControlRect(CC_ComboBox, &field, SC_ComboBoxEditField, list)
                   .adjusted(1, 0, -1, 0);
    }
#endif
    QProxyStyle::drawItemText(painter, room, flags, palette, enabled, text, textRole);
}
