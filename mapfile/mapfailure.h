#pragma once

#include "mapfile.h"

#include <QFileDevice>
#include <QString>

namespace vortalin {

// Where a save failed: opening or renaming into place, or writing the bytes.
enum class SaveStage { placing, writing };

// Why a save or a load of `path` failed, asked of the file system itself:
// the toolkit's reasons are English sentences and its codes too coarse.
MapFileResult whySaveFailed(const QString& path, SaveStage stage, QFileDevice::FileError error);
MapFileResult whyLoadFailed(const QString& path);

// The player's sentence for a refusal, after "Impossibile ... la mappa: ".
const char* reasonText(MapFileResult result);

} // namespace vortalin
