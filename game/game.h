#pragma once

#include "board.h"
#include "gamestate.h"
#include "random.h"

namespace vortalin {

// What the game's procedures work on: the shared tables, the board they draw
// on, the main window around it and the random generator, all owned elsewhere.
struct Game {
    GameState& state;
    Canvas& canvas;
    BoardWindow& window;
    Random& random;
    // True while a shot flies; the fire command must stay off meanwhile.
    bool shotInFlight = false;
};

} // namespace vortalin
