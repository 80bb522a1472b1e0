#pragma once

#include "game/game.h"

#include <QString>

namespace vortalin {

// How a save or a load ended; each refusal has its own sentence for the player.
enum class MapFileResult {
    done,
    missing,       // load: nothing at that path
    missingFolder, // save: the folder the name points into does not exist
    folder,        // the name is a folder's
    notAFile,      // a device, a pipe or anything else that is no plain file
    noPermission,
    readOnly,       // a medium that cannot be written
    diskFull,       // no room: a full disk, a quota or a file-size limit
    diskError,      // the disk failed to read or write
    diskGone,       // the disk or its device went away (a stick pulled out)
    connectionLost, // the network share stopped answering
    nameTooLong,
    plantedLink,    // save: a link another user put in a shared folder
    replaced,       // save: the file found gave way to another before it was written over
    sharedHardLink, // save: a file with other names, in a folder shared with all
    tooManyFiles,   // the program or the system has too many files open
    tooShort,       // load: fewer than 888 bytes
    notFinite,      // load: a NaN or an infinity among the values
    systemError,
};

// Clears the planet rows above the planet count, then writes both tables.
// The file is replaced only by a complete map; only where its folder refuses
// a file beside it or the rename, the map file found is written over as it
// stands, if still that very file, and a failed write puts back what it
// overwrote. A link that another user put in a shared folder is not
// followed. On failure the user is told why, and the tables do not change.
MapFileResult saveMapFile(Game& game, const QString& path);

// Checks the whole file first: a refused file leaves tables and board as they
// were. A good one replaces both tables and redraws the bodies and ships.
MapFileResult loadMapFile(Game& game, const QString& path);

} // namespace vortalin
