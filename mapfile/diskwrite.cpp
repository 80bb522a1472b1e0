#include "diskwrite.h"

#include <cerrno>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace vortalin {

#ifdef Q_OS_UNIX

int writeThrough(QFileDevice& file, qint64 offset, const char* data, qint64 size, qint64& written) {
    written = 0;
    const int fd = file.handle();
    if (fd < 0)
        return EBADF;
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
    // A network share or a removable disk may refuse only here.
    while (::fsync(fd) != 0) {
        if (errno != EINTR)
            return errno;
    }
    return 0;
}

#else

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

#endif

} // namespace vortalin
