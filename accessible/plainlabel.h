// Used only inside this folder: a label as a reader gets it, unless it is read as text.
#ifndef ACCESSIBLE_PLAINLABEL_H
#define ACCESSIBLE_PLAINLABEL_H

#include "readabletext.h"

namespace accessible {

// A label as the toolkit shows it to a reader, its text as spoken, except that it is not
// shown at all while a neighbour says it: flat review read each such line twice.
//
// Its text is a reader's text too, with where each character stands: Qt 5 tells a reader
// the place of an object in its window with the top taken from the left edge, and Orca 48 and
// later, which ask for that place, put the labels on the wrong lines of flat review, or on
// none; the place of a text's characters Qt 5 tells right, and flat review goes by it. A
// label named otherwise than its text, as a review answer, is the text of its name.
class PlainLabel : public ReadableText
{
public:
    explicit PlainLabel(QLabel *label);

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;

private:
    QLabel *label() const { return static_cast<QLabel *>(object()); }
};

} // namespace accessible

#endif // ACCESSIBLE_PLAINLABEL_H
