// What is the same on every platform: the choice of window system (it
// matters on the Linux desktops, and chooses nothing elsewhere) and the
// keyboard a focused control asks for.
#include "platform.h"

#include <QCoreApplication>
#include <QInputMethodQueryEvent>
#include <QtGlobal>

#include <cstring>

namespace vortalin::ui::platform {

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
    const QByteArray platform =
        platformFor({qgetenv(platformVariable), hasPlatformArgument(argc, argv),
                     qgetenv("WAYLAND_DISPLAY"), qgetenv("XDG_SESSION_TYPE"), qgetenv("DISPLAY")});
    if (!platform.isEmpty())
        m_set = qputenv(platformVariable, platform);
}

void WindowSystemChoice::forget() {
    if (m_set)
        qunsetenv(platformVariable);
    m_set = false;
}

QString keyboardFor(QObject* focus) {
    if (!focus)
        return QStringLiteral("none");
    // Asked as an input method asks, so any control that takes text answers.
    QInputMethodQueryEvent query(Qt::ImEnabled | Qt::ImHints);
    QCoreApplication::sendEvent(focus, &query);
    if (!query.value(Qt::ImEnabled).toBool())
        return QStringLiteral("none");
    const auto hints = Qt::InputMethodHints(query.value(Qt::ImHints).toInt());
    if (hints & Qt::ImhFormattedNumbersOnly)
        return QStringLiteral("decimal");
    if (hints & Qt::ImhDigitsOnly)
        return QStringLiteral("numeric");
    return QStringLiteral("text");
}

} // namespace vortalin::ui::platform
