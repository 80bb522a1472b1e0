#pragma once

// The benchmarks' field: a shot in a near-circular orbit around a black
// hole, nine planets around it disturbing the orbit; the trail stays in sight.
#include "game/constants.h"
#include "game/flight.h"
#include "game/game.h"
#include "game/gamestate.h"
#include "game/memoryboard.h"
#include "game/random.h"

#include <cmath>
#include <cstddef>

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

// The shot into the orbit, untimed: each benchmark times it its own way.
inline ShotResult launchIntoOrbit(Game& game) {
    const double speed =
        std::sqrt(-gravitationalConstant * blackHoleMass / (orbitRadius * metresPerPixel));
    double dt = 5;
    return simulateShot(game, centreX * metresPerPixel, (centreY - orbitRadius) * metresPerPixel,
                        speed, 0, dt, maxBodies - 1);
}

// A pebble that stops and does not pull (a row past the body count), where
// the orbit first passes at about step `steps`: found by flying the orbit
// headless and taking a spot no earlier lap came near.
inline void placePebble(GameState& state, long long steps) {
    GameState headlessState;
    MemoryBoard memory({1280, 1024}, true);
    GameRandom random(1);
    Game headless{headlessState, memory, memory, random};
    setUpField(headlessState);
    launchIntoOrbit(headless);
    const auto& points = memory.points;
    const auto untouched = [&](std::size_t at) {
        for (std::size_t i = 0; i + 100 < at; ++i)
            if (std::hypot(points[i].x - points[at].x, points[i].y - points[at].y) < 0.05)
                return false;
        return true;
    };
    std::size_t at = std::size_t(steps - 1);
    while (at + 1000 < points.size() && !untouched(at))
        at += 1000;
    setUpField(state);
    const int row = maxBodies + 1;
    state.planets.x(row) = points[at].x, state.planets.y(row) = points[at].y;
    state.planets.kind(row) = 1, state.planets.radius(row) = 0.01;
}

} // namespace vortalin::bench
