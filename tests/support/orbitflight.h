#pragma once

#include "game/constants.h"
#include "game/effects.h"
#include "game/flight.h"
#include "game/memoryboard.h"

#include <cmath>

namespace vortalin::test {

// A shot wound round a black hole until its steps run out, then a ship's
// explosion beside it: every kind of drawing (points, lines, filled
// circles) the game makes, drawn on `canvas`.
inline void flyOrbitAndExplode(Canvas& canvas) {
    GameState state;
    MemoryBoard window({1280, 1024}, false);
    GameRandom random(1);
    Game game{state, canvas, window, random};
    PlanetTable& p = state.planets;
    p.x(1) = 640, p.y(1) = 500, p.kind(1) = kind::blackHole;
    p.radius(1) = blackHoleRadius, p.mass(1) = blackHoleMass;
    state.ships.x(0) = 100, state.ships.y(0) = 100;
    state.ships.x(1) = 1200, state.ships.y(1) = 950;
    state.options[Option::planetCount] = 1;
    state.options[Option::animationDelay] = 4;
    // A little short of a circle's speed: an ellipse that turns as it goes.
    const double radius = 170;
    const double speed =
        0.93 * std::sqrt(-gravitationalConstant * blackHoleMass / (radius * metresPerPixel));
    double dt = 5;
    simulateShot(game, 640 * metresPerPixel, (500 - radius) * metresPerPixel, speed, 0, dt, 0);
    explodeShip(game, 930.4, 310.6);
}

} // namespace vortalin::test
