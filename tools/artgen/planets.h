#pragma once

#include "sphere.h"

#include <QImage>

namespace artgen {

// The looks of the nine planets, stock pictures 0 to 8; the banner
// borrows the banded giant's.
SphereLook oceanPlanet();
SphereLook moonPlanet();
SphereLook vividPlanet();
SphereLook redPlanet();
SphereLook earthPlanet();
SphereLook cloudPlanet();
SphereLook streakPlanet();
SphereLook bandedGiant();
SphereLook ochreGiant();

// A planet that fills its black square edge to edge, with a few stars
// in the corners; `side` in board pixels, painted `scale` device pixels a
// board pixel.
QImage planetPicture(int side, const SphereLook& look, std::uint64_t starSeed, double scale = 1);

} // namespace artgen
