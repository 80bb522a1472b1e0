#pragma once

#include "mapfile.h"

#include <QString>

#include <functional>

namespace vortalin {

// A failure the system did not name (the toolkit's coarse codes only).
inline constexpr int unnamedSystemError = -1;

// How putting a map's bytes on the disk ended.
struct DiskSave {
    MapFileResult result = MapFileResult::done;
    bool oldFileHarmed = false; // neither the new bytes nor the old ones went in whole
};

// Puts `size` bytes at `path`: a complete temporary file beside it renamed
// over it; only where the folder refuses that for permission, the map file
// that was found written over in place, and only while that very file still
// stands at the name; its old bytes are put back if the write fails. A link
// at the name is followed as the kernel follows it, and one that another
// user put in a sticky folder open to all is refused as the kernel's
// fs.protected_symlinks would, whether or not the system has it on.
DiskSave putMapBytes(const QString& path, const char* data, qint64 size);

// The moments of a save where another process could step in.
enum class SaveStep {
    writingInPlace, // the folder refused the safe way; nothing opened in place yet
    puttingBack,    // a write in place failed; the old bytes not back yet
};

// For tests alone, which play that other process: `hook` runs at each step
// of every later save. The game never sets it.
void setSaveStepHook(std::function<void(SaveStep)> hook);

} // namespace vortalin
