#pragma once

#include <QImage>

namespace artgen {

// Each painted `scale` device pixels a board pixel.
QImage repulsiveBody(double scale = 1); // stock picture 9
QImage blackHole(double scale = 1);     // stock picture 10
QImage hitShip(double scale = 1);       // stock picture 13
QImage supernova(double scale = 1);     // stock picture 14

} // namespace artgen
