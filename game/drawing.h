#pragma once

#include "game.h"

namespace vortalin {

// Brings the body and ship pictures in line with the tables, and turns a
// freshly generated supernova (kind 12) into its board form (15).
// Returns 1, as every caller ignores.
int drawplanet(Game& game);

// The stock picture for a body's kind, or nothing for a code without one.
std::optional<int> stockPictureOfKind(double kind);

} // namespace vortalin
