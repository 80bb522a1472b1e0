#pragma once

#include "game/gamestate.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace vortalin {

// A map file is the two tables' doubles, little-endian, planets then ships,
// each column by column; no header.
constexpr std::size_t mapValueCount =
    PlanetTable::rowCount * PlanetTable::columnCount + ShipTable::rowCount * ShipTable::columnCount;
constexpr std::size_t mapFileSize = 888;
static_assert(mapValueCount * sizeof(double) == mapFileSize);

constexpr std::size_t planetBytesOffset = 0;
constexpr std::size_t shipBytesOffset = PlanetTable::rowCount * PlanetTable::columnCount * 8;

using MapBytes = std::array<std::uint8_t, mapFileSize>;

struct MapTables {
    PlanetTable planets;
    ShipTable ships;
    bool operator==(const MapTables&) const = default;
};

enum class MapError {
    none,
    tooShort,  // fewer than mapFileSize bytes
    notFinite, // a NaN or an infinity somewhere in the 111 values
};

struct DecodedMap {
    MapError error = MapError::none;
    MapTables tables;          // all zero unless ok()
    std::size_t badOffset = 0; // byte offset of the first non-finite value
    bool ok() const { return error == MapError::none; }
};

MapBytes encodeMap(const PlanetTable& planets, const ShipTable& ships);

// Reads the first mapFileSize bytes; anything after them is ignored.
DecodedMap decodeMap(std::span<const std::uint8_t> bytes);

} // namespace vortalin
