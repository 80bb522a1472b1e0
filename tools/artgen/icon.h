#pragma once

#include <QImage>

namespace artgen {

// 32 x 32 globe, 256-colour palette, index 0 transparent outside the disc.
QImage paintIcon();

} // namespace artgen
