#include "platform.h"

#include <QDir>
#include <QFile>
#include <QStorageInfo>
#include <QtGlobal>

#include <cstring>

namespace vortalin::ui::platform {

#ifdef Q_OS_WIN

QStringList driveRoots() {
    // Lettered drives only: volumes mounted in folders are reached through
    // their drive, and the home folder is a folder of drive C.
    QStringList roots;
    for (const QFileInfo& drive : QDir::drives())
        roots << drive.absoluteFilePath();
    return roots;
}

Qt::CaseSensitivity fileNameCase() {
    return Qt::CaseInsensitive;
}

bool hasWinHelp(const QString& programDirectory) {
    // Windows 10 and 11 keep only a stub of the viewer, and players have no
    // help file: both must be there, or the guide is the better help.
    return QFile::exists(QLatin1String(winHelpViewer)) &&
           QFile::exists(QDir(programDirectory).filePath(QLatin1String(helpFileName)));
}

bool hasCatalogueFaces() {
    return true;
}

#else

QStringList driveRoots() {
    QStringList roots;
    for (const QFileInfo& drive : QDir::drives())
        roots << drive.absoluteFilePath();
    QStringList volumes;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        // Containers mount single files too; only directories are drives.
        if (volume.isValid() && volume.isReady() && QFileInfo(volume.rootPath()).isDir())
            volumes << QDir::cleanPath(volume.rootPath());
    }
    volumes.sort();
    volumes << QDir::homePath();
    for (const QString& root : volumes) {
        if (!roots.contains(root))
            roots << root;
    }
    return roots;
}

Qt::CaseSensitivity fileNameCase() {
    return Qt::CaseSensitive;
}

bool hasWinHelp(const QString&) {
    return false;
}

bool hasCatalogueFaces() {
    return false;
}

#endif

// Linux desktops: X11 or Wayland.
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

} // namespace vortalin::ui::platform
