// Used only inside this folder: a label as a reader gets it, unless it is read as text.
#ifndef ACCESSIBLE_PLAINLABEL_H
#define ACCESSIBLE_PLAINLABEL_H

#include "widgetinterface.h"

namespace accessible {

// A label as the toolkit shows it to a reader, its text as spoken, except that it is not
// shown at all while a neighbour says it: flat review read each such line twice.
class PlainLabel : public WidgetInterface
{
public:
    explicit PlainLabel(QLabel *label);

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;

private:
    QLabel *label() const { return static_cast<QLabel *>(object()); }
};

} // namespace accessible

#endif // ACCESSIBLE_PLAINLABEL_H
