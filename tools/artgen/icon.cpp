#include "icon.h"

#include "noise.h"
#include "sphere.h"

#include <QMap>

#include <cmath>

namespace artgen {

namespace {

SphereLook globe() {
    SphereLook look;
    look.albedo = [](Vec3 n) {
        const Vec3 p = tilted(n, 0.5, 0.3) * 1.6;
        const Rgb ocean = mix(bytes(20, 60, 175), bytes(40, 110, 215), fbm(p * 2.0, 401, 3));
        const Rgb land = mix(bytes(50, 130, 60), bytes(170, 150, 90), fbm(p * 3.0, 402, 3));
        const Rgb ground = mix(ocean, land, smoothstep(0.55, 0.58, fbm(p, 403, 4)));
        return mix(ground, grey(1.0), smoothstep(0.55, 0.66, fbm(p * 2.2, 404, 4)));
    };
    look.ambient = 0.3;
    look.rim = bytes(140, 190, 255) * 0.6;
    return look;
}

// The disc's colour and coverage of one pixel; edge pixels keep the
// globe's own colour, since the 1-bit mask allows no blending.
std::pair<Rgb, double> sample(const SphereLook& look, int x, int y) {
    constexpr int n = 4;
    constexpr double r = 15.5, c = 16.0;
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

} // namespace

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
