#pragma once

#include "mapgen.h"

namespace vortalin {

// Random ship positions, clear of every body and apart from each other.
Status placeShips(Game& game);

// "Sposta Astronavi".
void astronavi_Click(Game& game);

} // namespace vortalin
