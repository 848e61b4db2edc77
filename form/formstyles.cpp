#include "formstyles.h"

namespace formstyles {

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

QFont itemFont()
{
    QFont font;
    font.setFamily(QStringLiteral("Trebuchet MS"));
    font.setPointSize(10);
    font.setBold(false);
    font.setItalic(false);
    font.setWeight(50);
    return font;
}

QFont gridFont()
{
    QFont font;
    font.setPointSize(12);
    return font;
}

} // namespace formstyles
