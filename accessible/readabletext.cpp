// A multi-line label as a reader's text: see readabletext.h.
#include "readabletext.h"

#include "spoken.h"

#include <QtGui/QAbstractTextDocumentLayout>
#include <QtGui/QTextBlock>
#include <QtGui/QTextCursor>
#include <QtGui/QTextLayout>

namespace accessible {

namespace {

// Where each run of a text in one language begins, and its language. A run begins with a
// letter of its language, or at the start; the blanks and signs between two runs go with the
// first.
QVector<QPair<int, QString>> languageRuns(const QString &text)
{
    QVector<QPair<int, QString>> runs;
    for (int i = 0; i < text.size(); ++i) {
        const QString here = writtenIn(text.at(i));
        if (here.isEmpty() || (!runs.isEmpty() && runs.last().second == here))
            continue;
        runs.append({runs.isEmpty() ? 0 : i, here});
    }
    return runs;
}

} // namespace


ReadableText::ReadableText(QLabel *label) : WidgetInterface(label, QAccessible::StaticText) {}

void *ReadableText::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return WidgetInterface::interface_cast(type);
}

QString ReadableText::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Name && label()->accessibleName().isEmpty())
        return spokenText(label());
    return WidgetInterface::text(kind);
}

QString ReadableText::text(int startOffset, int endOffset) const
{
    return plain().mid(startOffset, endOffset - startOffset);
}

int ReadableText::characterCount() const
{
    return plain().size();
}

QString ReadableText::textAtOffset(int offset, QAccessible::TextBoundaryType boundary,
                                   int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = -1;
    const int count = characterCount();
    if (offset < 0 || offset > count)
        return QString();
    if (boundary == QAccessible::NoBoundary) {
        *startOffset = 0;
        *endOffset = count;
        return plain();
    }
    const int at = offset == count && offset > 0 ? offset - 1 : offset;
    QPair<int, int> range;
    if (boundary == QAccessible::LineBoundary) {
        range = lineAt(at);
    } else {
        QTextCursor cursor(laidOut());
        cursor.setPosition(at);
        range = QAccessible::qAccessibleTextBoundaryHelper(cursor, boundary);
    }
    // A line or a paragraph ends after the break that ends it, where the next one begins: a
    // reader that asked for the line at a line's end got the same line again, and Orca 48 and
    // later read the first line of the passage twice.
    const bool byLines = boundary == QAccessible::LineBoundary
        || boundary == QAccessible::ParagraphBoundary;
    if (byLines && range.second < count && plain().at(range.second) == QLatin1Char('\n'))
        ++range.second;
    *startOffset = range.first;
    *endOffset = range.second;
    return text(range.first, range.second);
}

QPair<int, int> ReadableText::lineAt(int offset) const
{
    // The line the character at the offset is on: where a line wraps, the cursor between the
    // two lines stands at the end of the first, and the toolkit's helper gave the first.
    const QTextBlock block = laidOut()->findBlock(offset);
    if (!block.isValid() || !block.layout())
        return {offset, offset};
    const QTextLine line = block.layout()->lineForTextPosition(offset - block.position());
    if (!line.isValid())
        return {block.position(), block.position() + block.length() - 1};
    const int start = block.position() + line.textStart();
    return {start, start + line.textLength()};
}

QString ReadableText::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary,
                                       int *startOffset, int *endOffset) const
{
    int start = 0;
    int end = 0;
    textAtOffset(offset, boundary, &start, &end);
    if (start <= 0) {
        *startOffset = *endOffset = -1;
        return QString();
    }
    return textAtOffset(start - 1, boundary, startOffset, endOffset);
}

QString ReadableText::textAfterOffset(int offset, QAccessible::TextBoundaryType boundary,
                                      int *startOffset, int *endOffset) const
{
    int start = 0;
    int end = 0;
    textAtOffset(offset, boundary, &start, &end);
    if (end < 0 || end >= characterCount()) {
        *startOffset = *endOffset = -1;
        return QString();
    }
    return textAtOffset(end, boundary, startOffset, endOffset);
}

QRect ReadableText::characterRect(int offset) const
{
    QTextDocument *document = laidOut();
    const QTextBlock block = document->findBlock(offset);
    if (!block.isValid() || !block.layout())
        return QRect();
    const QTextLayout *layout = block.layout();
    const int inBlock = offset - block.position();
    const QTextLine line = layout->lineForTextPosition(inBlock);
    if (!line.isValid())
        return QRect();
    const qreal left = line.cursorToX(inBlock);
    const qreal right = line.cursorToX(inBlock + 1);
    const QPointF origin = layout->position() + documentOrigin();
    QRectF rect(origin.x() + left, origin.y() + line.y(), qMax<qreal>(right - left, 1),
                line.height());
    // A text of one line stands as high as the label: flat review puts texts whose middles
    // lie within a few pixels on one line, and the header's two labels, of one height and
    // fonts of two sizes, stay on one line, as when a reader took the labels' own places.
    if (document->blockCount() == 1 && layout->lineCount() == 1) {
        const QRect contents = label()->contentsRect();
        rect.setTop(contents.top());
        rect.setHeight(contents.height());
    }
    return QRect(label()->mapToGlobal(rect.topLeft().toPoint()), rect.size().toSize());
}

int ReadableText::offsetAtPoint(const QPoint &point) const
{
    const QPointF inDocument = QPointF(label()->mapFromGlobal(point)) - documentOrigin();
    return laidOut()->documentLayout()->hitTest(inDocument, Qt::FuzzyHit);
}

QString ReadableText::attributes(int offset, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    if (offset < 0 || offset > *endOffset) {
        *startOffset = *endOffset = -1;
        return QString();
    }
    const QVariant language = label()->property(textLanguage);
    if (language.isValid())
        return QStringLiteral("language:") + language.toString();
    // Any other label tells the language of each run of its text: a reader that switches
    // voices by a text's language, as Orca 51 does in flat review, reads "1) servir de
    // liaison: c) агентурна операція" with two voices.
    const QVector<QPair<int, QString>> runs = languageRuns(plain());
    if (runs.isEmpty())
        return QString();
    int run = 0;
    while (run + 1 < runs.size() && runs[run + 1].first <= offset)
        ++run;
    *startOffset = runs[run].first;
    *endOffset = run + 1 < runs.size() ? runs[run + 1].first : characterCount();
    return QStringLiteral("language:") + runs[run].second;
}

QTextDocument *ReadableText::laidOut() const
{
    // A label named otherwise than its text reads as its name, on one line over the label.
    const bool named = !label()->accessibleName().isEmpty();
    const QString source = named ? label()->accessibleName() : label()->text();
    const QFont font = label()->font();
    const int width = named ? -1 : label()->contentsRect().width();
    if (source != m_source || font != m_font || width != m_width) {
        m_source = source;
        m_font = font;
        m_width = width;
        m_document.setDefaultFont(font);
        m_document.setDocumentMargin(0);
        QTextOption option = m_document.defaultTextOption();
        option.setAlignment(label()->alignment() & Qt::AlignHorizontal_Mask);
        m_document.setDefaultTextOption(option);
        if (!named && showsRichText(label()))
            m_document.setHtml(source);
        else
            m_document.setPlainText(source);
        m_document.setTextWidth(width);
        m_document.size();   // lays the lines out now: lines are only known once laid out
    }
    return &m_document;
}

QPointF ReadableText::documentOrigin() const
{
    const QRect contents = label()->contentsRect();
    const qreal height = laidOut()->size().height();
    qreal top = contents.top();
    if (label()->alignment() & Qt::AlignVCenter)
        top += (contents.height() - height) / 2;
    else if (label()->alignment() & Qt::AlignBottom)
        top += contents.height() - height;
    return QPointF(contents.left(), top);
}

} // namespace accessible
