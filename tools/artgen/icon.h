#pragma once

#include <QImage>

namespace artgen {

// 32 x 32 globe, 256-colour palette, index 0 transparent outside the disc.
QImage paintIcon();

// The same globe for a desktop's icon theme, `size` pixels square, true
// colour with soft edges: painted at its size, not scaled from another.
QImage paintDesktopIcon(int size);

} // namespace artgen
