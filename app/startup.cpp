#include "startup.h"

#include <QtGui/QFont>
#include <QtWidgets/QApplication>

void prepareApplication()
{
    // Trebuchet MS is missing on Linux; Carlito is close enough in width that every chrome text fits.
    QFont::insertSubstitution(QStringLiteral("Trebuchet MS"), QStringLiteral("Carlito"));
    // One dialog face on every desktop, so texts laid out for it fit whatever the desktop's default is.
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"));
    QFont font = QApplication::font();
    font.setFamily(QStringLiteral("Tahoma"));
    QApplication::setFont(font);
}
