#include "platform.h"

#include "helpviewer.h"

#include <QDir>
#include <QFile>
#include <QStorageInfo>

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

} // namespace vortalin::ui::platform
