// Used only inside this folder: the base of every accessible object here, and what those
// objects share with the functions that set them up.
#ifndef ACCESSIBLE_WIDGETINTERFACE_H
#define ACCESSIBLE_WIDGETINTERFACE_H

#include "toolkit.h"

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

} // namespace accessible

#endif // ACCESSIBLE_WIDGETINTERFACE_H
