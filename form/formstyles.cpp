// The style sheets, wrappers, fonts and page frames that several pages of the form share, and
// the two helpers that keep the pages quick to build and their accents whole.

#include "formstyles.h"

#include <QtCore/QEvent>
#include <QtGui/QTextBlock>
#include <QtGui/QTextCursor>
#include <QtGui/QTextDocument>
#include <QtGui/QTextDocumentFragment>
#include <QtGui/QTextLayout>

#include <algorithm>

namespace formstyles {

const char *const window =
    "background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, stop:0 rgba(0, 59, 117, 255), "
    "stop:1 rgba(0, 158, 201, 255));";
const char *const pagePanel =
    "background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, stop:0 rgba(191, 191, 191, 255), "
    "stop:1 rgba(255, 255, 255, 255));\n"
    "border-radius: 5px;";
const char *const transparent = "background: rgba(255, 255, 255, 0);";
const char *const itemLabel =
    "font: 10pt \"Trebuchet MS\";\n"
    "background: rgba(255, 255, 255, 0);\n"
    "padding-left: 5px; ";
const char *const answerList =
    "font: 10pt \"Trebuchet MS\";\n"
    "border-radius: 0;\n";

namespace {
QString wrapped(const char *prefix, const char *text, const char *suffix)
{
    const QByteArray full = QByteArray(prefix) + text + suffix;
    return tr(full.constData());
}
} // namespace

QString heading(const char *text)
{
    return wrapped("<html><head/><body><p><span style=\" font-size:12pt; font-weight:600; "
                   "font-style:italic; color:#00557f;\">",
                   text, "</span></p></body></html>");
}

QString itemText(const char *text)
{
    return wrapped("<html><head/><body><p><span style=\" font-weight:600;\">", text,
                   "</span></p></body></html>");
}

QWidget *newPage(const char *name)
{
    auto *page = new QWidget();
    page->setObjectName(QString::fromLatin1(name));
    return page;
}

QWidget *newPanel(QWidget *page, const char *name, const QRect &geometry)
{
    auto *panel = new QWidget(page);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(geometry);
    panel->setStyleSheet(QString::fromUtf8(pagePanel));
    return panel;
}

QLabel *newHeading(QWidget *panel, const char *name, const QRect &geometry, bool wraps)
{
    auto *heading = new QLabel(panel);
    heading->setObjectName(QString::fromLatin1(name));
    heading->setGeometry(geometry);
    heading->setStyleSheet(QString::fromUtf8(transparent));
    heading->setWordWrap(wraps);
    return heading;
}

namespace {

// Every widget asks to be polished once the event loop runs, shown or not, and the
// toolkit polishes any widget it shows anyway. Appending a page to the styled stack has
// already styled its panel and everything on it, so polishing the page again at start-up
// only repeats that work for a page nobody sees yet. This filter lets a widget's one
// polish request through only while the widget is on screen; a widget off screen is
// polished when it is first shown, as every widget is, and reports the same from then on.
class PolishWhenShown : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::PolishRequest)
            return false;
        watched->removeEventFilter(this);   // a widget asks once
        return !static_cast<QWidget *>(watched)->isVisible();
    }
};

// True when the text, rich or plain, has a capital with an accent or other mark, such as É.
bool hasAccentedCapital(const QString &text)
{
    const QString plain = QTextDocumentFragment::fromHtml(text).toPlainText();
    return std::any_of(plain.cbegin(), plain.cend(), [](QChar c) {
        return c.isUpper() && c.decompositionTag() == QChar::Canonical;
    });
}

// Two pixels of room above each line of a label's rich text while that text has an accented
// capital: see keepAccentsWhole(). Given at once, and again before a paint whenever the label
// has rebuilt its document from a new text.
//
// The label offers no documented way to set its lines' height: its text is the form's, and so is
// its style sheet. So the room is set on the text document the label keeps as its child, which
// it has done since Qt 4. Should a release of the toolkit stop keeping it so, the accents are cut
// again and the whole-text check of the pages fails on "RÉSULTAT" and "4. Les États".
class AccentRoom : public QObject
{
    Q_OBJECT

public:
    explicit AccentRoom(QLabel *label) : QObject(label)
    {
        label->installEventFilter(this);
        give(label);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            give(static_cast<QLabel *>(watched));
        return false;
    }

private:
    void give(QLabel *label)
    {
        if (label->text() != text) {
            text = label->text();
            accented = hasAccentedCapital(text);
        }
        if (!accented)
            return;
        (void)label->heightForWidth(label->width());   // the label fills its document
        QTextDocument *document = label->findChild<QTextDocument *>();
        const QTextLayout *lines = document ? document->begin().layout() : nullptr;
        if (!lines || lines->lineCount() == 0)
            return;
        QTextCursor start(document);
        QTextBlockFormat format = start.blockFormat();
        if (format.lineHeightType() == QTextBlockFormat::MinimumHeight)
            return;
        format.setLineHeight(lines->lineAt(0).height() + 2, QTextBlockFormat::MinimumHeight);
        start.setBlockFormat(format);
        label->setIndent(label->indent());   // its size and layout taken anew
    }

    QString text;
    bool accented = false;
};

} // namespace

// A label draws its rich text clipped to the top of its first line, where the window's fonts
// set the accent of a capital ("États", "RÉSULTAT") a little above the line. While its text has
// such a capital, its lines are two pixels taller, the room going above each line: the text
// layout adds none above the first line otherwise.
void keepAccentsWhole(QLabel *label)
{
    if (!label->findChild<AccentRoom *>(QString(), Qt::FindDirectChildrenOnly))
        new AccentRoom(label);
}

void polishWhenShown(QWidget *page)
{
    auto *filter = new PolishWhenShown(page);
    page->installEventFilter(filter);
    const QList<QWidget *> widgets = page->findChildren<QWidget *>();
    for (QWidget *widget : widgets)
        widget->installEventFilter(filter);
}

QFont itemFont()
{
    QFont font;
    font.setFamily(QStringLiteral("Trebuchet MS"));
    font.setPointSize(10);
    font.setBold(false);
    font.setItalic(false);
    font.setWeight(QFont::Normal);
    return font;
}

QFont gridFont()
{
    QFont font;
    font.setPointSize(12);
    return font;
}

} // namespace formstyles

#include "formstyles.moc"
