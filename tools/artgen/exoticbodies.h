#pragma once

#include <QImage>

namespace artgen {

QImage repulsiveBody(); // stock picture 9
QImage blackHole();     // stock picture 10
QImage hitShip();       // stock picture 13
QImage supernova();     // stock picture 14

} // namespace artgen
