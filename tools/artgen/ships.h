#pragma once

#include <QImage>

namespace artgen {

QImage firstShip();  // stock picture 11, 30 x 15, pointing right
QImage secondShip(); // stock picture 12, 30 x 15

} // namespace artgen
