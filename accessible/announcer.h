// The announcer: speaks a short message through the screen reader, however the focus stands,
// with the toolkit's announcement or, before the toolkit has them, a notification object.
#ifndef ACCESSIBLE_ANNOUNCER_H
#define ACCESSIBLE_ANNOUNCER_H

#include "toolkit.h"

#include <QtCore/QString>
#include <QtWidgets/QWidget>

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

} // namespace accessible

#endif // ACCESSIBLE_ANNOUNCER_H
