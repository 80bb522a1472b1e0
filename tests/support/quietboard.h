#pragma once

#include "game/gamestate.h"

// One light body far from the line of fire and the two ships apart: shots
// fly off the board and are lost quickly.
inline void setUpQuietBoard(vortalin::GameState& state) {
    using vortalin::Option;
    state.options[Option::planetCount] = 1;
    state.options[Option::animationDelay] = 1;
    state.planets.x(1) = 1200, state.planets.y(1) = 1000;
    state.planets.kind(1) = 1, state.planets.radius(1) = 35, state.planets.mass(1) = 1;
    state.ships.x(0) = 400, state.ships.y(0) = 300;
    state.ships.x(1) = 900, state.ships.y(1) = 700;
}
