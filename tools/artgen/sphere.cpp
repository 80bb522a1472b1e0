#include "sphere.h"

#include <cmath>

namespace artgen {

Rgb shadeSphere(const SphereLook& look, Vec3 n) {
    const double facing = dot(n, look.light);
    const double diffuse = clamp01((facing + look.wrap) / (1.0 + look.wrap));
    const double mu = n.z;
    const double limb = 1.0 - look.limb * (1.0 - std::sqrt(std::max(mu, 0.0)));
    const double light = (look.ambient + (1.0 - look.ambient) * diffuse) * limb;
    Rgb colour = look.albedo(n) * light;
    if (look.specular > 0) {
        // Blinn half vector between the light and the viewer.
        const Vec3 half = normalized(look.light + Vec3{0, 0, 1});
        const double s = std::pow(std::max(dot(n, half), 0.0), look.shininess);
        colour = colour + grey(look.specular * s);
    }
    const double edge = std::pow(1.0 - std::max(mu, 0.0), 4.0);
    colour = colour + look.rim * (edge * diffuse);
    return colour;
}

void paintSphere(QImage& image, double cx, double cy, double radius, const SphereLook& look,
                 int samples) {
    const int x0 = std::max(0, static_cast<int>(std::floor(cx - radius)));
    const int y0 = std::max(0, static_cast<int>(std::floor(cy - radius)));
    const int x1 = std::min(image.width() - 1, static_cast<int>(std::ceil(cx + radius)));
    const int y1 = std::min(image.height() - 1, static_cast<int>(std::ceil(cy + radius)));
    const double share = 1.0 / (samples * samples);
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            Rgb sum;
            double covered = 0;
            for (int j = 0; j < samples; ++j) {
                for (int i = 0; i < samples; ++i) {
                    const double dx = (x + (i + 0.5) / samples - cx) / radius;
                    const double dy = (cy - (y + (j + 0.5) / samples)) / radius;
                    const double r2 = dx * dx + dy * dy;
                    if (r2 >= 1.0)
                        continue;
                    sum = sum + shadeSphere(look, {dx, dy, std::sqrt(1.0 - r2)});
                    covered += share;
                }
            }
            if (covered > 0)
                setPixel(image, x, y, sum * share + pixel(image, x, y) * (1.0 - covered));
        }
    }
}

Rgb pixel(const QImage& image, int x, int y) {
    const QRgb c = image.pixel(x, y);
    return bytes(qRed(c), qGreen(c), qBlue(c));
}

void setPixel(QImage& image, int x, int y, Rgb colour) {
    image.setPixel(x, y, qRgb(toByte(colour.r), toByte(colour.g), toByte(colour.b)));
}

QImage blackCanvas(int width, int height) {
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(Qt::black);
    return image;
}

} // namespace artgen
