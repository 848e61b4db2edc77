// An answer list as a reader gets it: see answerlist.h.
#include "answerlist.h"

#include <QtWidgets/QAbstractItemView>
#include <QtWidgets/QComboBox>

namespace accessible {

AnswerList::AnswerList(QComboBox *list) : WidgetInterface(list, QAccessible::ComboBox) {}

QString AnswerList::text(QAccessible::Text kind) const
{
    const QString chosen = list()->currentText();
    if (kind == QAccessible::Value)
        return chosen;
    if (kind != QAccessible::Name)
        return WidgetInterface::text(kind);
    const QString item = list()->accessibleName();
    if (chosen.isEmpty() || item.isEmpty())
        return item + chosen.simplified();
    return item + QStringLiteral(": ") + chosen.simplified();
}

#if FLE_TOOLKIT_TELLS_ATTRIBUTES
void *AnswerList::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::AttributesInterface)
        return static_cast<QAccessibleAttributesInterface *>(this);
    return WidgetInterface::interface_cast(type);
}

QList<QAccessible::Attribute> AnswerList::attributeKeys() const
{
    QList<QAccessible::Attribute> keys;
#if FLE_TOOLKIT_TELLS_LANGUAGE
    keys = WidgetInterface::attributeKeys();
#endif
    keys.append(QAccessible::Attribute::Custom);
    return keys;
}

QVariant AnswerList::attributeValue(QAccessible::Attribute key) const
{
    if (key == QAccessible::Attribute::Custom) {
        const QHash<QString, QString> told{{QStringLiteral("valuetext"), QString()}};
        return QVariant::fromValue(told);
    }
#if FLE_TOOLKIT_TELLS_LANGUAGE
    return WidgetInterface::attributeValue(key);
#else
    return QVariant();
#endif
}
#endif

QAccessibleInterface *AnswerList::child(int index) const
{
    return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
}

int AnswerList::indexOfChild(const QAccessibleInterface *child) const
{
    return child && child->object() == list()->view() ? 0 : -1;
}

QAccessible::State AnswerList::state() const
{
    QAccessible::State state = WidgetInterface::state();
    const bool open = list()->view()->isVisible();
    state.expandable = true;
    state.expanded = open;
    state.collapsed = !open;
    return state;
}

QStringList AnswerList::actionNames() const
{
    return QStringList{showMenuAction(), pressAction()} + WidgetInterface::actionNames();
}

void AnswerList::doAction(const QString &action)
{
    if (action == showMenuAction() || action == pressAction())
        list()->showPopup();
    else
        WidgetInterface::doAction(action);
}

QComboBox *AnswerList::list() const
{
    return static_cast<QComboBox *>(object());
}

} // namespace accessible
