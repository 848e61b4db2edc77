// Used only inside this folder: an answer list as a reader gets it, named by its item.
#ifndef ACCESSIBLE_ANSWERLIST_H
#define ACCESSIBLE_ANSWERLIST_H

#include "widgetinterface.h"

class QComboBox;

namespace accessible {

// An answer list is named by the item it answers, then the option chosen, if any. The
// toolkit's own list takes its current option as its name on this platform, so once an
// option is chosen the reader no longer says which item the list belongs to.
//
// Where the toolkit hands a reader an object's attributes (Qt 6.8 and later), the list tells
// an empty value text: Orca 48 and later say a list's value text after its name, and, with
// none told, the option chosen, which the name says already.
class AnswerList : public WidgetInterface
#if FLE_TOOLKIT_TELLS_ATTRIBUTES && !FLE_TOOLKIT_TELLS_LANGUAGE
    , public QAccessibleAttributesInterface
#endif
{
public:
    explicit AnswerList(QComboBox *list);

#if FLE_TOOLKIT_TELLS_ATTRIBUTES
    void *interface_cast(QAccessible::InterfaceType type) override;
    QList<QAccessible::Attribute> attributeKeys() const override;
    QVariant attributeValue(QAccessible::Attribute key) const override;
#endif

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
