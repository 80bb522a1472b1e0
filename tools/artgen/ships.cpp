#include "ships.h"

#include "sphere.h"
#include "stars.h"

#include <QPainter>

#include <cmath>
#include <cstdlib>

namespace artgen {

namespace {

// What a ship is drawn with, in board pixels: a pixel's square, a row of
// them, a line from pixel to pixel, a disc with a darker rim.
class Pen {
public:
    virtual ~Pen() = default;
    virtual void dot(int x, int y, int v) = 0;
    virtual void row(int x0, int x1, int y, int v) = 0;
    virtual void line(double x0, double y0, double x1, double y1, int v) = 0;
    virtual void disc(double cx, double cy, double r, int face, int rim) = 0;
    // Whether lines may run between pixels.
    virtual bool smooth() const = 0;
};

// At 30 x 15 device pixels ships are drawn pixel by pixel, without
// antialiasing, so that they stay crisp.
class Grid : public Pen {
public:
    explicit Grid(QImage& image) : m_image(image) {}

    bool smooth() const override { return false; }

    void dot(int x, int y, int v) override {
        if (m_image.valid(x, y))
            m_image.setPixel(x, y, qRgb(v, v, v));
    }

    void row(int x0, int x1, int y, int v) override {
        for (int x = x0; x <= x1; ++x)
            dot(x, y, v);
    }

    void line(double fx0, double fy0, double fx1, double fy1, int v) override {
        bresenham(int(fx0), int(fy0), int(fx1), int(fy1), v);
    }

    // Bresenham, so a swept strut is one clean pixel wide.
    void bresenham(int x0, int y0, int x1, int y1, int v) {
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
    void disc(double cx, double cy, double r, int face, int rim) override {
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

// On finer screens the same drawing as shapes, antialiased: struts and arms
// run smoothly between the board's pixels instead of in steps.
class Outline : public Pen {
public:
    Outline(QImage& image, double scale) : m_painter(&image) {
        m_painter.setRenderHint(QPainter::Antialiasing);
        m_painter.scale(scale, scale);
    }

    bool smooth() const override { return true; }

    void dot(int x, int y, int v) override { row(x, x, y, v); }

    void row(int x0, int x1, int y, int v) override {
        m_painter.fillRect(QRectF(x0, y, x1 - x0 + 1, 1), QColor(v, v, v));
    }

    void line(double x0, double y0, double x1, double y1, int v) override {
        m_painter.setPen(QPen(QColor(v, v, v), 1.0, Qt::SolidLine, Qt::SquareCap));
        m_painter.drawLine(QPointF(x0 + 0.5, y0 + 0.5), QPointF(x1 + 0.5, y1 + 0.5));
    }

    void disc(double cx, double cy, double r, int face, int rim) override {
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(QColor(rim, rim, rim));
        m_painter.drawEllipse(QPointF(cx, cy), r, r);
        m_painter.setBrush(QColor(face, face, face));
        m_painter.drawEllipse(QPointF(cx, cy), r - 1.2, r - 1.2);
    }

private:
    QPainter m_painter;
};

// Paints a ship of 30 x 15 board pixels with whichever pen suits `scale`.
template <typename Draw> QImage shipPicture(double scale, Draw draw) {
    QImage image = blackCanvas(scaledLength(30, scale), scaledLength(15, scale));
    if (scale == 1.0) {
        Grid grid(image);
        draw(grid);
        return image;
    }
    QImage canvas = image.convertToFormat(QImage::Format_RGB32);
    {
        Outline outline(canvas, scale);
        draw(outline);
    }
    return canvas.convertToFormat(QImage::Format_RGB888);
}

} // namespace

QImage firstShip(double scale) {
    return shipPicture(scale, [](Pen& g) {
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
    });
}

QImage secondShip(double scale) {
    return shipPicture(scale, [](Pen& g) {
        // Narrow body at the back, lit on its upper side.
        g.row(2, 12, 7, 250);
        g.row(4, 11, 6, 185);
        g.row(4, 11, 8, 120);
        g.dot(1, 7, 150);
        g.dot(13, 7, 200);
        // Two arms curving out to the right, each split into two prongs; a
        // darker inner edge gives them some thickness.
        for (int side : {-1, 1}) {
            double lastX = 11, lastY = 7 + side;
            for (int x = 12; x <= 23; ++x) {
                const double t = (x - 11) / 12.0;
                const double exact = 1.0 + 4.0 * std::sqrt(t);
                const double y = 7 + side * (g.smooth() ? exact : double(std::lround(exact)));
                g.line(lastX, lastY, x, y, 245);
                if (g.smooth() && x > 12)
                    g.line(x - 1, lastY - side, x, y - side, x < 15 ? 150 : 110);
                else
                    g.dot(x, int(std::lround(y)) - side, x < 15 ? 150 : 110);
                lastX = x;
                lastY = y;
            }
            g.line(23, lastY, 28, lastY + side, 255);
            g.line(24, lastY - side, 27, lastY - side * 3, 200);
        }
    });
}

} // namespace artgen
