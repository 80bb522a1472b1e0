#include "mapfile.h"

#include "diskwrite.h"
#include "mapfailure.h"
#include "mapformat.h"
#include "maptexts.h"

#include "game/constants.h"
#include "game/drawing.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <optional>
#include <string>

namespace vortalin {

namespace {

void clearRowsAbove(PlanetTable& planets, int planetCount) {
    for (int row = std::max(planetCount + 1, 0); row < PlanetTable::rowCount; ++row)
        planets.clearRow(row);
}

MapFileResult refuse(Game& game, const char* action, MapFileResult result) {
    game.window.message(std::string(action) + reasonText(result));
    return result;
}

// Reads at most one map's worth of bytes: a longer file loads from its start.
MapFileResult readMapBytes(const QString& path, QByteArray& bytes) {
    const QFileInfo info(path);
    if (!info.isFile())
        return whyLoadFailed(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return whyLoadFailed(path);
    bytes = file.read(qint64(mapFileSize));
    return file.error() == QFileDevice::NoError ? MapFileResult::done : MapFileResult::systemError;
}

// The safe way: a complete temporary file beside the map, renamed over it.
// Empty when the folder takes no file beside the map, or no rename: then
// nothing was touched. The bytes go straight to the system, past the
// toolkit's buffer, so each failure comes with the system's own reason.
std::optional<MapFileResult> replaceWhole(QSaveFile& file, const MapBytes& bytes) {
    if (!file.open(QIODevice::WriteOnly))
        return std::nullopt;
    qint64 written = 0;
    if (const int error = writeThrough(file, 0, reinterpret_cast<const char*>(bytes.data()),
                                       qint64(bytes.size()), written)) {
        file.cancelWriting();
        file.commit(); // removes the temporary file; the old one stays
        return whyWriteFailed(error);
    }
    if (!file.commit())
        return std::nullopt;
    return MapFileResult::done;
}

// After a failed write in place the old bytes go back, and the file gets its
// old length: the old map survives whatever refused the rest of the new one
// (a full disk, a size limit), since only what was overwritten needs room.
// A disk that fails outright may refuse this too, and leave the file part
// new, part old.
void putBack(QFile& file, const QByteArray& old, qint64 oldSize) {
    qint64 written = 0;
    writeThrough(file, 0, old.constData(), qint64(old.size()), written);
    if (file.size() != oldSize)
        file.resize(oldSize);
}

// As a save without a file beside the map must: over the map file itself,
// opened for reading and writing and not cut short first. Empty when the
// file is not there or cannot be opened so.
std::optional<MapFileResult> writeOver(const QString& path, const MapBytes& bytes) {
    if (!QFileInfo(path).isFile())
        return std::nullopt; // a new file needs a folder that takes files
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return std::nullopt;
    const qint64 oldSize = file.size();
    const QByteArray old = file.read(qint64(mapFileSize));
    if (old.size() != std::min(oldSize, qint64(mapFileSize)))
        return whyWriteFailed(unnamedSystemError); // no copy to fall back on: leave it be
    qint64 written = 0;
    if (const int error = writeThrough(file, 0, reinterpret_cast<const char*>(bytes.data()),
                                       qint64(bytes.size()), written)) {
        putBack(file, old, oldSize);
        return whyWriteFailed(error);
    }
    // A longer file keeps nothing but the map, as a replaced one would. The
    // map is whole already, so a tail that stays does no harm to a load.
    if (oldSize > qint64(mapFileSize))
        file.resize(qint64(mapFileSize));
    return MapFileResult::done;
}

// The file is replaced with all of the bytes, or written over in place where
// no temporary file can stand beside it.
MapFileResult writeMapBytes(const QString& path, const MapBytes& bytes) {
    // A rename would put a plain file in the place of a pipe or a device.
    if (const QFileInfo target(path); target.exists() && !target.isFile())
        return whySaveFailed(path, QFileDevice::NoError);
    QSaveFile file(path);
    if (const auto replaced = replaceWhole(file, bytes))
        return *replaced;
    if (const auto overwritten = writeOver(path, bytes))
        return *overwritten;
    return whySaveFailed(path, file.error());
}

void showLoadedMap(Game& game, const MapTables& tables) {
    game.state.planets = tables.planets;
    game.state.ships = tables.ships;
    for (int element = 0; element < maxBodies; ++element)
        game.canvas.setPicture(ImageArray::bodies, element, std::nullopt);
    drawplanet(game);
}

} // namespace

MapFileResult saveMapFile(Game& game, const QString& path) {
    // The live table changes only once the file is safely written.
    PlanetTable planets = game.state.planets;
    clearRowsAbove(planets, game.state.options.planetCount());
    const MapBytes bytes = encodeMap(planets, game.state.ships);

    if (const MapFileResult written = writeMapBytes(path, bytes); written != MapFileResult::done)
        return refuse(game, text::mapNotSaved, written);
    game.state.planets = planets;
    // The bodies cleared above the count are gone from the game; their
    // pictures must not stay behind as obstacles that stop nothing.
    for (int k = std::max(game.state.options.planetCount(), 0); k < maxBodies; ++k)
        game.canvas.setPicture(ImageArray::bodies, k, std::nullopt);
    return MapFileResult::done;
}

MapFileResult loadMapFile(Game& game, const QString& path) {
    QByteArray bytes;
    if (const MapFileResult read = readMapBytes(path, bytes); read != MapFileResult::done)
        return refuse(game, text::mapNotLoaded, read);
    const DecodedMap map = decodeMap(std::span(
        reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())));
    switch (map.error) {
    case MapError::tooShort:
        return refuse(game, text::mapNotLoaded, MapFileResult::tooShort);
    case MapError::notFinite:
        return refuse(game, text::mapNotLoaded, MapFileResult::notFinite);
    case MapError::none:
        break;
    }
    showLoadedMap(game, map.tables);
    return MapFileResult::done;
}

} // namespace vortalin
