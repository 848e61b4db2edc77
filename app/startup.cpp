#include "startup.h"

#include <QtGui/QFont>
#include <QtWidgets/QApplication>

namespace {

// 13 pixels across, so the ring fits the 13-pixel rows of exercise I.
const char *const radioIndicatorStyle =
    "QRadioButton::indicator { width: 11px; height: 11px; border: 1px solid #262626; border-radius: 6px; "
    "background: #ffffff; }\n"
    "QRadioButton::indicator:checked { background: qradialgradient(cx:0.5, cy:0.5, radius:0.5, fx:0.5, fy:0.5, "
    "stop:0 #00557f, stop:0.6 #00557f, stop:0.75 #ffffff, stop:1 #ffffff); }\n";

} // namespace

void prepareApplication()
{
    // Trebuchet MS is missing on Linux; Carlito is close enough in width that every chrome text fits.
    QFont::insertSubstitution(QStringLiteral("Trebuchet MS"), QStringLiteral("Carlito"));
    // One dialog face on every desktop, so texts laid out for it fit whatever the desktop's default is.
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"));
    QFont font = QApplication::font();
    font.setFamily(QStringLiteral("Tahoma"));
    QApplication::setFont(font);
    // Under the window's gradient the platform style draws no ring round an unchecked option; draw one.
    qApp->setStyleSheet(QString::fromLatin1(radioIndicatorStyle));
}
