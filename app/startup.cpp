// The start-up routine: what the toolkit is told before and after the application object
// exists, so that the window looks and reads the same on every desktop.

#include "startup.h"
#include "interfaces.h"
#include "ringstyle.h"
#include "screenscale.h"
#include "windowfonts.h"

#include <QtCore/QByteArray>
#include <QtWidgets/QApplication>
#include <QtWidgets/QStyle>

#include <algorithm>
#include <iterator>

namespace {

// Set by prepareToolkit: a style named on the command line is the user's and wins.
bool styleFromCommandLine = false;

// Two style sheets of the window give rgb() four values, and the toolkit warns of it at every
// start: Qt 5 takes the fourth as the alpha, Qt 6 drops the colour (see RingStyle). Those two
// messages are dropped; every other one goes on as before.
QtMessageHandler nextHandler = nullptr;

void dropKnownStyleNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    static const QString known[] = {
        QStringLiteral("QCssParser::parseColorValue: Specified color without alpha value but "
                       "alpha given: 'rgb 255, 255, 255, 0.0'"),
        QStringLiteral("QCssParser::parseColorValue: Specified color without alpha value but "
                       "alpha given: 'rgb 255, 255, 255, 0'"),
    };
    const bool isKnown = std::find(std::begin(known), std::end(known), message) != std::end(known);
    if (type == QtWarningMsg && isKnown)
        return;
    if (nextHandler)
        nextHandler(type, context, message);
}

bool askedForStyle(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        QByteArray argument(argv[i]);
        if (argument.startsWith("--"))
            argument.remove(0, 1);
        if ((argument == "-style" && i + 1 < argc) || argument.startsWith("-style="))
            return true;
    }
    return false;
}

} // namespace

void prepareToolkit(int argc, char **argv)
{
    styleFromCommandLine = askedForStyle(argc, argv);
    // A screen the window does not fit at its scale makes the program start again: keep how.
    keepCommandLine(argc, argv);
    // The window is laid out for 96 dpi: on a scaled screen the toolkit grows all of it, by the
    // exact factor the desktop set (125 % stays 125 %, not rounded to 100 % or 200 %).
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);   // always on in Qt 6
#endif
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    // Dark desktop palettes and desktop fonts would make texts unreadable or cut them.
    QGuiApplication::setDesktopSettingsAware(false);
}

void prepareApplication()
{
    // Two notes on the window's own style sheets were printed at every start.
    if (!nextHandler)
        nextHandler = qInstallMessageHandler(dropKnownStyleNotes);
    // A window scaled past the screen would hide its buttons; fit it, and never shrink it.
    fitScreenScales();
    // One style and its own light palette on every desktop, with the ring drawn in.
    const QString base = styleFromCommandLine ? QApplication::style()->objectName()
                                              : QStringLiteral("fusion");
    QApplication::setStyle(new RingStyle(base));
    QApplication::setPalette(QApplication::style()->standardPalette());
    useWindowFaces();
    // Qt 5 names a chosen list by its option and a box's options by its title; readers lost both.
    accessible::installInterfaces();
}
