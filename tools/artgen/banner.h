#pragma once

#include <QImage>

namespace artgen {

// 359 x 80: two starships either side of the banded giant, on stars.
QImage paintBanner();

} // namespace artgen
