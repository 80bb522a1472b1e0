#pragma once

#include <QImage>

namespace artgen {

// 359 x 80: two starships either side of the banded giant, on stars.
// Painted `scale` device pixels a board pixel.
QImage paintBanner(double scale = 1);

} // namespace artgen
