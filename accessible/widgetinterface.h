// Used only inside this folder: the base of every accessible object here, and what those
// objects share with the functions that set them up.
#ifndef ACCESSIBLE_WIDGETINTERFACE_H
#define ACCESSIBLE_WIDGETINTERFACE_H

#include "toolkit.h"

#include <optional>

#include <QtCore/QLocale>
#include <QtGui/QTextDocument>
#include <QtWidgets/QAccessibleWidget>
#include <QtWidgets/QLabel>

namespace accessible {

// The base of every accessible object here: one that reports the widget's locale where the
// toolkit can.
#if FLE_TOOLKIT_TELLS_LANGUAGE
using WidgetInterface = QAccessibleWidgetV2;
#else
using WidgetInterface = QAccessibleWidget;
#endif

// The dynamic property that marks a label read as text, holding its language.
inline const char *const textLanguage = "accessibleTextLanguage";

// True when the label shows its text as rich text, as the label itself decides.
inline bool showsRichText(const QLabel *label)
{
    return label->textFormat() == Qt::RichText
        || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
}

// The language a letter is written in here: "uk" if Cyrillic, "fr" if Latin, none otherwise.
inline QString writtenIn(QChar c)
{
    if (!c.isLetter())
        return QString();
    if (c.script() == QChar::Script_Cyrillic)
        return QStringLiteral("uk");
    if (c.script() == QChar::Script_Latin)
        return QStringLiteral("fr");
    return QString();
}

// The language a text is written in, that of its first letter: Ukrainian or French; none for
// a text without letters. The letter that numbers an option, "a)", is no word of its text.
inline std::optional<QLocale> languageOf(const QString &text)
{
    int from = 0;
    while (from < text.size() && !text.at(from).isLetter())
        ++from;
    if (from + 1 < text.size() && text.at(from + 1) == QLatin1Char(')'))
        from += 2;
    for (const QChar c : text.mid(from)) {
        const QString language = writtenIn(c);
        if (language == QLatin1String("uk"))
            return QLocale(QLocale::Ukrainian, QLocale::Ukraine);
        if (language == QLatin1String("fr"))
            return QLocale(QLocale::French, QLocale::France);
    }
    return std::nullopt;
}

} // namespace accessible

#endif // ACCESSIBLE_WIDGETINTERFACE_H
