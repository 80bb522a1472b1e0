#pragma once

#include "mapfile.h"

#include <QFileDevice>
#include <QString>

namespace vortalin {

// Why a map could not be put at `path` (no file could be opened there), or
// why a load failed, asked of the file system itself: the toolkit's reasons
// are English sentences and its codes too coarse.
MapFileResult whySaveFailed(const QString& path, QFileDevice::FileError error);
MapFileResult whyLoadFailed(const QString& path);

// Why the system refused a step of a save (looking the name up, making,
// writing or renaming a file), from its error number.
MapFileResult whyWriteFailed(int systemError);

// The player's sentence for a refusal, after "Impossibile ... la mappa: ".
const char* reasonText(MapFileResult result);

} // namespace vortalin
