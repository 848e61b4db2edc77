// The toolkit's factory of accessible objects, with the language each widget is told in, and
// the renewal of a page's objects as it is shown: see interfaces.h.
#include "interfaces.h"

#include "announcer.h"
#include "answerlist.h"
#include "focusframe.h"
#include "optionholder.h"
#include "optionlist.h"
#include "plainlabel.h"
#include "questionbox.h"
#include "readabletext.h"
#include "spoken.h"
#include "unseen.h"

#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QAbstractItemView>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QTabWidget>

namespace accessible {

namespace {

#if FLE_TOOLKIT_TELLS_LANGUAGE
// The text a reader first meets on a widget, the one its language is told by.
QString firstText(const QWidget *widget)
{
    if (!widget->accessibleName().isEmpty())
        return widget->accessibleName();
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return spokenText(label);
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (const auto *box = qobject_cast<const QGroupBox *>(widget))
        return box->title();
    if (const auto *list = qobject_cast<const QComboBox *>(widget))
        return list->currentText();
    if (widget->isWindow())
        return widget->windowTitle();
    return QString();
}

// Sets a widget's locale to the language its text is written in, so that a reader that
// switches voices reads it with the voice of that language: Ukrainian from the first
// Cyrillic letter, French from the first Latin one; a text that mixes both, as an item with
// its answer, is read in the language it begins with. A widget without letters keeps the
// language of the widget it is in; a passage read as text keeps the language it is marked with.
void tellLanguage(QWidget *widget)
{
    const QVariant marked = widget->property(textLanguage);
    if (marked.isValid()) {
        widget->setLocale(QLocale(marked.toString()));
        return;
    }
    if (const std::optional<QLocale> written = languageOf(firstText(widget)))
        widget->setLocale(*written);
}
#endif

#if FLE_TOOLKIT_TELLS_LANGUAGE
// True when a list of items is the drop-down list of an answer list: it lies in the toolkit's
// container of a list's drop-down, as the toolkit itself tells it. Asking the answer list
// for its drop-down would make one while the first is being made.
bool dropsDown(const QAbstractItemView *view)
{
    const QWidget *container = view->parentWidget();
    return container && qobject_cast<const QComboBox *>(container->parentWidget())
        && qstrcmp(container->metaObject()->className(), "QComboBoxPrivateContainer") == 0;
}
#endif

QAccessibleInterface *interfaceFor(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
#if FLE_TOOLKIT_TELLS_LANGUAGE
    // Each widget gets its language as a reader first asks for it, whoever answers then.
    tellLanguage(widget);
#endif
    // A reader speaks the notification as it is shown, from the event; asked later, it is not
    // on screen, so that flat review does not read a message again that the window shows
    // elsewhere: Orca 48 and later read the result's as a line above the page.
    if (qobject_cast<Notice *>(widget))
        return new Unseen(widget, QAccessible::Notification);
    if (qobject_cast<FocusFrame *>(widget))
        return new Unseen(widget);
    if (className == QLatin1String("QComboBox"))
        return new AnswerList(static_cast<QComboBox *>(widget));
#if FLE_TOOLKIT_TELLS_LANGUAGE
    if (auto *view = qobject_cast<QAbstractItemView *>(widget); view && dropsDown(view))
        return new OptionList(view);
#endif
    if (className == QLatin1String("QLabel") && widget->property(textLanguage).isValid())
        return new ReadableText(static_cast<QLabel *>(widget));
    if (className == QLatin1String("QLabel"))
        return new PlainLabel(static_cast<QLabel *>(widget));
    // A page stack is mere layout to a reader: as a layered pane it was spoken, "layered pane
    // 0 items", each time the focus entered a page, before the question.
    if (className == QLatin1String("QStackedWidget"))
        return new WidgetInterface(widget, QAccessible::Client);
    if (className == QLatin1String("QGroupBox") && !static_cast<QGroupBox *>(widget)->isCheckable())
        return new QuestionBox(static_cast<QGroupBox *>(widget));
    if (className == QLatin1String("QWidget") && qobject_cast<QGroupBox *>(widget->parentWidget()))
        return new OptionHolder(widget);
    return nullptr;
}

} // namespace

void installInterfaces()
{
    QAccessible::installFactory(interfaceFor);
}

void renewShownTabs(QTabWidget *tabs)
{
    QObject::connect(tabs, &QTabWidget::currentChanged, tabs,
                     [tabs](int index) { renewInterfaces(tabs->widget(index)); });
}

void renewInterfaces(QWidget *page)
{
    if (!QAccessible::isActive())
        return;
    QList<QWidget *> widgets = page->findChildren<QWidget *>();
    widgets.prepend(page);
    for (QWidget *widget : widgets) {
        // The drop-down lists of the answer lists are windows of their own; they stay.
        if (widget->window() != page->window())
            continue;
        if (QAccessibleInterface *known = QAccessible::queryAccessibleInterface(widget))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(known));
    }
}

} // namespace accessible
