// The announcer and its notification: see announcer.h.
#include "announcer.h"

#include <QtGui/QAccessible>

namespace accessible {

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

} // namespace accessible
