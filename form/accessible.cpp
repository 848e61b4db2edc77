#include "accessible.h"

#include <QtGui/QAbstractTextDocumentLayout>
#include <QtGui/QPainter>
#include <QtGui/QAccessible>
#include <QtGui/QTextBlock>
#include <QtGui/QTextCursor>
#include <QtGui/QTextDocument>
#include <QtGui/QTextDocumentFragment>
#include <QtGui/QTextLayout>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QAbstractItemView>
#include <QtWidgets/QAccessibleWidget>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QStyleOptionFocusRect>
#include <QtWidgets/QTabWidget>

// The toolkit tells a reader each object's language, from the widget's locale, from Qt 6.10 on.
#define FLE_TOOLKIT_TELLS_LANGUAGE (QT_VERSION >= QT_VERSION_CHECK(6, 10, 0))

namespace accessible {

namespace {

// The dynamic property that marks a label read as text, holding its language.
const char *const textLanguage = "accessibleTextLanguage";

// The base of every accessible object here: one that reports the widget's locale where the
// toolkit can.
#if FLE_TOOLKIT_TELLS_LANGUAGE
using WidgetInterface = QAccessibleWidgetV2;
#else
using WidgetInterface = QAccessibleWidget;
#endif

// True when the label shows its text as rich text, as the label itself decides.
bool showsRichText(const QLabel *label)
{
    return label->textFormat() == Qt::RichText
        || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
}

// An answer list is named by the item it answers, then the option chosen, if any. The
// toolkit's own list takes its current option as its name on this platform, so once an
// option is chosen the reader no longer says which item the list belongs to.
class AnswerList : public WidgetInterface
{
public:
    explicit AnswerList(QComboBox *list) : WidgetInterface(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override
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

    // The drop-down list of options is the one child, as with the toolkit's own list.
    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == list()->view() ? 0 : -1;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = WidgetInterface::state();
        const bool open = list()->view()->isVisible();
        state.expandable = true;
        state.expanded = open;
        state.collapsed = !open;
        return state;
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + WidgetInterface::actionNames();
    }
    void doAction(const QString &action) override
    {
        if (action == showMenuAction() || action == pressAction())
            list()->showPopup();
        else
            WidgetInterface::doAction(action);
    }

private:
    QComboBox *list() const { return static_cast<QComboBox *>(object()); }
};

// The plain widget that holds a group box's options. The toolkit names it after the box's
// title, and a reader then takes the box for mere layout around a namesake and never says
// the title; this holder has no name of its own.
class OptionHolder : public WidgetInterface
{
public:
    explicit OptionHolder(QWidget *holder) : WidgetInterface(holder) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return widget()->accessibleName();
        return WidgetInterface::text(kind);
    }
};

// A multi-line label as a reader's text: by character, word, sentence, line or paragraph,
// with where each character stands on screen and the language it is written in. The
// lines are those of a copy of the label's document, laid out as the label lays out its own.
class ReadableText : public WidgetInterface, public QAccessibleTextInterface
{
public:
    explicit ReadableText(QLabel *label) : WidgetInterface(label, QAccessible::StaticText) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return WidgetInterface::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && label()->accessibleName().isEmpty())
            return spokenText(label());
        return WidgetInterface::text(kind);
    }

    // Nothing can be selected in the label, and it has no caret of its own.
    void selection(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void scrollToSubstring(int, int) override {}

    QString text(int startOffset, int endOffset) const override
    {
        return plain().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return plain().size(); }

    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                         int *endOffset) const override
    {
        *startOffset = *endOffset = -1;
        const int count = characterCount();
        if (offset < 0 || offset > count)
            return QString();
        if (boundary == QAccessible::NoBoundary) {
            *startOffset = 0;
            *endOffset = count;
            return plain();
        }
        QTextCursor cursor(laidOut());
        cursor.setPosition(offset == count && offset > 0 ? offset - 1 : offset);
        const QPair<int, int> range = QAccessible::qAccessibleTextBoundaryHelper(cursor, boundary);
        *startOffset = range.first;
        *endOffset = range.second;
        return text(range.first, range.second);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary,
                             int *startOffset, int *endOffset) const override
    {
        int start = 0;
        int end = 0;
        textAtOffset(offset, boundary, &start, &end);
        if (start <= 0) {
            *startOffset = *endOffset = -1;
            return QString();
        }
        return textAtOffset(start - 1, boundary, startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary,
                            int *startOffset, int *endOffset) const override
    {
        int start = 0;
        int end = 0;
        textAtOffset(offset, boundary, &start, &end);
        if (end < 0 || end >= characterCount()) {
            *startOffset = *endOffset = -1;
            return QString();
        }
        return textAtOffset(end, boundary, startOffset, endOffset);
    }

    QRect characterRect(int offset) const override
    {
        QTextDocument *document = laidOut();
        const QTextBlock block = document->findBlock(offset);
        if (!block.isValid() || !block.layout())
            return QRect();
        const QTextLayout *layout = block.layout();
        const int inBlock = offset - block.position();
        const QTextLine line = layout->lineForTextPosition(inBlock);
        if (!line.isValid())
            return QRect();
        const qreal left = line.cursorToX(inBlock);
        const qreal right = line.cursorToX(inBlock + 1);
        const QPointF origin = layout->position() + documentOrigin();
        const QRectF rect(origin.x() + left, origin.y() + line.y(), qMax<qreal>(right - left, 1),
                          line.height());
        return QRect(label()->mapToGlobal(rect.topLeft().toPoint()), rect.size().toSize());
    }

    int offsetAtPoint(const QPoint &point) const override
    {
        const QPointF inDocument = QPointF(label()->mapFromGlobal(point)) - documentOrigin();
        return laidOut()->documentLayout()->hitTest(inDocument, Qt::FuzzyHit);
    }

    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        if (offset < 0 || offset > *endOffset) {
            *startOffset = *endOffset = -1;
            return QString();
        }
        return QStringLiteral("language:") + label()->property(textLanguage).toString();
    }

private:
    QLabel *label() const { return static_cast<QLabel *>(object()); }

    QString plain() const { return laidOut()->toPlainText(); }

    // The label's text in the label's font, as wide as its contents, laid out anew whenever
    // the text, font or width changed since the last time.
    QTextDocument *laidOut() const
    {
        const QString source = label()->text();
        const QFont font = label()->font();
        const int width = label()->contentsRect().width();
        if (source != m_source || font != m_font || width != m_width) {
            m_source = source;
            m_font = font;
            m_width = width;
            m_document.setDefaultFont(font);
            m_document.setDocumentMargin(0);
            if (showsRichText(label()))
                m_document.setHtml(source);
            else
                m_document.setPlainText(source);
            m_document.setTextWidth(width);
            m_document.size();   // lays the lines out now: lines are only known once laid out
        }
        return &m_document;
    }

    // Where the document's top left stands in the label: a label centres its text
    // vertically unless told otherwise.
    QPointF documentOrigin() const
    {
        const QRect contents = label()->contentsRect();
        const qreal height = laidOut()->size().height();
        qreal top = contents.top();
        if (label()->alignment() & Qt::AlignVCenter)
            top += (contents.height() - height) / 2;
        else if (label()->alignment() & Qt::AlignBottom)
            top += contents.height() - height;
        return QPointF(contents.left(), top);
    }

    mutable QTextDocument m_document;
    mutable QString m_source;
    mutable QFont m_font;
    mutable int m_width = -1;
};

// True when a neighbour that takes the focus already says the label's text whole: an answer
// list named by its item, or a focus stop over the label or named by it. A reader then
// hears the text once, from the neighbour, in flat review as well.
bool saidByNeighbour(const QLabel *label)
{
    const QString text = spokenText(label);
    if (text.isEmpty() || !label->parentWidget())
        return false;
    const QString lead = text + QStringLiteral(": ");
    const QObjectList siblings = label->parentWidget()->children();
    for (const QObject *sibling : siblings) {
        if (const auto *list = qobject_cast<const QComboBox *>(sibling)) {
            if (list->accessibleName() == text)
                return true;
        } else if (const auto *stop = qobject_cast<const FocusStop *>(sibling)) {
            if (stop->covers(label) || stop->accessibleName().startsWith(lead))
                return true;
        }
    }
    return false;
}

// A label as the toolkit shows it to a reader, its text as spoken, except that it is not
// shown at all while a neighbour says it: flat review read each such line twice.
class PlainLabel : public WidgetInterface
{
public:
    explicit PlainLabel(QLabel *label) : WidgetInterface(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && label()->accessibleName().isEmpty())
            return spokenText(label());
        return WidgetInterface::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = WidgetInterface::state();
        state.readOnly = true;
        if (saidByNeighbour(label()))
            state.invisible = true;
        return state;
    }

private:
    QLabel *label() const { return static_cast<QLabel *>(object()); }
};

// Notes whether the key being handled went to the list itself, not to its open drop-down.
class KeyWatch : public QObject
{
public:
    explicit KeyWatch(QComboBox *list) : QObject(list) { list->installEventFilter(this); }
    bool keyInHand = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress)
            keyInHand = true;
        else if (event->type() == QEvent::KeyRelease || event->type() == QEvent::FocusOut)
            keyInHand = false;
        return false;
    }
};

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
    for (const QChar c : firstText(widget)) {
        if (!c.isLetter())
            continue;
        if (c.script() == QChar::Script_Cyrillic)
            widget->setLocale(QLocale(QLocale::Ukrainian, QLocale::Ukraine));
        else if (c.script() == QChar::Script_Latin)
            widget->setLocale(QLocale(QLocale::French, QLocale::France));
        return;
    }
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
    if (qobject_cast<Notice *>(widget))
        return new WidgetInterface(widget, QAccessible::Notification);
    if (qobject_cast<FocusStop *>(widget))
        return new WidgetInterface(widget, QAccessible::StaticText);
    if (className == QLatin1String("QComboBox"))
        return new AnswerList(static_cast<QComboBox *>(widget));
    if (className == QLatin1String("QLabel") && widget->property(textLanguage).isValid())
        return new ReadableText(static_cast<QLabel *>(widget));
    if (className == QLatin1String("QLabel"))
        return new PlainLabel(static_cast<QLabel *>(widget));
    // A page stack is mere layout to a reader: as a layered pane it was spoken, "layered pane
    // 0 items", each time the focus entered a page, before the question.
    if (className == QLatin1String("QStackedWidget"))
        return new WidgetInterface(widget, QAccessible::Client);
    if (className == QLatin1String("QWidget") && qobject_cast<QGroupBox *>(widget->parentWidget()))
        return new OptionHolder(widget);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("announcer"));
#if !FLE_TOOLKIT_ANNOUNCES
    notice = new Notice(parent);
#endif
}

void Announcer::announce(const QString &message, const QString &details, Urgency urgency)
{
#if FLE_TOOLKIT_ANNOUNCES
    QAccessibleAnnouncementEvent event(window(), spoken(message, details));
    event.setPoliteness(urgency == Urgency::Assertive
                            ? QAccessible::AnnouncementPoliteness::Assertive
                            : QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&event);
#else
    // Hidden, renamed, shown again: a reader speaks a notification as it comes into view.
    // Orca 43 speaks a notification at once, whatever it is saying.
    Q_UNUSED(urgency)
    notice->hide();
    notice->setAccessibleName(message);
    notice->setAccessibleDescription(details);
    notice->show();
#endif
}

Announcer *Announcer::of(const QWidget *widget)
{
    return widget ? widget->window()->findChild<Announcer *>() : nullptr;
}

QString Announcer::spoken(const QString &message, const QString &details)
{
    if (details.isEmpty())
        return message;
    // A message that ends a sentence needs no full stop of its own: "Mal!" stays "Mal!".
    static const QString ends = QStringLiteral(".!?:");
    if (!message.isEmpty() && ends.contains(message.back()))
        return message + QLatin1Char(' ') + details;
    return message + QStringLiteral(". ") + details;
}

Notice::Notice(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("notice"));
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

FocusStop *FocusStop::over(QWidget *target)
{
    const auto stops = target->parentWidget()->findChildren<FocusStop *>(
        QString(), Qt::FindDirectChildrenOnly);
    for (FocusStop *stop : stops)
        if (stop->target == target)
            return stop;
    return new FocusStop(target);
}

FocusStop::FocusStop(QWidget *target) : QWidget(target->parentWidget()), target(target)
{
    setObjectName(target->objectName() + QStringLiteral("_stop"));
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(target->geometry());
    target->installEventFilter(this);
    show();   // shown with its text, also when that is on screen already
}

bool FocusStop::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == target && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        setGeometry(target->geometry());
    return false;
}

void FocusStop::paintEvent(QPaintEvent *)
{
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.rect = rect().adjusted(2, 2, -2, -2);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
}

void sayKeyedChoices(QComboBox *list)
{
    auto *keys = new KeyWatch(list);
    QObject::connect(list, QOverload<int>::of(&QComboBox::currentIndexChanged), keys,
                     [list, keys] {
                         Announcer *announcer = Announcer::of(list);
                         if (announcer && keys->keyInHand && list->hasFocus())
                             announcer->announce(list->currentText().simplified());
                     });
}

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

QString spokenText(const QLabel *label)
{
    const QString text = label->text();
    if (showsRichText(label))
        return QTextDocumentFragment::fromHtml(text).toPlainText().simplified();
    return text.simplified();
}

void readAsText(QLabel *label, const char *language)
{
    label->setProperty(textLanguage, QString::fromLatin1(language));
}

} // namespace accessible
