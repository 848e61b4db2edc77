// Used only inside this folder: tells whether a key being handled went to an answer list itself.
#ifndef ACCESSIBLE_KEYWATCH_H
#define ACCESSIBLE_KEYWATCH_H

#include <QtCore/QObject>

class QComboBox;

namespace accessible {

// Notes whether the key being handled went to the list itself, not to its open drop-down.
class KeyWatch : public QObject
{
    Q_OBJECT

public:
    explicit KeyWatch(QComboBox *list);

    bool keyInHand = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace accessible

#endif // ACCESSIBLE_KEYWATCH_H
