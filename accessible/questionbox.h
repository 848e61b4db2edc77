// Used only inside this folder: a group box of options, as a reader gets it.
#ifndef ACCESSIBLE_QUESTIONBOX_H
#define ACCESSIBLE_QUESTIONBOX_H

#include "widgetinterface.h"

class QGroupBox;

namespace accessible {

// A group box whose title is a question and whose one child holds the options. A reader
// says the question once as the focus comes to an option: Orca 43 as the box the option is
// in, Orca 48 and later as the options' group, found from the holder, which the box is its
// label for. Told as the box the option is in as well, it was said twice. The box is labelled
// by its holder, which Orca 48 and later take for a box that is mere layout around its content;
// Orca 43 does not look at that relation.
class QuestionBox : public WidgetInterface
{
public:
    explicit QuestionBox(QGroupBox *box);

    QString text(QAccessible::Text kind) const override;
    QVector<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match = QAccessible::AllRelations) const override;

private:
    QGroupBox *box() const;
    QWidget *holder() const;
};

} // namespace accessible

#endif // ACCESSIBLE_QUESTIONBOX_H
