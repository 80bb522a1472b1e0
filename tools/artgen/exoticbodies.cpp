#include "exoticbodies.h"

#include "noise.h"
#include "sphere.h"
#include "stars.h"

#include <cmath>

namespace artgen {

namespace {

// Adds light to every pixel, `glow` giving its colour for the distance
// from the picture's centre in board pixels; averaged over 4 x 4 samples.
// `scale` device pixels make a board pixel.
template <typename Glow> void addRadialLight(QImage& image, double scale, Glow glow) {
    // The centre of the board-pixel square, which a rounded device size may
    // overhang by half a device pixel.
    const double cx = std::round(image.width() / scale) / 2.0 * scale;
    const double cy = std::round(image.height() / scale) / 2.0 * scale;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            Rgb sum;
            for (int j = 0; j < 4; ++j) {
                for (int i = 0; i < 4; ++i) {
                    const double dx = x + (i + 0.5) / 4 - cx, dy = y + (j + 0.5) / 4 - cy;
                    sum = sum + glow(std::hypot(dx, dy) / scale, std::atan2(-dy, dx));
                }
            }
            setPixel(image, x, y, pixel(image, x, y) + sum * (1.0 / 16));
        }
    }
}

} // namespace

QImage repulsiveBody(double scale) {
    SphereLook look;
    look.albedo = [](Vec3 n) {
        return mix(bytes(240, 225, 180), bytes(225, 205, 160), fbm(n * 4.0, 101, 3));
    };
    look.light = normalized({-0.6, 0.6, 0.55});
    look.ambient = 0.35;
    look.limb = 0.3;
    look.specular = 0.8;
    look.shininess = 30.0;
    look.rim = grey(0.5);
    return withStars(
        70, 70, scale,
        [&](QImage& image, double s) {
            // The soft white glow fades out before the corners.
            addRadialLight(image, s, [](double r, double) {
                const double t = clamp01((33.5 - r) / 9.0);
                return grey(0.55 * t * t);
            });
            paintSphere(image, 35 * s, 35 * s, 25 * s, look);
        },
        35, 7, 109);
}

QImage blackHole(double scale) {
    return withStars(
        70, 70, scale,
        [](QImage& image, double s) {
            addRadialLight(image, s, [](double r, double angle) {
                const Vec3 around{std::cos(angle) * 2.2, std::sin(angle) * 2.2, 0.0};
                const double ragged = fbm(around, 111, 5);
                const double ring = 19.8 + 1.6 * (ragged - 0.5);
                const double width = 0.55 + 1.0 * fbm(around * 1.7, 112, 3);
                // Brighter on one side, as light swung round the hole would be.
                const double side = 0.7 + 0.3 * std::cos(angle - 2.4);
                const double core = std::exp(-std::pow((r - ring) / width, 2.0));
                const double halo =
                    r > ring ? 0.3 * std::exp(-(r - ring) / 2.2) * clamp01((32.5 - r) / 3.0) : 0.0;
                return bytes(235, 238, 255) * ((1.4 * core + halo) * side * (0.5 + 0.8 * ragged));
            });
            // The hole itself swallows everything inside the ring.
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (std::hypot((x + 0.5) / s - 35, (y + 0.5) / s - 35) < 17.5)
                        image.setPixel(x, y, qRgb(0, 0, 0));
        },
        35, 8, 119);
}

QImage hitShip(double scale) {
    QImage image = blackCanvas(scaledLength(50, scale), scaledLength(50, scale));
    SphereLook look;
    // Dark blue where it faces us, pale at the rim: a flash seen end on.
    look.albedo = [](Vec3 n) {
        const double rim = 1.0 - n.z;
        return mix(bytes(30, 70, 200), bytes(200, 232, 255), std::pow(rim, 0.7)) *
               (0.9 + 0.2 * fbm(n * 5.0, 131, 3));
    };
    look.ambient = 1.0;
    look.limb = 0.0;
    paintSphere(image, 25 * scale, 25 * scale, 24 * scale, look);
    return image;
}

QImage supernova(double scale) {
    return withStars(
        100, 100, scale,
        [](QImage& image, double s) {
            addRadialLight(image, s, [](double r, double angle) {
                if (r >= 50.0)
                    return Rgb{};
                const Vec3 at{r * std::cos(angle) / 50.0, r * std::sin(angle) / 50.0, 0.0};
                // Fine speckle over clumps and filaments of blown-off gas.
                const double speckle = std::pow(valueNoise(at * 45.0, 141), 3.0);
                const double clumps = fbm(at * 5.0, 142, 5);
                const double filaments = ridged(at * 3.0, 143, 4);
                const double shell =
                    smoothstep(20.0, 36.0, r) * (0.3 + 0.5 * clumps + 0.4 * filaments);
                const Rgb blue = mix(bytes(25, 55, 200), bytes(140, 180, 255), speckle);
                const Rgb shellLight = blue * (shell * (0.5 + 1.4 * speckle));
                const double core = std::exp(-std::pow(r / 27.0, 4.0));
                const double heart = std::exp(-std::pow(r / 10.0, 2.0));
                return shellLight + bytes(196, 186, 255) * core + grey(0.45 * heart) +
                       bytes(40, 70, 200) * 0.22;
            });
        },
        50, 9, 149);
}

} // namespace artgen
