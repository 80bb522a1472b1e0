#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>

class QObject;

// What differs between the Linux desktops, Windows and the browser, behind
// one interface: platform_unix.cpp, platform_windows.cpp (both with
// platform_desktop.cpp) and platform_web.cpp, the page's own side in
// platform_web.js; platform.cpp holds what is the same everywhere.
namespace vortalin::ui::platform {

// The drive list's entries, as directory paths with "/" separators: the
// drive letters that exist on Windows ("C:/"); elsewhere the roots of the
// mounted volumes, "/" first, then the user's home.
QStringList driveRoots();

// Whether two paths name the same place depends on the system's case rule.
Qt::CaseSensitivity fileNameCase();

// The old help viewer at its fixed place, and the help file beside the
// program: both exist only on old Windows with the file installed.
inline constexpr char winHelpViewer[] = "c:\\windows\\winhlp32.exe";
inline constexpr char helpFileName[] = "vortalin.hlp";
bool hasWinHelp(const QString& programDirectory);

// Whether the catalogue's faces (Arial, Times New Roman, Lucida
// Handwriting) are the system's own, so they need no free stand-ins.
bool hasCatalogueFaces();

// What decides the window system the game runs on.
struct Desktop {
    QByteArray chosenPlatform;     // QT_QPA_PLATFORM
    bool platformArgument = false; // -platform on the command line
    QByteArray waylandDisplay;     // WAYLAND_DISPLAY
    QByteArray sessionType;        // XDG_SESSION_TYPE
    QByteArray x11Display;         // DISPLAY
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

// The browser (WebAssembly) differs most; on the desktops these do nothing.

// Before the application object: the maps' folder in the browser's own
// storage as the current folder, read back from the storage meanwhile;
// the drive list waits for it, the player's input set aside meanwhile.
void openStorage();

// The one folder maps may be saved in and loaded from, with what lies under
// it: the browser's stored folder, since whatever lies outside it is gone at
// the next visit. Empty where the player's whole file system is open to
// the map file dialog.
QString mapsFolder();

// Before the first window: the faces the windows use; in the browser, the
// phone's keyboard follows the focus (keyboardFor).
void startUp();

// The keyboard a phone should offer for the object that has the focus, as
// HTML's inputmode names it: "decimal" for a box that takes a number (its
// input method hints say so), "numeric" for digits only, "text" for any
// other box that takes typing, "none" for a control that takes no text.
QString keyboardFor(QObject* focus);

// Where the guide is a page of the game's own site, opens it in a new tab
// and gives true, with `problem` set when the browser refused; false where
// help goes through the desktop.
bool openSiteGuide(QString& problem);

// A map just written must also reach the browser's storage, or it is gone at
// the next visit. False when the storage refused it: the file is then put
// back as the storage still holds it. Where it was kept, the player also gets
// a copy to take away. The player's input is set aside while it waits.
bool keepSavedMap(const QString& path);

// A pause inside a drawing that takes no input (an explosion): the browser
// shows the window only while the program is paused, so there it pauses at
// least until the page has painted, even when no time is owed.
void pauseForFrame(std::int64_t nanoseconds);

// After a flight's frame whose wait in the event loop was no wait at all (its
// steps took the whole frame): the browser gets its turn to paint and take
// input all the same. Nothing elsewhere.
void letPagePaint();

// How many frames' time a paced flight may earn in one wait: the browser's
// waits end later than a desktop's (its timers, then its painting).
double mostFramesEarned();

// After "Esci": the page says the game is over.
void programEnded();

} // namespace vortalin::ui::platform
