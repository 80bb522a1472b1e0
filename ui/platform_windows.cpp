// Windows: drive letters, names without case, the system's own faces.
#include "platform.h"

#include <QDir>
#include <QFile>

namespace vortalin::ui::platform {

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

} // namespace vortalin::ui::platform
