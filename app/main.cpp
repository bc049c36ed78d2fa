#include "window/fontsubstitutes.h"
#include "window/frmtarnyxequations.h"
#include "window/translations.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Whether the environment names no display at all: no X display, no Wayland display, no platform
// chosen (by the environment or -platform). Qt would abort then, with advice that does not help.
// A display that is named but cannot be reached is left to Qt, whose message says which it was.
bool noDisplayNamed(int argc, char *argv[])
{
#ifdef Q_OS_LINUX
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char *value = std::getenv(name);
        if (value && *value)
            return false;
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return false;
    }
    return true;
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return false;
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    if (noDisplayNamed(argc, argv)) {
        std::fputs("tarnyx: no display: start it from a graphical desktop session\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnyx"));
    QApplication::setApplicationVersion(QStringLiteral(TARNYX_VERSION));
    QApplication::setOrganizationName(QStringLiteral("."));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Tarnyx"));
    registerFontSubstitutes();
    installTranslations();
    frmTarnyxEquations window;
    window.show();
    return app.exec();
}
