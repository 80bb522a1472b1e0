#include "mapfile.h"

#include "diskwrite.h"
#include "mapfailure.h"
#include "mapformat.h"
#include "maptexts.h"

#include "game/constants.h"
#include "game/drawing.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <string>

namespace vortalin {

namespace {

void clearRowsAbove(PlanetTable& planets, int planetCount) {
    for (int row = std::max(planetCount + 1, 0); row < PlanetTable::rowCount; ++row)
        planets.clearRow(row);
}

MapFileResult refuse(Game& game, const char* action, MapFileResult result, const char* after = "") {
    game.window.message(std::string(action) + reasonText(result) + after);
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

    const DiskSave saved =
        putMapBytes(path, reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    if (saved.result != MapFileResult::done)
        return refuse(game, text::mapNotSaved, saved.result,
                      saved.oldFileHarmed ? text::mapOldFileHarmed : "");
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
