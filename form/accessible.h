#ifndef ACCESSIBLE_H
#define ACCESSIBLE_H

// What the window tells a screen reader beyond what the toolkit's own accessible
// objects say: spoken announcements, answer lists named by their item, the reading
// passage line by line, and pages a reader sees anew each time they are shown.
// Only a focus stop draws (its focus frame); nothing changes a text, size, colour or
// style sheet.

#include <QtCore/QString>
#include <QtWidgets/QWidget>

// The toolkit sends announcements of its own from Qt 6.8 on.
#define FLE_TOOLKIT_ANNOUNCES (QT_VERSION >= QT_VERSION_CHECK(6, 8, 0))

class QComboBox;
class QLabel;
class QTabWidget;

namespace accessible {

// Speaks a short message through the screen reader, however the focus stands. Where the
// toolkit has announcements (Qt 6.8 and later) it sends one and puts nothing in the tree;
// before, it shows an empty widget in the notification role anew for every message, which
// takes no room and draws nothing. One lives in each window that has something to announce.
class Announcer : public QObject
{
    Q_OBJECT

public:
    // Polite waits for what the reader is saying; assertive interrupts it.
    enum class Urgency { Polite, Assertive };

    explicit Announcer(QWidget *parent);

    // The message, then the details when given: a notification's name and description, or
    // one announcement that says both.
    void announce(const QString &message, const QString &details = QString(),
                  Urgency urgency = Urgency::Polite);

    // The announcer of the window a widget is in; null when that window has none.
    static Announcer *of(const QWidget *widget);

    // The text one announcement speaks for a message and its details.
    static QString spoken(const QString &message, const QString &details);

    // True where the toolkit sends announcements of its own (Qt 6.8 and later).
    static constexpr bool toolkitAnnounces = FLE_TOOLKIT_ANNOUNCES;

private:
    QWidget *window() const { return static_cast<QWidget *>(parent())->window(); }

    QWidget *notice = nullptr;   // the notification, where the toolkit has no announcement
};

// The notification an announcer shows on toolkits without announcements.
class Notice : public QWidget
{
    Q_OBJECT

public:
    explicit Notice(QWidget *parent);
};

// A place for the keyboard focus over a text that cannot take it itself without being
// drawn anew: a reader hears the stop's name and description when Tab reaches it. It lies
// over its text, beside it among the same children, lets every click and tooltip through,
// and draws only a focus frame.
class FocusStop : public QWidget
{
    Q_OBJECT

public:
    // The stop over a widget, made the first time it is asked for.
    static FocusStop *over(QWidget *target);

    // True when this stop lies over that widget.
    bool covers(const QWidget *widget) const { return widget == target; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    explicit FocusStop(QWidget *target);

    QWidget *target;
};

// Has the reader say each option chosen with the keys on a closed answer list, where the
// toolkit says nothing. A choice from the open list is heard as the list takes the focus back.
void sayKeyedChoices(QComboBox *list);

// Installs the accessible objects above with the toolkit; once, after the application exists.
void installInterfaces();

// Forgets the accessible objects of a page and all on it, so the reader asks again for
// each of them, states included. Called just before a page is shown: a reader that
// looked at the window while the page was hidden keeps it "not visible" otherwise.
void renewInterfaces(QWidget *page);

// Renews the objects of each review tab as it comes into view, for the same reason.
void renewShownTabs(QTabWidget *tabs);

// A label's text as a reader hears it: rich text without its markup, blanks simplified.
QString spokenText(const QLabel *label);

// Marks a multi-line label as text in a language: the reader may then read it by line,
// word or paragraph, and knows the language it is written in ("fr", "uk").
void readAsText(QLabel *label, const char *language);

} // namespace accessible

#endif // ACCESSIBLE_H
