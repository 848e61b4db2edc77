// What the toolkit tells a screen reader by itself, by its version: the one place that decides
// whether the announcer sends the toolkit's announcements and whether each object tells its
// language, for this folder and for the window's code alike.
#ifndef ACCESSIBLE_TOOLKIT_H
#define ACCESSIBLE_TOOLKIT_H

#include <QtCore/QtGlobal>

// The toolkit sends announcements of its own from Qt 6.8 on.
#define FLE_TOOLKIT_ANNOUNCES (QT_VERSION >= QT_VERSION_CHECK(6, 8, 0))

// The toolkit hands a reader attributes an object names itself, such as a list's value text, from
// Qt 6.8 on.
#define FLE_TOOLKIT_TELLS_ATTRIBUTES (QT_VERSION >= QT_VERSION_CHECK(6, 8, 0))

// The toolkit tells a reader each object's language, from the widget's locale, from Qt 6.10 on.
#define FLE_TOOLKIT_TELLS_LANGUAGE (QT_VERSION >= QT_VERSION_CHECK(6, 10, 0))

#endif // ACCESSIBLE_TOOLKIT_H
