#pragma once

#include "game/game.h"

#include <QString>

namespace vortalin {

enum class MapFileResult {
    done,
    missing,     // load only: nothing at that path
    notAFile,    // load only: a directory or a device
    systemError, // the system refused to open, read or write
    tooShort,    // load only: fewer than 888 bytes
    notFinite,   // load only: a NaN or an infinity among the values
};

// Clears the planet rows above the planet count, then writes both tables.
// The file is replaced only by a complete map; on failure the user is told
// why, and neither the file nor the tables change.
MapFileResult saveMapFile(Game& game, const QString& path);

// Checks the whole file first: a refused file leaves tables and board as they
// were. A good one replaces both tables and redraws the bodies and ships.
MapFileResult loadMapFile(Game& game, const QString& path);

} // namespace vortalin
