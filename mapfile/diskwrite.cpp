#include "diskwrite.h"

#include "mapfailure.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <utility>

#ifdef Q_OS_UNIX
#include <climits>
#include <cstdio>
#include <string>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QFileInfo>
#include <QSaveFile>
#endif

namespace vortalin {

namespace {

std::function<void(SaveStep)>& saveStepHook() {
    static std::function<void(SaveStep)> hook;
    return hook;
}

void reach(SaveStep step) {
    if (const auto& hook = saveStepHook())
        hook(step);
}

} // namespace

void setSaveStepHook(std::function<void(SaveStep)> hook) {
    saveStepHook() = std::move(hook);
}

#ifdef Q_OS_UNIX

namespace {

int writeAll(int fd, qint64 offset, const char* data, qint64 size, qint64& written) {
    written = 0;
    while (written < size) {
        const ssize_t n =
            ::pwrite(fd, data + written, size_t(size - written), off_t(offset + written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return ENOSPC; // a device that takes no more
        written += n;
    }
    return 0;
}

// A network share or a removable disk may refuse only here. In the browser
// the files live in memory and fsync would carry the whole maps' folder to
// the browser's storage, the program paused meanwhile with the player's
// input taken: a second "Salva" would re-enter the save. The storage is
// reached once the map is written (platform::keepSavedMap), input set aside.
int syncFile([[maybe_unused]] int fd) {
#ifndef Q_OS_WASM
    while (::fsync(fd) != 0) {
        if (errno != EINTR)
            return errno;
    }
#endif
    return 0;
}

qint64 fileSize(int fd) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 ? qint64(info.st_size) : -1;
}

// Cuts a longer file to `size` bytes and pushes it to the disk: 0 only when
// the file then holds exactly that many.
int settle(int fd, qint64 size) {
    if (fileSize(fd) > size && ::ftruncate(fd, off_t(size)) != 0)
        return errno;
    if (const int error = syncFile(fd))
        return error;
    return fileSize(fd) == size ? 0 : unnamedSystemError;
}

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    Descriptor(Descriptor&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        std::swap(m_fd, other.m_fd);
        return *this;
    }
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int get() const { return m_fd; }
    explicit operator bool() const { return m_fd >= 0; }

private:
    int m_fd;
};

#ifdef O_PATH
constexpr int folderFlags = O_PATH | O_DIRECTORY | O_CLOEXEC; // needs no right to list it
#else
constexpr int folderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
#endif

constexpr int maxLinks = 40; // as many as Linux follows for one name

// Where the map goes: its folder, held open so that every later step works
// on the folder that was checked, and its name in that folder.
struct Place {
    Descriptor folder;
    std::string name;
};

// "a/b/c" gives "a/b" and "c", "/c" gives "/" and "c", "c" gives "." and "c".
std::pair<std::string, std::string> splitPath(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return {".", path};
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

// A sticky folder that anyone may write to, as /tmp: other users put names
// of their own beside the player's there.
bool openToAll(const struct stat& folder) {
    constexpr mode_t sharedWithAll = S_ISVTX | S_IWOTH;
    return (folder.st_mode & sharedWithAll) == sharedWithAll;
}

// The rule of Linux's fs.protected_symlinks: in a sticky folder that anyone
// may write to, a link is followed only when it belongs to the one who
// follows it or to the folder's owner. Otherwise another user could point
// the player's save at any file of the player's.
bool mayFollow(int folder, const struct stat& link) {
    struct stat dir {};
    if (::fstat(folder, &dir) != 0)
        return false;
    return link.st_uid == ::geteuid() || !openToAll(dir) || link.st_uid == dir.st_uid;
}

// Moves `place` to where the link at it points: 0 or the system's error.
int followLink(Place& place) {
    std::string target(PATH_MAX, '\0');
    const ssize_t n =
        ::readlinkat(place.folder.get(), place.name.c_str(), target.data(), target.size());
    if (n < 0)
        return errno;
    if (std::size_t(n) == target.size())
        return ENAMETOOLONG;
    target.resize(std::size_t(n));
    auto [folder, name] = splitPath(target);
    // A target from the root ignores the folder it is looked up from.
    Descriptor next(::openat(place.folder.get(), folder.c_str(), folderFlags));
    if (!next)
        return errno;
    place = Place{std::move(next), std::move(name)};
    return 0;
}

// Finds the file that open() would reach at `path`, links followed one by
// one under the rule above; `existing` tells what is there (nothing for a
// new map). Folders on the way are the player's choice and are followed as
// the kernel does.
MapFileResult locate(const std::string& path, Place& place, std::optional<struct stat>& existing) {
    auto [folder, name] = splitPath(path);
    place = Place{Descriptor(::open(folder.c_str(), folderFlags)), std::move(name)};
    if (!place.folder)
        return whyWriteFailed(errno);
    for (int links = 0;; ++links) {
        if (place.name.empty() || place.name == "." || place.name == "..")
            return MapFileResult::folder;
        struct stat info {};
        if (::fstatat(place.folder.get(), place.name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
            const int error = errno;
            existing.reset();
            return error == ENOENT ? MapFileResult::done : whyWriteFailed(error);
        }
        if (!S_ISLNK(info.st_mode)) {
            existing = info;
            if (S_ISDIR(info.st_mode))
                return MapFileResult::folder;
            // A rename would put a plain file in the place of a pipe or a device.
            return S_ISREG(info.st_mode) ? MapFileResult::done : MapFileResult::notAFile;
        }
        if (links == maxLinks)
            return whyWriteFailed(ELOOP);
        if (!mayFollow(place.folder.get(), info))
            return MapFileResult::plantedLink;
        if (const int error = followLink(place))
            return whyWriteFailed(error);
    }
}

// Where only the folder stands in the way, the map may be written in place:
// it takes no new file (permission, a read-only disk under a file mounted
// writable), or no rename over the map (a sticky folder, a mounted file).
bool refusedByTheFolder(int error) {
    return error == EACCES || error == EPERM || error == EROFS || error == EBUSY;
}

// A number nobody can guess and take as a name first; the system's own
// randomness opens no file, so it works where no more files can be opened.
unsigned unguessable(int attempt) {
    unsigned value = 0;
    if (::getentropy(&value, sizeof value) != 0)
        value = unsigned(::getpid()) * 2654435761u + unsigned(attempt);
    return value;
}

// A new file beside the map under a name nobody uses; removed again unless
// it took the map's name.
class TemporaryFile {
public:
    explicit TemporaryFile(int folder) : m_folder(folder) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (m_file)
            ::unlinkat(m_folder, m_name.c_str(), 0);
    }

    int create(mode_t mode) {
        for (int attempt = 0; attempt < 100; ++attempt) {
            char name[32];
            std::snprintf(name, sizeof name, ".vortalin-%08x.tmp", unguessable(attempt));
            const int fd =
                ::openat(m_folder, name, O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
            if (fd >= 0) {
                m_file = Descriptor(fd);
                m_name = name;
                return 0;
            }
            if (errno != EEXIST)
                return errno;
        }
        return EEXIST;
    }

    int renameTo(const std::string& name) {
        if (::renameat(m_folder, m_name.c_str(), m_folder, name.c_str()) != 0)
            return errno;
        m_file = Descriptor();
        return 0;
    }

    int fd() const { return m_file.get(); }

private:
    int m_folder;
    std::string m_name;
    Descriptor m_file;
};

// The safe way: a complete temporary file beside the map, renamed over it.
// Empty when the folder refused the file or the rename for permission:
// then nothing was touched, and `refusal` holds the system's reason.
std::optional<MapFileResult> replaceWhole(const Place& place,
                                          const std::optional<struct stat>& existing,
                                          const char* data, qint64 size, int& refusal) {
    // The player may change only what the player may write, as open() would
    // allow. No flags: some containers refuse the newer call that takes them.
    if (existing && ::faccessat(place.folder.get(), place.name.c_str(), W_OK, 0) != 0)
        return whyWriteFailed(errno);
    const mode_t mode = existing ? existing->st_mode & 0777 : 0666;
    TemporaryFile file(place.folder.get());
    if (const int error = file.create(mode)) {
        refusal = error;
        return refusedByTheFolder(error) ? std::nullopt : std::optional(whyWriteFailed(error));
    }
    if (existing)
        ::fchmod(file.fd(), mode); // past the umask; a mode not kept harms no map
    qint64 written = 0;
    int error = writeAll(file.fd(), 0, data, size, written);
    if (!error)
        error = settle(file.fd(), size);
    if (error)
        return whyWriteFailed(error);
    if ((error = file.renameTo(place.name))) {
        refusal = error;
        return refusedByTheFolder(error) ? std::nullopt : std::optional(whyWriteFailed(error));
    }
    return MapFileResult::done;
}

// After a failed write in place the bytes it overwrote go back, and the file
// gets its old length: the old map survives whatever refused the rest of the
// new one (a full disk, a size limit), since what goes back needs no more
// room than it had. Where overwriting takes new room (a copy-on-write file
// system such as btrfs, when full) this can fail too. Gives whether the old
// file is whole again.
bool putBack(int fd, const std::string& old, qint64 overwritten, qint64 oldSize) {
    const qint64 covered = std::min(overwritten, qint64(old.size()));
    qint64 written = 0;
    return writeAll(fd, 0, old.data(), covered, written) == 0 && settle(fd, oldSize) == 0;
}

// Reads the bytes that a write of `size` bytes from the start would cover:
// 0 or the system's error.
int readCovered(int fd, qint64 oldSize, qint64 size, std::string& old) {
    old.assign(std::size_t(std::min(oldSize, size)), '\0');
    std::size_t got = 0;
    while (got < old.size()) {
        const ssize_t n = ::pread(fd, old.data() + got, old.size() - got, off_t(got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return unnamedSystemError; // cut short meanwhile
        got += std::size_t(n);
    }
    return 0;
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether the name still leads to the file that was found, not followed.
bool stillThere(const Place& place, const struct stat& found) {
    struct stat now {};
    return ::fstatat(place.folder.get(), place.name.c_str(), &now, AT_SYMLINK_NOFOLLOW) == 0 &&
           sameFile(now, found);
}

// Another user may have put any file at the name since it was found (in a
// sticky folder, a hard link to a file of the player's): only the very
// file found is written over. Nor, in a sticky folder open to all, one with
// other names: where fs.protected_hardlinks is off (the kernel's default),
// another user may have linked there a file that is not theirs.
std::optional<MapFileResult> notToWriteOver(const Place& place, const struct stat& found,
                                            const struct stat& opened) {
    if (!sameFile(opened, found) || !S_ISREG(opened.st_mode))
        return MapFileResult::replaced;
    struct stat folder {};
    if (::fstat(place.folder.get(), &folder) != 0)
        return whyWriteFailed(errno);
    if (opened.st_nlink > 1 && openToAll(folder))
        return MapFileResult::sharedHardLink;
    return std::nullopt;
}

// As a save without a file beside the map must: over the map file `found`
// itself (never a new one, never through a link), opened for reading and
// writing and not cut short first.
DiskSave writeOver(const Place& place, const struct stat& found, const char* data, qint64 size) {
    const Descriptor file(::openat(place.folder.get(), place.name.c_str(),
                                   O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file) {
        const int error = errno;
        return {stillThere(place, found) ? whyWriteFailed(error) : MapFileResult::replaced};
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0)
        return {whyWriteFailed(errno)};
    if (const auto refused = notToWriteOver(place, found, info))
        return {*refused};
    std::string old;
    if (const int error = readCovered(file.get(), qint64(info.st_size), size, old))
        return {whyWriteFailed(error)}; // no copy to fall back on: leave it be
    qint64 written = 0;
    int error = writeAll(file.get(), 0, data, size, written);
    if (!error)
        error = settle(file.get(), size);
    if (!error)
        return {};
    reach(SaveStep::puttingBack);
    return {whyWriteFailed(error), !putBack(file.get(), old, written, qint64(info.st_size))};
}

} // namespace

DiskSave putMapBytes(const QString& path, const char* data, qint64 size) {
    Place place;
    std::optional<struct stat> existing;
    if (const MapFileResult found = locate(QFile::encodeName(path).toStdString(), place, existing);
        found != MapFileResult::done)
        return {found};
    int refusal = 0;
    if (const auto replaced = replaceWhole(place, existing, data, size, refusal))
        return {*replaced};
    reach(SaveStep::writingInPlace);
    if (!existing) // nothing to write over: a file that came meanwhile is not the player's
        return {whyWriteFailed(refusal)};
    return writeOver(place, *existing, data, size);
}

#else

namespace {

// Writes `size` bytes at `offset` of an open file and pushes them to the
// disk: 0, or why not; `written` counts the bytes that reached the file.
int writeThrough(QFileDevice& file, qint64 offset, const char* data, qint64 size, qint64& written) {
    written = 0;
    if (!file.seek(offset))
        return unnamedSystemError;
    const qint64 n = file.write(data, size);
    written = n > 0 ? n : 0;
    if (n == size && file.flush())
        return 0;
    return file.error() == QFileDevice::ResourceError ? ENOSPC : unnamedSystemError;
}

// The safe way: a complete temporary file beside the map, renamed over it.
// Empty when the folder takes no file beside the map, or no rename: then
// nothing was touched.
std::optional<MapFileResult> replaceWhole(QSaveFile& file, const char* data, qint64 size) {
    if (!file.open(QIODevice::WriteOnly))
        return std::nullopt;
    qint64 written = 0;
    if (const int error = writeThrough(file, 0, data, size, written)) {
        file.cancelWriting();
        file.commit(); // removes the temporary file; the old one stays
        return whyWriteFailed(error);
    }
    if (!file.commit())
        return std::nullopt;
    return MapFileResult::done;
}

bool putBack(QFile& file, const QByteArray& old, qint64 oldSize) {
    qint64 written = 0;
    if (writeThrough(file, 0, old.constData(), qint64(old.size()), written) != 0)
        return false;
    return file.size() == oldSize || file.resize(oldSize);
}

// Over the existing map file itself, opened for reading and writing and not
// cut short first; the old bytes go back if the new ones do not go in whole.
DiskSave writeOver(const QString& path, const char* data, qint64 size) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered))
        return {whySaveFailed(path, file.error())};
    const qint64 oldSize = file.size();
    const QByteArray old = file.read(size);
    if (old.size() != std::min(oldSize, size))
        return {whyWriteFailed(unnamedSystemError)}; // no copy to fall back on: leave it be
    qint64 written = 0;
    int error = writeThrough(file, 0, data, size, written);
    if (!error && oldSize > size && (!file.resize(size) || file.size() != size))
        error = unnamedSystemError;
    if (!error)
        return {};
    reach(SaveStep::puttingBack);
    return {whyWriteFailed(error), !putBack(file, old, oldSize)};
}

} // namespace

DiskSave putMapBytes(const QString& path, const char* data, qint64 size) {
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return {whySaveFailed(path, QFileDevice::NoError)};
    const bool existed = target.exists();
    QSaveFile file(path);
    if (const auto replaced = replaceWhole(file, data, size))
        return {*replaced};
    reach(SaveStep::writingInPlace);
    // A new map needs a folder that takes files; one come meanwhile is not the player's.
    if (!existed || !QFileInfo(path).isFile())
        return {whySaveFailed(path, file.error())};
    return writeOver(path, data, size);
}

#endif

} // namespace vortalin
