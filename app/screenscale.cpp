// The scale each screen is given before the window is shown.

#include "screenscale.h"

#include <QtCore/QByteArray>
#include <QtCore/QCoreApplication>
#include <QtCore/QFile>
#include <QtCore/QLocale>
#include <QtGui/QGuiApplication>
#include <QtGui/QScreen>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// The command line as given, kept by keepCommandLine.
std::vector<std::string> commandLine;

// True when the user set the scale through the toolkit's own variables; then they decide.
// A start begun again at fitting scales sets QT_SCREEN_SCALE_FACTORS, so it never fits twice.
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

// Runs this program again from its start, same file, command line and process, with the
// environment as it now is. Returns only when that fails.
void startAgain()
{
    // The file the kernel started, not /proc/self/exe itself: under valgrind that is valgrind.
    const QByteArray program = QFile::encodeName(QCoreApplication::applicationFilePath());
    std::vector<char *> arguments;
    for (std::string &argument : commandLine)
        arguments.push_back(&argument[0]);
    arguments.push_back(nullptr);
    std::fflush(nullptr);
    execv(program.constData(), arguments.data());
    qWarning("Could not start again at the screen's scale: %s", std::strerror(errno));
}

} // namespace

void keepCommandLine(int argc, char **argv)
{
    commandLine.assign(argv, argv + argc);
}

void fitScreenScales()
{
    if (userChoseScale() || commandLine.empty())
        return;
    const QList<QScreen *> screens = QGuiApplication::screens();
    std::vector<qreal> scales;
    bool refit = false;
    for (const QScreen *screen : screens) {
        scales.push_back(fittingScale(screen));
        refit = refit || !qFuzzyCompare(scales.back(), screen->devicePixelRatio());
    }
    // The usual case: every screen already has its scale, and nothing more is done.
    if (!refit)
        return;
    // One factor for every screen, in the order of QGuiApplication::screens(), as
    // QT_SCREEN_SCALE_FACTORS takes them: a screen left out would keep its dpi's scale.
    QByteArray factors;
    bool allOne = true;
    for (const qreal scale : scales) {
        allOne = allOne && qFuzzyCompare(scale, qreal(1));
        factors += (factors.isEmpty() ? "" : ";")
            + QByteArray::number(scale, 'g', QLocale::FloatingPointShortest);
    }
    // The toolkit fixes the screens' scales while the application object is made and offers no
    // public way to change them after; it reads the variables below only then, so the program
    // begins again with them set, before any window exists.
    const bool hadFontDpi = qEnvironmentVariableIsSet("QT_FONT_DPI");
    const QByteArray fontDpi = qgetenv("QT_FONT_DPI");
    qputenv("QT_SCREEN_SCALE_FACTORS", factors);
    // A list of factors that are all 1 is taken as no list at all, and each screen would keep
    // its dpi's scale; taking every screen's dpi as 96 instead gives them all 100 %, with fonts
    // laid out at 96 dpi as on any other scale.
    if (allOne)
        qputenv("QT_FONT_DPI", "96");
    startAgain();
    // It failed: this start goes on at the toolkit's scales, its environment as it was.
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    if (hadFontDpi)
        qputenv("QT_FONT_DPI", fontDpi);
    else
        qunsetenv("QT_FONT_DPI");
}
