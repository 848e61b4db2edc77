// Used only inside this folder: the drop-down list of an answer list's options, as a reader
// gets it where the toolkit tells each object's language.
#ifndef ACCESSIBLE_OPTIONLIST_H
#define ACCESSIBLE_OPTIONLIST_H

#include "widgetinterface.h"

#if FLE_TOOLKIT_TELLS_LANGUAGE

#include <QtCore/QHash>
#include <QtCore/QPointer>

class QAbstractItemView;

namespace accessible {

// The options of an answer list, as the list drops them down: one object each, named by
// its text and told in the language it is written in. The toolkit's own options report no
// language, and a reader that switches voices read the Ukrainian options of exercise II
// with the voice of the list, French as its item.
class OptionList : public WidgetInterface
{
public:
    explicit OptionList(QAbstractItemView *view);
    ~OptionList() override;

    QAccessibleInterface *parent() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

private:
    QAbstractItemView *view() const;

    mutable QHash<int, QAccessible::Id> options;   // each option's object, made when asked for
};

// One option of the drop-down list: its text, where it stands, whether it is the current one,
// and its language.
class Option : public QAccessibleInterface, public QAccessibleAttributesInterface
{
public:
    Option(QAbstractItemView *view, int row);

    bool isValid() const override;
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QList<QAccessible::Attribute> attributeKeys() const override;
    QVariant attributeValue(QAccessible::Attribute key) const override;

    int row() const { return at; }

private:
    QModelIndex index() const;

    QPointer<QAbstractItemView> view;
    int at;
};

} // namespace accessible

#endif // FLE_TOOLKIT_TELLS_LANGUAGE

#endif // ACCESSIBLE_OPTIONLIST_H
