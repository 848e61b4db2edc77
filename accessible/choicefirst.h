// Used only inside this folder: an option chosen from an open answer list is taken before
// the list closes.
#ifndef ACCESSIBLE_CHOICEFIRST_H
#define ACCESSIBLE_CHOICEFIRST_H

#include <QtCore/QObject>

class QComboBox;

namespace accessible {

// Return or Enter on the open drop-down of a list makes its current option the list's choice
// before the drop-down closes. The toolkit closes it first: the focus came back to the list,
// and the reader said the list with its new option; the choice came after, and Orca 51 said
// the list a second time for it. Now the choice is made while the focus is on the option.
class ChoiceFirst : public QObject
{
    Q_OBJECT

public:
    explicit ChoiceFirst(QComboBox *list);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watchOptionsOf(QObject *child);

    QComboBox *list;
    bool watchingOptions = false;
};

} // namespace accessible

#endif // ACCESSIBLE_CHOICEFIRST_H
