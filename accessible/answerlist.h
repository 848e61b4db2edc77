// Used only inside this folder: an answer list as a reader gets it, named by its item.
#ifndef ACCESSIBLE_ANSWERLIST_H
#define ACCESSIBLE_ANSWERLIST_H

#include "widgetinterface.h"

class QComboBox;

namespace accessible {

// An answer list is named by the item it answers, then the option chosen, if any. The
// toolkit's own list takes its current option as its name on this platform, so once an
// option is chosen the reader no longer says which item the list belongs to.
class AnswerList : public WidgetInterface
{
public:
    explicit AnswerList(QComboBox *list);

    QString text(QAccessible::Text kind) const override;

    // The drop-down list of options is the one child, as with the toolkit's own list.
    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

    QAccessible::State state() const override;

    QStringList actionNames() const override;
    void doAction(const QString &action) override;

private:
    QComboBox *list() const;
};

} // namespace accessible

#endif // ACCESSIBLE_ANSWERLIST_H
