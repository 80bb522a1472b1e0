// The Linux desktops (and any other system without drive letters).
#include "platform.h"

#include <QDir>
#include <QStorageInfo>

namespace vortalin::ui::platform {

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

} // namespace vortalin::ui::platform
