#include "icon.h"

#include "noise.h"
#include "sphere.h"

#include <QMap>

#include <cmath>

namespace artgen {

namespace {

// `detail` more octaves for each doubling of the size above 32 pixels, so
// a large icon shows finer coasts and clouds instead of blurred blobs.
SphereLook globe(int detail = 0) {
    SphereLook look;
    look.albedo = [detail](Vec3 n) {
        const Vec3 p = tilted(n, 0.5, 0.3) * 1.6;
        const Rgb ocean =
            mix(bytes(20, 60, 175), bytes(40, 110, 215), fbm(p * 2.0, 401, 3 + detail));
        const Rgb land =
            mix(bytes(50, 130, 60), bytes(170, 150, 90), fbm(p * 3.0, 402, 3 + detail));
        const Rgb ground = mix(ocean, land, smoothstep(0.55, 0.58, fbm(p, 403, 4 + detail)));
        return mix(ground, grey(1.0), smoothstep(0.55, 0.66, fbm(p * 2.2, 404, 4 + detail)));
    };
    look.ambient = 0.3;
    look.rim = bytes(140, 190, 255) * 0.6;
    return look;
}

// The disc's colour and coverage of one pixel; edge pixels keep the
// globe's own colour, since the 1-bit mask allows no blending.
// The globe keeps the same margin at every size: half a pixel at 32.
std::pair<Rgb, double> sample(const SphereLook& look, int x, int y, int size = 32) {
    constexpr int n = 4;
    const double r = size * (15.5 / 32.0), c = size / 2.0;
    Rgb sum;
    int hits = 0;
    for (int j = 0; j < n; ++j) {
        for (int i = 0; i < n; ++i) {
            const double dx = (x + (i + 0.5) / n - c) / r, dy = (c - (y + (j + 0.5) / n)) / r;
            const double r2 = dx * dx + dy * dy;
            if (r2 >= 1.0)
                continue;
            sum = sum + shadeSphere(look, {dx, dy, std::sqrt(1.0 - r2)});
            ++hits;
        }
    }
    return {hits ? sum * (1.0 / hits) : Rgb{}, hits / double(n * n)};
}

int quantised(int v, int step) {
    return std::min(255, (v + step / 2) / step * step);
}

int octavesAbove32(int size) {
    int detail = 0;
    for (int s = size; s > 32; s /= 2)
        ++detail;
    return detail;
}

} // namespace

QImage paintDesktopIcon(int size) {
    const SphereLook look = globe(octavesAbove32(size));
    QImage icon(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const auto [colour, coverage] = sample(look, x, y, size);
            icon.setPixel(
                x, y,
                qRgba(toByte(colour.r), toByte(colour.g), toByte(colour.b), toByte(coverage)));
        }
    }
    return icon;
}

QImage paintIcon() {
    const SphereLook look = globe();
    QImage rgb(32, 32, QImage::Format_ARGB32);
    rgb.fill(Qt::transparent);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const auto [colour, coverage] = sample(look, x, y);
            if (coverage >= 0.5)
                rgb.setPixel(x, y, qRgb(toByte(colour.r), toByte(colour.g), toByte(colour.b)));
        }
    }
    // Coarsen the channels until the colours fit the 255 opaque entries.
    for (int step = 1;; ++step) {
        QMap<QRgb, int> used;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QRgb c = rgb.pixel(x, y);
                if (qAlpha(c) != 0)
                    used.insert(qRgb(quantised(qRed(c), step), quantised(qGreen(c), step),
                                     quantised(qBlue(c), step)),
                                0);
            }
        }
        if (used.size() > 255)
            continue;
        QList<QRgb> palette{qRgba(0, 0, 0, 0)};
        for (auto it = used.begin(); it != used.end(); ++it) {
            it.value() = int(palette.size());
            palette.append(it.key());
        }
        while (palette.size() < 256)
            palette.append(qRgb(0, 0, 0));
        QImage icon(32, 32, QImage::Format_Indexed8);
        icon.setColorTable(palette);
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QRgb c = rgb.pixel(x, y);
                icon.setPixel(x, y,
                              qAlpha(c) == 0 ? 0
                                             : used.value(qRgb(quantised(qRed(c), step),
                                                               quantised(qGreen(c), step),
                                                               quantised(qBlue(c), step))));
            }
        }
        return icon;
    }
}

} // namespace artgen
