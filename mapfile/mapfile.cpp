#include "mapfile.h"

#include "mapformat.h"
#include "maptexts.h"

#include "game/constants.h"
#include "game/drawing.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <string>

namespace vortalin {

namespace {

void clearRowsAbove(PlanetTable& planets, int planetCount) {
    for (int row = std::max(planetCount + 1, 0); row < PlanetTable::rowCount; ++row)
        planets.clearRow(row);
}

MapFileResult refuse(Game& game, const char* action, const std::string& reason,
                     MapFileResult result) {
    game.window.message(action + reason);
    return result;
}

MapFileResult refuseLoad(Game& game, const std::string& reason, MapFileResult result) {
    return refuse(game, text::mapNotLoaded, reason, result);
}

// Reads at most one map's worth of bytes: a longer file loads from its start.
MapFileResult readMapBytes(Game& game, const QString& path, QByteArray& bytes) {
    const QFileInfo info(path);
    if (!info.exists())
        return refuseLoad(game, text::mapMissing, MapFileResult::missing);
    if (!info.isFile())
        return refuseLoad(game, text::mapNotAFile, MapFileResult::notAFile);
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        bytes = file.read(qint64(mapFileSize));
    if (file.error() != QFileDevice::NoError)
        return refuseLoad(game, file.errorString().toStdString(), MapFileResult::systemError);
    return MapFileResult::done;
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

    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(reinterpret_cast<const char*>(bytes.data()),
                                    qint64(bytes.size())) == qint64(bytes.size()) &&
                         file.commit();
    if (!written)
        return refuse(game, text::mapNotSaved, file.errorString().toStdString(),
                      MapFileResult::systemError);
    game.state.planets = planets;
    // The bodies cleared above the count are gone from the game; their
    // pictures must not stay behind as obstacles that stop nothing.
    for (int k = std::max(game.state.options.planetCount(), 0); k < maxBodies; ++k)
        game.canvas.setPicture(ImageArray::bodies, k, std::nullopt);
    return MapFileResult::done;
}

MapFileResult loadMapFile(Game& game, const QString& path) {
    QByteArray bytes;
    if (const MapFileResult read = readMapBytes(game, path, bytes); read != MapFileResult::done)
        return read;
    const DecodedMap map = decodeMap(std::span(
        reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())));
    switch (map.error) {
    case MapError::tooShort:
        return refuseLoad(game, text::mapTooShort, MapFileResult::tooShort);
    case MapError::notFinite:
        return refuseLoad(game, text::mapNotFinite, MapFileResult::notFinite);
    case MapError::none:
        break;
    }
    showLoadedMap(game, map.tables);
    return MapFileResult::done;
}

} // namespace vortalin
