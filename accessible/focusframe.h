// The focus frame: shows which review answer has the keyboard focus, one frame per window.
#ifndef ACCESSIBLE_FOCUSFRAME_H
#define ACCESSIBLE_FOCUSFRAME_H

#include <QtWidgets/QWidget>

class QLabel;

namespace accessible {

// The frame of the focus for labels that Tab reaches: a reader hears the label itself, by its
// name, and a sighted learner sees this frame 2 px inside it. One frame serves a whole
// window: it moves over whichever such label has the focus, among the label's neighbours,
// lets every click and tooltip through, draws only the style's focus frame, and is never
// shown to a reader.
class FocusFrame : public QWidget
{
    Q_OBJECT

public:
    // The frame of the window a widget is in, made the first time it is asked for.
    static FocusFrame *of(QWidget *widget);

    // Lets Tab give a label the focus, and shows this frame over it while it has it. Called
    // once the label's text is written: a text given later would be drawn two pixels higher.
    void follow(QLabel *text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    explicit FocusFrame(QWidget *window);

    void moveOver(QWidget *text);

    QWidget *target = nullptr;   // the label the frame stands over, while it has the focus
};

} // namespace accessible

#endif // ACCESSIBLE_FOCUSFRAME_H
