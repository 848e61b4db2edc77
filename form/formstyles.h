#ifndef FORMSTYLES_H
#define FORMSTYLES_H

#include <QtCore/QByteArray>
#include <QtCore/QCoreApplication>
#include <QtCore/QString>
#include <QtCore/QRect>
#include <QtGui/QFont>
#include <QtWidgets/QLabel>
#include <QtWidgets/QWidget>

// Style sheets, wrappers and fonts that recur on several pages of the form.
namespace formstyles {

extern const char *const window;        // the window's blue gradient, painted behind everything
extern const char *const pagePanel;     // grey-to-white panel of pages 0 to 6
extern const char *const transparent;   // headings, reading text, exercise I group boxes
extern const char *const itemLabel;     // item labels of pages 2 to 6
extern const char *const answerList;    // answer lists of pages 2 to 6

// Every text of the form goes through the translation lookup of the window.
inline QString tr(const char *text)
{
    return QCoreApplication::translate("MainWindow", text, nullptr);
}

// Page heading: bold italic 12 pt in dark blue.
QString heading(const char *text);
// Item label text: the item in bold, blanks kept.
QString itemText(const char *text);

// The frame every page of the stack shares: the page widget itself (parentless
// until the stack takes it), its grey-to-white panel and the heading on the panel.
QWidget *newPage(const char *name);
QWidget *newPanel(QWidget *page, const char *name, const QRect &geometry);
QLabel *newHeading(QWidget *panel, const char *name, const QRect &geometry, bool wraps);
// Call on a finished page just before the stack takes it: the page and everything on
// it are then polished when the page is first shown, not at start-up (see the source).
void polishWhenShown(QWidget *page);

// Two pixels of room above each line of a rich-text label while its text has an accented
// capital, which the label's clip would otherwise cut; kept when the label gets a new text.
void keepAccentsWhole(QLabel *label);

QFont itemFont();   // Trebuchet MS 10 pt, upright, normal weight
QFont gridFont();   // 12 pt, nothing else set

} // namespace formstyles

#endif // FORMSTYLES_H
