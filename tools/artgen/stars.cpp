#include "stars.h"

#include "rng.h"

#include <algorithm>
#include <cmath>

namespace artgen {

namespace {

bool blackAround(const QImage& image, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int px = x + dx, py = y + dy;
            if (image.valid(px, py) && (image.pixel(px, py) & 0xffffffu) != 0)
                return false;
        }
    }
    return true;
}

// Most stars are faint; a few are bright, as in a real sky.
int starBrightness(Rng& rng) {
    const double u = rng.uniform();
    return 70 + static_cast<int>(std::lround(185.0 * u * u));
}

} // namespace

void sprinkleStars(QImage& image, double clearRadius, int count, std::uint64_t seed) {
    chooseStars(image, clearRadius, count, seed);
}

std::vector<Star> chooseStars(QImage& image, double clearRadius, int count, std::uint64_t seed) {
    std::vector<Star> stars;
    Rng rng(seed);
    const double cx = image.width() / 2.0, cy = image.height() / 2.0;
    int placed = 0;
    for (int attempt = 0; placed < count && attempt < 100000; ++attempt) {
        const int x = rng.below(image.width());
        const int y = rng.below(image.height());
        // Distance to the pixel's nearest corner, so no star touches the body.
        const double dx = std::max(std::abs(x + 0.5 - cx) - 0.5, 0.0);
        const double dy = std::max(std::abs(y + 0.5 - cy) - 0.5, 0.0);
        if (std::hypot(dx, dy) <= clearRadius || !blackAround(image, x, y))
            continue;
        const int v = starBrightness(rng);
        image.setPixel(x, y, qRgb(v, v, v));
        stars.push_back({x, y, v});
        ++placed;
    }
    return stars;
}

int scaledLength(int logical, double scale) {
    return static_cast<int>(std::lround(logical * scale));
}

void paintStar(QImage& image, const Star& star, double scale) {
    const double left = star.x * scale, top = star.y * scale;
    const double right = left + scale, bottom = top + scale;
    const bool grey = image.format() == QImage::Format_Grayscale8;
    for (int y = static_cast<int>(std::floor(top)); y < bottom; ++y) {
        const double h = std::min<double>(y + 1, bottom) - std::max<double>(y, top);
        for (int x = static_cast<int>(std::floor(left)); x < right; ++x) {
            if (!image.valid(x, y))
                continue;
            const double w = std::min<double>(x + 1, right) - std::max<double>(x, left);
            const int add = static_cast<int>(std::lround(star.value * w * h));
            if (grey) {
                uchar& p = image.scanLine(y)[x];
                p = static_cast<uchar>(std::min(255, p + add));
            } else {
                const QRgb p = image.pixel(x, y);
                image.setPixel(x, y,
                               qRgb(std::min(255, qRed(p) + add), std::min(255, qGreen(p) + add),
                                    std::min(255, qBlue(p) + add)));
            }
        }
    }
}

QImage paintStarfield(int width, int height, int count, std::uint64_t seed, double scale) {
    const QImage board = paintStarfield(width, height, count, seed);
    QImage image(scaledLength(width, scale), scaledLength(height, scale),
                 QImage::Format_Grayscale8);
    image.fill(0);
    for (int y = 0; y < height; ++y) {
        const uchar* line = board.constScanLine(y);
        for (int x = 0; x < width; ++x)
            if (line[x] != 0)
                paintStar(image, {x, y, qRed(board.color(line[x]))}, scale);
    }
    return image;
}

QImage paintStarfield(int width, int height, int count, std::uint64_t seed) {
    QImage image(width, height, QImage::Format_Indexed8);
    // Index 0 is black, the others a ramp from dark grey to near white.
    QList<QRgb> palette{qRgb(0, 0, 0)};
    for (int i = 1; i < 256; ++i) {
        const int v = 36 + (i - 1) * (236 - 36) / 254;
        palette.append(qRgb(v, v, v));
    }
    image.setColorTable(palette);
    image.fill(0);
    Rng rng(seed);
    int placed = 0;
    while (placed < count) {
        const int x = rng.below(width);
        const int y = rng.below(height);
        bool alone = true;
        for (int dy = -1; dy <= 1 && alone; ++dy)
            for (int dx = -1; dx <= 1 && alone; ++dx)
                alone = !image.valid(x + dx, y + dy) || image.pixelIndex(x + dx, y + dy) == 0;
        if (!alone)
            continue;
        const double u = rng.uniform();
        image.setPixel(x, y, 1 + static_cast<int>(254.0 * u * u * u));
        ++placed;
    }
    return image;
}

} // namespace artgen
