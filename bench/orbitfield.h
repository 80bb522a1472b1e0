#pragma once

// The benchmarks' field: a shot in a near-circular orbit around a black
// hole, nine planets around it disturbing the orbit; the trail stays in sight.
#include "game/constants.h"
#include "game/gamestate.h"

#include <cmath>

namespace vortalin::bench {

constexpr int slowest = 600; // 2200 x 600 = 1,320,000 steps
constexpr double centreX = 960, centreY = 700, orbitRadius = 200;

inline void setUpField(GameState& state) {
    state = GameState{};
    PlanetTable& p = state.planets;
    const auto body = [&](int row, double x, double y, double kind, double radius, double mass) {
        p.x(row) = x, p.y(row) = y, p.kind(row) = kind, p.radius(row) = radius;
        p.mass(row) = mass;
    };
    body(1, centreX, centreY, kind::blackHole, blackHoleRadius, blackHoleMass);
    for (int k = 0; k < 9; ++k) {
        const double a = k * 2 * 3.141592653589793 / 9;
        body(k + 2, centreX + 850 * std::cos(a), centreY + 650 * std::sin(a), 1 + k % 4, 35,
             3.97e24);
    }
    state.ships.x(0) = state.ships.x(1) = 1800;
    state.ships.y(0) = 100, state.ships.y(1) = 1400;
    state.options[Option::planetCount] = maxBodies;
    state.options[Option::animationDelay] = slowest;
}

} // namespace vortalin::bench
