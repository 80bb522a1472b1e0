#include "mapfailure.h"

#include "mapformat.h"
#include "maptexts.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>
#include <cerrno>

namespace vortalin {

namespace {

// The longest name of one path element on the common file systems.
bool elementTooLong(const QString& element) {
#ifdef Q_OS_WIN
    return element.size() > 255; // UTF-16 units
#else
    return QFile::encodeName(element).size() > 255; // bytes
#endif
}

bool nameTooLong(const QString& path) {
    const QStringList elements = QDir::fromNativeSeparators(path).split(u'/');
    return std::any_of(elements.begin(), elements.end(), elementTooLong);
}

// A folder that cannot be entered hides what it holds: a name inside it
// looks missing unless the nearest folder in sight is found closed.
bool closedOnTheWay(const QString& path) {
    QFileInfo info(path);
    while (!info.exists()) {
        const QFileInfo parent(info.absolutePath());
        if (parent.absoluteFilePath() == info.absoluteFilePath())
            return false;
        info = parent;
    }
#ifdef Q_OS_UNIX
    return info.isDir() && !info.isExecutable(); // no search permission
#else
    return false;
#endif
}

struct WriteFailure {
    int systemError;
    MapFileResult result;
};

// The causes a player can act on; anything else is the last resort.
constexpr WriteFailure writeFailures[] = {
    {ENOSPC, MapFileResult::diskFull},
    {EFBIG, MapFileResult::diskFull},
#ifdef EDQUOT
    {EDQUOT, MapFileResult::diskFull},
#endif
    {EIO, MapFileResult::diskError},
    {EROFS, MapFileResult::readOnly},
    {EACCES, MapFileResult::noPermission},
    {EPERM, MapFileResult::noPermission},
    {ENXIO, MapFileResult::diskGone},
    {ENODEV, MapFileResult::diskGone},
#ifdef ENOMEDIUM
    {ENOMEDIUM, MapFileResult::diskGone},
#endif
#ifdef ESTALE
    {ESTALE, MapFileResult::connectionLost},
#endif
#ifdef EHOSTDOWN
    {EHOSTDOWN, MapFileResult::connectionLost},
#endif
    {ETIMEDOUT, MapFileResult::connectionLost},
    {ENOTCONN, MapFileResult::connectionLost},
    {ECONNRESET, MapFileResult::connectionLost},
    {ECONNABORTED, MapFileResult::connectionLost},
    {EHOSTUNREACH, MapFileResult::connectionLost},
    {ENETDOWN, MapFileResult::connectionLost},
    {ENETUNREACH, MapFileResult::connectionLost},
    {ENETRESET, MapFileResult::connectionLost},
    {EMFILE, MapFileResult::tooManyFiles},
    {ENFILE, MapFileResult::tooManyFiles},
    // Looking the map's name up: only its folders can be missing or in the way.
    {ENOENT, MapFileResult::missingFolder},
    {ENOTDIR, MapFileResult::missingFolder},
    {EISDIR, MapFileResult::folder},
    {ENAMETOOLONG, MapFileResult::nameTooLong},
};

} // namespace

MapFileResult whySaveFailed(const QString& path, QFileDevice::FileError error) {
    const QFileInfo file(path);
    if (file.isDir())
        return MapFileResult::folder;
    if (nameTooLong(path))
        return MapFileResult::nameTooLong;
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir())
        return closedOnTheWay(folder.absoluteFilePath()) ? MapFileResult::noPermission
                                                         : MapFileResult::missingFolder;
    const QStorageInfo storage(folder.absoluteFilePath());
    if (storage.isValid() && storage.isReadOnly())
        return MapFileResult::readOnly;
    if (file.exists() && !file.isFile())
        return MapFileResult::notAFile;
    if (!folder.isWritable() || (file.exists() && !file.isWritable()))
        return MapFileResult::noPermission;
    if (error == QFileDevice::ResourceError ||
        (storage.isValid() && storage.bytesAvailable() < qint64(mapFileSize)))
        return MapFileResult::diskFull;
    return MapFileResult::systemError;
}

MapFileResult whyWriteFailed(int systemError) {
    for (const WriteFailure& failure : writeFailures) {
        if (failure.systemError == systemError)
            return failure.result;
    }
    return MapFileResult::systemError;
}

MapFileResult whyLoadFailed(const QString& path) {
    if (nameTooLong(path))
        return MapFileResult::nameTooLong; // before asking whether it exists
    const QFileInfo file(path);
    if (!file.exists())
        return closedOnTheWay(path) ? MapFileResult::noPermission : MapFileResult::missing;
    if (file.isDir())
        return MapFileResult::folder;
    if (!file.isFile())
        return MapFileResult::notAFile;
    if (!file.isReadable())
        return MapFileResult::noPermission;
    return MapFileResult::systemError;
}

const char* reasonText(MapFileResult result) {
    switch (result) {
    case MapFileResult::done:
        return "";
    case MapFileResult::missing:
        return text::mapMissing;
    case MapFileResult::missingFolder:
        return text::mapMissingFolder;
    case MapFileResult::folder:
        return text::mapFolder;
    case MapFileResult::notAFile:
        return text::mapNotAFile;
    case MapFileResult::noPermission:
        return text::mapNoPermission;
    case MapFileResult::readOnly:
        return text::mapReadOnly;
    case MapFileResult::diskFull:
        return text::mapDiskFull;
    case MapFileResult::diskError:
        return text::mapDiskError;
    case MapFileResult::diskGone:
        return text::mapDiskGone;
    case MapFileResult::connectionLost:
        return text::mapConnectionLost;
    case MapFileResult::nameTooLong:
        return text::mapNameTooLong;
    case MapFileResult::plantedLink:
        return text::mapPlantedLink;
    case MapFileResult::replaced:
        return text::mapReplaced;
    case MapFileResult::sharedHardLink:
        return text::mapSharedHardLink;
    case MapFileResult::tooManyFiles:
        return text::mapTooManyFiles;
    case MapFileResult::tooShort:
        return text::mapTooShort;
    case MapFileResult::notFinite:
        return text::mapNotFinite;
    case MapFileResult::systemError:
        break;
    }
    return text::mapSystemError;
}

} // namespace vortalin
