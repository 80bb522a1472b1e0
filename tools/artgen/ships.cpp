#include "ships.h"

#include "sphere.h"
#include "stars.h"

#include <cmath>
#include <cstdlib>

namespace artgen {

namespace {

// Ships are drawn pixel by pixel, without antialiasing, so that they stay
// crisp at 30 x 15.
class Grid {
public:
    explicit Grid(QImage& image) : m_image(image) {}

    void dot(int x, int y, int v) {
        if (m_image.valid(x, y))
            m_image.setPixel(x, y, qRgb(v, v, v));
    }

    void row(int x0, int x1, int y, int v) {
        for (int x = x0; x <= x1; ++x)
            dot(x, y, v);
    }

    // Bresenham, so a swept strut is one clean pixel wide.
    void line(int x0, int y0, int x1, int y1, int v) {
        const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
        const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
        int err = dx + dy;
        for (;;) {
            dot(x0, y0, v);
            if (x0 == x1 && y0 == y1)
                return;
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                x0 += sx;
            }
            if (e2 <= dx) {
                err += dx;
                y0 += sy;
            }
        }
    }

    // A filled disc, its rim one shade darker than its face.
    void disc(double cx, double cy, double r, int face, int rim) {
        for (int y = 0; y < m_image.height(); ++y) {
            for (int x = 0; x < m_image.width(); ++x) {
                const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
                if (d < r)
                    dot(x, y, d > r - 1.2 ? rim : face);
            }
        }
    }

private:
    QImage& m_image;
};

} // namespace

QImage firstShip() {
    QImage image = blackCanvas(30, 15);
    Grid g(image);
    // Struts swept back from the hull to the two long pods.
    g.line(13, 6, 9, 3, 170);
    g.line(13, 8, 9, 11, 170);
    g.row(2, 10, 2, 235);
    g.row(3, 8, 3, 150);
    g.row(2, 10, 12, 235);
    g.row(3, 8, 11, 150);
    g.dot(1, 2, 120);
    g.dot(1, 12, 120);
    // Thin hull and neck out to the disc.
    g.row(5, 19, 7, 255);
    g.row(7, 14, 6, 200);
    g.row(7, 14, 8, 150);
    g.dot(4, 7, 140);
    // The saucer at the front, its bridge a darker dot.
    g.disc(24.0, 7.5, 5.6, 250, 185);
    g.dot(24, 7, 150);
    return image;
}

QImage secondShip() {
    QImage image = blackCanvas(30, 15);
    Grid g(image);
    // Narrow body at the back, lit on its upper side.
    g.row(2, 12, 7, 250);
    g.row(4, 11, 6, 185);
    g.row(4, 11, 8, 120);
    g.dot(1, 7, 150);
    g.dot(13, 7, 200);
    // Two arms curving out to the right, each split into two prongs; a
    // darker inner edge gives them some thickness.
    for (int side : {-1, 1}) {
        int lastX = 11, lastY = 7 + side;
        for (int x = 12; x <= 23; ++x) {
            const double t = (x - 11) / 12.0;
            const int y = 7 + side * static_cast<int>(std::lround(1.0 + 4.0 * std::sqrt(t)));
            g.line(lastX, lastY, x, y, 245);
            g.dot(x, y - side, x < 15 ? 150 : 110);
            lastX = x;
            lastY = y;
        }
        g.line(23, lastY, 28, lastY + side, 255);
        g.line(24, lastY - side, 27, lastY - side * 3, 200);
    }
    return image;
}

} // namespace artgen
