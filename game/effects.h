#pragma once

#include "game.h"

namespace vortalin {

// Which ships a supernova's blast reached.
enum class Blast { none = 0, ship1 = 1, ship2 = 2, both = 3 };

// The supernova of `row`, centred on (cx, cy), explodes: the sweep and the
// circles, the blast test, the row turned into a black hole, the board
// cleared and redrawn. Does not yield.
Blast explodeSupernova(Game& game, double cx, double cy, int row);

// A destroyed ship's explosion at (cx, cy): drawing only. Does not yield.
void explodeShip(Game& game, double cx, double cy);

} // namespace vortalin
