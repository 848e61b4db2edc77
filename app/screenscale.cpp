// The scale each screen is given before the window is shown.

#include "screenscale.h"

#include <QtGui/QGuiApplication>
#include <QtGui/QScreen>
#include <QtGui/private/qhighdpiscaling_p.h>

#include <algorithm>

namespace {

// True when the user set the scale through the toolkit's own variables; then they decide.
bool userChoseScale()
{
    for (const char *name : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
                             "QT_SCALE_FACTOR_ROUNDING_POLICY", "QT_DEVICE_PIXEL_RATIO"}) {
        if (qEnvironmentVariableIsSet(name))
            return true;
    }
    for (const char *name : {"QT_ENABLE_HIGHDPI_SCALING", "QT_AUTO_SCREEN_SCALE_FACTOR"}) {
        bool isNumber = false;
        if (qEnvironmentVariableIntValue(name, &isNumber) == 0 && isNumber)
            return true;
    }
    return false;
}

// The one private call of the toolkit we rely on: Qt 5 offers no public way to
// change a screen's scale once the application exists. A factor of exactly 1 is
// ignored until some other factor has been set, so one is set first.
void setScreenScale(QScreen *screen, qreal factor)
{
    if (qFuzzyCompare(factor, qreal(1)))
        QHighDpiScaling::setScreenFactor(screen, 2);
    QHighDpiScaling::setScreenFactor(screen, factor);
}

// The scale a screen's dots per inch ask for, kept where the 800 x 600 window and
// a title bar fit the screen's free area. 100 dpi is what an X server assumes when
// it does not know the screen's size, not a scale a desktop chose (desktops set
// 96 dpi times their scale), so anything under 105 % is taken as 100 %.
qreal fittingScale(const QScreen *screen)
{
    const qreal asked = screen->devicePixelRatio();
    const QSizeF freeArea = QSizeF(screen->availableGeometry().size()) * asked;
    const qreal fits = std::min(freeArea.width() / 800, freeArea.height() / (600 + 40));
    const qreal scale = asked < 1.05 ? 1 : std::min(asked, fits);
    return std::max<qreal>(scale, 1);
}

} // namespace

void fitScreenScales()
{
    if (userChoseScale())
        return;
    for (QScreen *screen : QGuiApplication::screens()) {
        const qreal scale = fittingScale(screen);
        if (!qFuzzyCompare(scale, screen->devicePixelRatio()))
            setScreenScale(screen, scale);
    }
}
