#pragma once

#include "game.h"

#include <optional>
#include <string_view>

namespace vortalin {

// Status of a generation or placement: 1 on success, nothing after the
// failure message. Callers ignore it; tests read it.
using Status = std::optional<int>;

// The whole screen's width when axis is exactly "x", otherwise its height.
int screenPixels(const BoardWindow& window, std::string_view axis);

// Random positions and kinds for rows 1 to n; radius and mass are not set.
Status generatePlanets(Game& game, int n);

// Radius and mass from kind, for rows 1, 2, ... up to the first empty kind.
void applyKindProperties(Game& game);

// "Nuova Mappa".
void mappa_Click(Game& game);

} // namespace vortalin
