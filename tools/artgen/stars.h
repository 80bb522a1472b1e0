#pragma once

#include <QImage>

#include <cstdint>

namespace artgen {

// Scatters `count` single grey or white stars over the black part of a
// picture lying farther than `clearRadius` from its centre, each one
// with black all round so that it stays a single pixel.
void sprinkleStars(QImage& image, double clearRadius, int count, std::uint64_t seed);

// The board's background: black, 8 bits a pixel with a grey palette,
// `count` isolated single stars.
QImage paintStarfield(int width, int height, int count, std::uint64_t seed);

} // namespace artgen
