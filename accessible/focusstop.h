// The focus stop: a place for the keyboard focus over a text that cannot take it itself.
#ifndef ACCESSIBLE_FOCUSSTOP_H
#define ACCESSIBLE_FOCUSSTOP_H

#include <QtWidgets/QWidget>

namespace accessible {

// A place for the keyboard focus over a text that cannot take it itself without being
// drawn anew: a reader hears the stop's name and description when Tab reaches it. It lies
// over its text, beside it among the same children, lets every click and tooltip through,
// and draws only a focus frame.
class FocusStop : public QWidget
{
    Q_OBJECT

public:
    // The stop over a widget, made the first time it is asked for.
    static FocusStop *over(QWidget *target);

    // True when this stop lies over that widget.
    bool covers(const QWidget *widget) const { return widget == target; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    explicit FocusStop(QWidget *target);

    QWidget *target;
};

} // namespace accessible

#endif // ACCESSIBLE_FOCUSSTOP_H
