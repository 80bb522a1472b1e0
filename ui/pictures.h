#pragma once

#include "game/constants.h"

#include <QImage>

#include <array>

namespace vortalin::ui {

// The main window's artwork for a screen of `ratio` device pixels a board
// pixel: the starfield behind the board and the stock of pictures that the
// body and ship images copy (Image3). Held in the screen's own format, not
// as a palette: it is painted every frame.
struct PictureSet {
    double ratio = 1;
    QImage starfield;
    std::array<QImage, stockCount> stock;
};

// The set painted for `ratio`, or else the nearest painted above it scaled
// smoothly down (the finest, scaled up, beyond it), among the sets the
// program carries. Made once per ratio.
const PictureSet& picturesFor(double ratio);

// The painted scale that picturesFor takes its set from.
double paintedScaleFor(double ratio);

} // namespace vortalin::ui
