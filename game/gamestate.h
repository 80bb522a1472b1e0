#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vortalin {

enum class PlanetColumn { x = 0, y = 1, kind = 2, radius = 3, mass = 4 };
enum class ShipColumn { x = 0, y = 1 };

// The bodies: 21 rows by 5 columns, column-major. The memory order is the
// map file's byte order, so the cells stay one flat array.
struct PlanetTable {
    static constexpr int rowCount = 21;
    static constexpr int columnCount = 5;
    std::array<double, rowCount * columnCount> cells{};

    static constexpr int index(int row, PlanetColumn c) { return row + rowCount * int(c); }
    double& at(int row, PlanetColumn c) { return cells[index(row, c)]; }
    double at(int row, PlanetColumn c) const { return cells[index(row, c)]; }

    double& x(int row) { return at(row, PlanetColumn::x); }
    double& y(int row) { return at(row, PlanetColumn::y); }
    double& kind(int row) { return at(row, PlanetColumn::kind); }
    double& radius(int row) { return at(row, PlanetColumn::radius); }
    double& mass(int row) { return at(row, PlanetColumn::mass); }
    double x(int row) const { return at(row, PlanetColumn::x); }
    double y(int row) const { return at(row, PlanetColumn::y); }
    double kind(int row) const { return at(row, PlanetColumn::kind); }
    double radius(int row) const { return at(row, PlanetColumn::radius); }
    double mass(int row) const { return at(row, PlanetColumn::mass); }

    void clearRow(int row) {
        for (int c = 0; c < columnCount; ++c)
            cells[index(row, PlanetColumn(c))] = 0.0;
    }
    bool operator==(const PlanetTable&) const = default;
};

// The ships: row 0 player 1, row 1 player 2, row 2 always zero; column-major.
struct ShipTable {
    static constexpr int rowCount = 3;
    static constexpr int columnCount = 2;
    std::array<double, rowCount * columnCount> cells{};

    static constexpr int index(int row, ShipColumn c) { return row + rowCount * int(c); }
    double& x(int row) { return cells[index(row, ShipColumn::x)]; }
    double& y(int row) { return cells[index(row, ShipColumn::y)]; }
    double x(int row) const { return cells[index(row, ShipColumn::x)]; }
    double y(int row) const { return cells[index(row, ShipColumn::y)]; }
    bool operator==(const ShipTable&) const = default;
};

enum class Option {
    planetCount = 0,
    blackHoles = 1,
    repulsiveBodies = 2,
    giantPlanets = 3,
    supernovae = 4,
    animationDelay = 5,
};

struct GameOptions {
    static constexpr int entryCount = 11;
    std::array<std::int32_t, entryCount> entries{};

    std::int32_t& operator[](Option o) { return entries[std::size_t(o)]; }
    std::int32_t operator[](Option o) const { return entries[std::size_t(o)]; }
    std::int32_t planetCount() const { return (*this)[Option::planetCount]; }
    std::int32_t animationDelay() const { return (*this)[Option::animationDelay]; }
    bool operator==(const GameOptions&) const = default;
};

// Each player's last confirmed angle and force texts; 2 x 2, column-major.
struct LastShotInputs {
    std::array<std::string, 4> cells;

    std::string& angle(int player) { return cells[std::size_t(player)]; }
    std::string& force(int player) { return cells[std::size_t(player + 2)]; }
    const std::string& angle(int player) const { return cells[std::size_t(player)]; }
    const std::string& force(int player) const { return cells[std::size_t(player + 2)]; }
    bool operator==(const LastShotInputs&) const = default;
};

// The whole game model, shared by every window.
struct GameState {
    PlanetTable planets;
    ShipTable ships;
    GameOptions options;
    std::int32_t currentTurn = 0;
    LastShotInputs lastShotInputs;

    // Index of the player who fires next: 0 for player 1, 1 for player 2;
    // never outside the ship table, even for a counter that wrapped.
    int shooterIndex() const { return currentTurn % 2 == 0 ? 0 : 1; }
    bool operator==(const GameState&) const = default;
};

} // namespace vortalin
