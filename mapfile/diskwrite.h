#pragma once

#include "mapfile.h"

#include <QFileDevice>
#include <QString>

namespace vortalin {

// A failure the system did not name (the toolkit's coarse codes only).
inline constexpr int unnamedSystemError = -1;

// Writes `size` bytes at `offset` of an open file and pushes them to the
// disk. Gives 0, or the system's error number of the step that failed;
// `written` counts the bytes that reached the file before it. The cause is
// read from the system at once: the toolkit keeps only an English sentence.
int writeThrough(QFileDevice& file, qint64 offset, const char* data, qint64 size, qint64& written);

// How putting a map's bytes on the disk ended.
struct DiskSave {
    MapFileResult result = MapFileResult::done;
    bool oldFileHarmed = false; // neither the new bytes nor the old ones went in whole
};

// Puts `size` bytes at `path`: a complete temporary file beside it renamed
// over it; only where the folder refuses that for permission, the existing
// file written over in place, its old bytes put back if that fails. A link
// at the name is followed as the kernel follows it, and one that another
// user put in a sticky folder open to all is refused as the kernel's
// fs.protected_symlinks would, whether or not the system has it on.
DiskSave putMapBytes(const QString& path, const char* data, qint64 size);

} // namespace vortalin
