#pragma once

#include <QByteArray>

namespace artgen {

// The globe of the icon as an SVG drawing for the icon theme's scalable
// size: its seas, lands and clouds traced as outlines from the same noise
// the pictures are painted from, then shaded by the same light.
QByteArray paintScalableIcon();

} // namespace artgen
