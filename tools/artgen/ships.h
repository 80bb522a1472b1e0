#pragma once

#include <QImage>

namespace artgen {

// Painted `scale` device pixels a board pixel: pixel by pixel at one, with
// smooth thin lines above it.
QImage firstShip(double scale = 1);  // stock picture 11, 30 x 15, pointing right
QImage secondShip(double scale = 1); // stock picture 12, 30 x 15

} // namespace artgen
