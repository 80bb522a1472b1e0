#pragma once

#include <QByteArray>

namespace vortalin::ui {

// What decides the window system the game runs on.
struct Desktop {
    QByteArray chosenPlatform; // QT_QPA_PLATFORM
    bool platformArgument = false; // -platform on the command line
    QByteArray waylandDisplay; // WAYLAND_DISPLAY
    QByteArray sessionType; // XDG_SESSION_TYPE
    QByteArray x11Display; // DISPLAY
};

// The platform to ask Qt for, empty for Qt's own choice. A Wayland client
// cannot place its windows, and every window of the game opens centred on
// the screen: where the desktop also runs an X server (XWayland), the game
// goes through it, falling back to Wayland if it does not answer. What the
// player chose is kept.
QByteArray platformFor(const Desktop& desktop);

// Makes that choice for this process before the application starts, and
// takes it back once started, so the programs the game launches (the
// guide's browser) choose for themselves.
class WindowSystemChoice {
public:
    WindowSystemChoice(int argc, char** argv);
    void forget();

private:
    bool m_set = false;
};

} // namespace vortalin::ui
