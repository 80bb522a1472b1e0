#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

namespace vortalin::ui {

inline constexpr char guideFileName[] = "guida.html";

// What help needs from the system, so tests can stand in for it.
struct HelpSystem {
    bool hasWinHelp = false; // the old viewer and its help file are both there
    std::function<bool(const QString& path)> fileExists;
    std::function<bool(const QString& program, const QStringList& arguments)> startDetached;
    std::function<bool(const QUrl& url)> openUrl;

    static HelpSystem real();
};

// The viewer's command line for the help file in the program's directory.
// The file's path is quoted when it holds blanks, or the viewer would stop
// at the first one ("C:\Program Files").
QString winHelpCommandLine(const QString& programDirectory);

// Where the guide may be, in order: in guida/ beside the program (the build
// tree), then in the installed tree's guide folder.
QStringList guidePlaces(const QString& programDirectory);

// Starts the help viewer where it exists; elsewhere hands the guide to the
// desktop's opener, without waiting. Returns the message to show when that
// failed, empty when help started.
QString offerHelp(const QString& programDirectory, const HelpSystem& system);

} // namespace vortalin::ui
