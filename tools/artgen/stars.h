#pragma once

#include <QImage>

#include <cstdint>
#include <vector>

namespace artgen {

// A single-pixel star of a picture painted for board pixels.
struct Star {
    int x = 0;
    int y = 0;
    int value = 0; // grey level
};

// Chooses stars as sprinkleStars does and sets them into `image`, so that a
// picture painted at another scale can show the very same stars.
std::vector<Star> chooseStars(QImage& image, double clearRadius, int count, std::uint64_t seed);

// Lights what one board pixel's star covers of a picture painted `scale`
// device pixels a board pixel: its square's share of each device pixel, so
// every star looks alike whatever fraction of a pixel it starts at.
void paintStar(QImage& image, const Star& star, double scale);

// The device size of `logical` board pixels at `scale`.
int scaledLength(int logical, double scale);

// Scatters `count` single grey or white stars over the black part of a
// picture lying farther than `clearRadius` from its centre, each one
// with black all round so that it stays a single pixel.
void sprinkleStars(QImage& image, double clearRadius, int count, std::uint64_t seed);

// A picture of `width` x `height` board pixels painted `scale` device pixels
// a board pixel: black, what `paint(image, scale)` paints, and the stars
// that sprinkleStars would choose for it at one device pixel a board pixel.
template <typename Paint>
QImage withStars(int width, int height, double scale, Paint paint, double clearRadius, int count,
                 std::uint64_t seed) {
    QImage board(width, height, QImage::Format_RGB888);
    board.fill(Qt::black);
    paint(board, 1.0);
    const std::vector<Star> stars = chooseStars(board, clearRadius, count, seed);
    if (scale == 1.0)
        return board;
    QImage image(scaledLength(width, scale), scaledLength(height, scale), QImage::Format_RGB888);
    image.fill(Qt::black);
    paint(image, scale);
    for (const Star& star : stars)
        paintStar(image, star, scale);
    return image;
}

// The board's background: black, 8 bits a pixel with a grey palette,
// `count` isolated single stars.
QImage paintStarfield(int width, int height, int count, std::uint64_t seed);

// The same stars for a screen of `scale` device pixels a board pixel, as
// an 8-bit grey picture.
QImage paintStarfield(int width, int height, int count, std::uint64_t seed, double scale);

} // namespace artgen
