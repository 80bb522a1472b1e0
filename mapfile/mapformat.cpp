#include "mapformat.h"

#include <bit>
#include <cmath>

namespace vortalin {

namespace {

// Byte by byte, so files move between machines of either byte order.
void putDouble(MapBytes& bytes, std::size_t offset, double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    for (std::size_t i = 0; i < 8; ++i)
        bytes[offset + i] = std::uint8_t(bits >> (8 * i));
}

double getDouble(std::span<const std::uint8_t> bytes, std::size_t offset) {
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < 8; ++i)
        bits |= std::uint64_t(bytes[offset + i]) << (8 * i);
    return std::bit_cast<double>(bits);
}

template <std::size_t N>
void putCells(MapBytes& bytes, std::size_t offset, const std::array<double, N>& cells) {
    for (std::size_t i = 0; i < N; ++i)
        putDouble(bytes, offset + 8 * i, cells[i]);
}

// False, with the offset of the culprit, when a value is not finite.
template <std::size_t N>
bool getCells(std::span<const std::uint8_t> bytes, std::size_t offset, std::array<double, N>& cells,
              std::size_t& badOffset) {
    for (std::size_t i = 0; i < N; ++i) {
        cells[i] = getDouble(bytes, offset + 8 * i);
        if (!std::isfinite(cells[i])) {
            badOffset = offset + 8 * i;
            return false;
        }
    }
    return true;
}

} // namespace

MapBytes encodeMap(const PlanetTable& planets, const ShipTable& ships) {
    MapBytes bytes{};
    putCells(bytes, planetBytesOffset, planets.cells);
    putCells(bytes, shipBytesOffset, ships.cells);
    return bytes;
}

DecodedMap decodeMap(std::span<const std::uint8_t> bytes) {
    DecodedMap result;
    if (bytes.size() < mapFileSize) {
        result.error = MapError::tooShort;
        return result;
    }
    MapTables tables;
    if (!getCells(bytes, planetBytesOffset, tables.planets.cells, result.badOffset) ||
        !getCells(bytes, shipBytesOffset, tables.ships.cells, result.badOffset)) {
        result.error = MapError::notFinite;
        return result;
    }
    result.tables = tables;
    return result;
}

} // namespace vortalin
