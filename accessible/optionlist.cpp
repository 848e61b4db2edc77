// The drop-down list of an answer list's options, as a reader gets it: see optionlist.h.
#include "optionlist.h"

#if FLE_TOOLKIT_TELLS_LANGUAGE

#include "spoken.h"

#include <QtWidgets/QListView>

namespace accessible {

OptionList::OptionList(QAbstractItemView *view) : WidgetInterface(view, QAccessible::List) {}

OptionList::~OptionList()
{
    for (const QAccessible::Id id : std::as_const(options))
        QAccessible::deleteAccessibleInterface(id);
}

// The list the options drop down from, as with the toolkit's own options: the container
// between them is no object to a reader.
QAccessibleInterface *OptionList::parent() const
{
    QWidget *container = view()->parentWidget();
    return QAccessible::queryAccessibleInterface(container ? container->parentWidget() : nullptr);
}

int OptionList::childCount() const
{
    return view()->model() ? view()->model()->rowCount(view()->rootIndex()) : 0;
}

QAccessibleInterface *OptionList::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    const auto known = options.constFind(index);
    if (known != options.constEnd())
        return QAccessible::accessibleInterface(known.value());
    auto *option = new Option(view(), index);
    options.insert(index, QAccessible::registerAccessibleInterface(option));
    return option;
}

int OptionList::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child || child->role() != QAccessible::ListItem || child->parent() != this)
        return -1;
    return static_cast<const Option *>(child)->row();
}

QAccessibleInterface *OptionList::childAt(int x, int y) const
{
    const QPoint inside = view()->viewport()->mapFromGlobal(QPoint(x, y));
    const QModelIndex at = view()->indexAt(inside);
    return at.isValid() ? child(at.row()) : nullptr;
}

QAccessibleInterface *OptionList::focusChild() const
{
    const QModelIndex current = view()->currentIndex();
    return view()->hasFocus() && current.isValid() ? child(current.row()) : nullptr;
}

QAbstractItemView *OptionList::view() const
{
    return static_cast<QAbstractItemView *>(object());
}

Option::Option(QAbstractItemView *view, int row) : view(view), at(row) {}

bool Option::isValid() const
{
    return view && index().isValid();
}

QWindow *Option::window() const
{
    return view ? view->window()->windowHandle() : nullptr;
}

QAccessibleInterface *Option::parent() const
{
    return view ? QAccessible::queryAccessibleInterface(view.data()) : nullptr;
}

QString Option::text(QAccessible::Text kind) const
{
    if (kind != QAccessible::Name || !isValid())
        return QString();
    return index().data(Qt::DisplayRole).toString();
}

QRect Option::rect() const
{
    if (!isValid() || !view->isVisible())
        return QRect();
    const QRect place = view->visualRect(index());
    return QRect(view->viewport()->mapToGlobal(place.topLeft()), place.size());
}

QAccessible::State Option::state() const
{
    QAccessible::State state;
    if (!isValid())
        return state;
    state.selectable = true;
    state.focusable = true;
    const bool current = view->currentIndex() == index();
    state.selected = current;
    state.focused = current && view->hasFocus();
    state.invisible = !view->isVisible();
    return state;
}

void *Option::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::AttributesInterface)
        return static_cast<QAccessibleAttributesInterface *>(this);
    return nullptr;
}

QList<QAccessible::Attribute> Option::attributeKeys() const
{
    return {QAccessible::Attribute::Locale};
}

QVariant Option::attributeValue(QAccessible::Attribute key) const
{
    const std::optional<QLocale> written = languageOf(text(QAccessible::Name));
    if (key != QAccessible::Attribute::Locale || !written)
        return QVariant();
    return QVariant::fromValue(*written);
}

QModelIndex Option::index() const
{
    if (!view || !view->model())
        return QModelIndex();
    const auto *list = qobject_cast<const QListView *>(view.data());
    return view->model()->index(at, list ? list->modelColumn() : 0, view->rootIndex());
}

} // namespace accessible

#endif // FLE_TOOLKIT_TELLS_LANGUAGE
