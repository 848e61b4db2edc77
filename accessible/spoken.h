// How texts and choices are spoken: a label's text as a reader hears it, a passage marked to
// be read line by line in its language, and the options chosen with the keys on a list.
#ifndef ACCESSIBLE_SPOKEN_H
#define ACCESSIBLE_SPOKEN_H

#include <QtCore/QString>

class QComboBox;
class QLabel;

namespace accessible {

// A label's text as a reader hears it: rich text without its markup, blanks simplified.
QString spokenText(const QLabel *label);

// Marks a multi-line label as text in a language: the reader may then read it by line,
// word or paragraph, and knows the language it is written in ("fr", "uk").
void readAsText(QLabel *label, const char *language);

// Has the reader say each option chosen with the keys on a closed answer list, where the
// toolkit says nothing. A choice from the open list is heard as the list takes the focus back.
// With Qt 5.15.15, Qt 6.8 and later the reader says the choice itself, and nothing is added.
void sayKeyedChoices(QComboBox *list);

} // namespace accessible

#endif // ACCESSIBLE_SPOKEN_H
