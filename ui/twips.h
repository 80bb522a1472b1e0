#pragma once

#include "game/constants.h"

#include <QRect>
#include <QSize>

namespace vortalin::ui {

// The window catalogue gives every position and size in twips; at 96 dpi a
// pixel is `twipsPerPixel` twips. Rounds to the nearest pixel.
inline constexpr int px(double twips) {
    const double pixels = twips / twipsPerPixel;
    return int(pixels >= 0 ? pixels + 0.5 : pixels - 0.5);
}

inline QSize sizeFromTwips(double width, double height) {
    return {px(width), px(height)};
}

inline QRect rectFromTwips(double left, double top, double width, double height) {
    return {px(left), px(top), px(width), px(height)};
}

} // namespace vortalin::ui
