#include "windowsystem.h"

#include <QtGlobal>

#include <cstring>

namespace vortalin::ui {

namespace {

constexpr char platformVariable[] = "QT_QPA_PLATFORM";

bool hasPlatformArgument(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    return false;
}

} // namespace

QByteArray platformFor(const Desktop& desktop) {
    if (!desktop.chosenPlatform.isEmpty() || desktop.platformArgument)
        return {};
    const bool wayland = !desktop.waylandDisplay.isEmpty() || desktop.sessionType == "wayland";
    if (wayland && !desktop.x11Display.isEmpty())
        return "xcb;wayland";
    return {};
}

WindowSystemChoice::WindowSystemChoice(int argc, char** argv) {
    const QByteArray platform = platformFor({qgetenv(platformVariable),
                                             hasPlatformArgument(argc, argv),
                                             qgetenv("WAYLAND_DISPLAY"),
                                             qgetenv("XDG_SESSION_TYPE"), qgetenv("DISPLAY")});
    if (!platform.isEmpty())
        m_set = qputenv(platformVariable, platform);
}

void WindowSystemChoice::forget() {
    if (m_set)
        qunsetenv(platformVariable);
    m_set = false;
}

} // namespace vortalin::ui
