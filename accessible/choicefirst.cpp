// An answer list's choice from its open drop-down: see choicefirst.h.
#include "choicefirst.h"

#include <QtGui/QKeyEvent>
#include <QtWidgets/QAbstractItemView>
#include <QtWidgets/QComboBox>

namespace accessible {

ChoiceFirst::ChoiceFirst(QComboBox *list) : QObject(list), list(list)
{
    list->installEventFilter(this);
    for (QObject *child : list->children())
        watchOptionsOf(child);
}

// The drop-down is made once, when the list first needs it, and watches its options' keys
// itself, anew as it opens: this watch goes on the options each time after it, so that it sees
// a key first.
void ChoiceFirst::watchOptionsOf(QObject *child)
{
    if (watchingOptions || !child->inherits("QComboBoxPrivateContainer"))
        return;
    child->installEventFilter(this);
    watchingOptions = true;
}

bool ChoiceFirst::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == list) {
        if (event->type() == QEvent::ChildPolished)
            watchOptionsOf(static_cast<QChildEvent *>(event)->child());
        return false;
    }
    if (event->type() == QEvent::Show && watched != list->view()) {
        list->view()->installEventFilter(this);
        return false;
    }
    // The drop-down takes Return and Enter before they are pressed, as it is asked whether
    // they are a shortcut.
    const bool key =
        event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
    if (watched != list->view() || !key)
        return false;
    const int pressed = static_cast<QKeyEvent *>(event)->key();
    const QModelIndex option = list->view()->currentIndex();
    if ((pressed == Qt::Key_Return || pressed == Qt::Key_Enter) && option.isValid()
        && (option.flags() & Qt::ItemIsEnabled) && option.row() != list->currentIndex())
        list->setCurrentIndex(option.row());
    return false;
}

} // namespace accessible
