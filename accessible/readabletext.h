// Used only inside this folder: a multi-line label as a reader's text, read by line or word.
#ifndef ACCESSIBLE_READABLETEXT_H
#define ACCESSIBLE_READABLETEXT_H

#include "widgetinterface.h"

#include <QtGui/QTextDocument>

namespace accessible {

// A label as a reader's text: by character, word, sentence, line or paragraph, with where
// each character stands on screen and, for a passage marked so, the language it is written
// in. The lines are those of a copy of the label's document, laid out as the label lays out
// its own.
class ReadableText : public WidgetInterface, public QAccessibleTextInterface
{
public:
    explicit ReadableText(QLabel *label);

    void *interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text kind) const override;

    // Nothing can be selected in the label, and it has no caret of its own.
    void selection(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void scrollToSubstring(int, int) override {}

    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;

    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                         int *endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary,
                             int *startOffset, int *endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary,
                            int *startOffset, int *endOffset) const override;

    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

private:
    QLabel *label() const { return static_cast<QLabel *>(object()); }

    QString plain() const { return laidOut()->toPlainText(); }

    // Where the line the character at an offset is on begins and ends, its break left out.
    QPair<int, int> lineAt(int offset) const;

    // The label's text in the label's font, as wide as its contents, laid out anew whenever
    // the text, font or width changed since the last time.
    QTextDocument *laidOut() const;

    // Where the document's top left stands in the label: a label centres its text
    // vertically unless told otherwise.
    QPointF documentOrigin() const;

    mutable QTextDocument m_document;
    mutable QString m_source;
    mutable QFont m_font;
    mutable int m_width = -1;
};

} // namespace accessible

#endif // ACCESSIBLE_READABLETEXT_H
