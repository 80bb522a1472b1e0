#include "banner.h"

#include "planets.h"
#include "rng.h"
#include "sphere.h"
#include "stars.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>

namespace artgen {

namespace {

constexpr int bannerWidth = 359, bannerHeight = 80;

void scatterStars(QImage& image, int count, std::uint64_t seed) {
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        const int x = rng.below(image.width()), y = rng.below(image.height());
        const double u = rng.uniform();
        const int v = 60 + static_cast<int>(190.0 * u * u);
        image.setPixel(x, y, qRgb(v, v, v));
    }
}

// The same stars at `scale`: scattered over board pixels first, where a
// later one may take an earlier one's place.
void scatterStars(QImage& image, int count, std::uint64_t seed, double scale) {
    if (scale == 1.0)
        return scatterStars(image, count, seed);
    QImage board = blackCanvas(bannerWidth, bannerHeight);
    scatterStars(board, count, seed);
    for (int y = 0; y < board.height(); ++y)
        for (int x = 0; x < board.width(); ++x)
            if (const int v = qRed(board.pixel(x, y)); v != 0)
                paintStar(image, {x, y, v}, scale);
}

// Lit from above: bright top edge, darker underside, like the planets.
QLinearGradient metal(double top, double bottom, QColor light, QColor dark) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0.0, light.lighter(120));
    g.setColorAt(0.35, light);
    g.setColorAt(1.0, dark);
    return g;
}

// Pale grey-blue, facing right: engine pods at the back, a long hull,
// the flat disc at the front.
void paintFirstShip(QPainter& p) {
    const QColor light(190, 204, 224), dark(92, 104, 130);
    p.setPen(QPen(QColor(70, 80, 104), 0.7));
    // Pylons first, so the pods and hull cover their ends.
    p.setBrush(QColor(120, 132, 156));
    p.drawPolygon(QPolygonF({{52, 39}, {60, 39}, {44, 25}, {38, 25}}));
    p.drawPolygon(QPolygonF({{52, 45}, {60, 45}, {46, 56}, {40, 56}}));
    p.drawPolygon(QPolygonF({{88, 36}, {95, 36}, {100, 29}, {94, 29}}));
    for (double y : {21.5, 54.0}) {
        p.setBrush(metal(y - 3, y + 3, light, dark));
        p.drawRoundedRect(QRectF(12, y - 3, 52, 6), 3, 3);
        p.setBrush(QColor(140, 200, 255));
        p.drawEllipse(QRectF(11, y - 2, 3, 4));
    }
    p.setBrush(metal(35, 47, light, dark));
    QPainterPath hull;
    hull.moveTo(34, 38);
    hull.cubicTo(60, 33, 88, 35, 96, 40);
    hull.cubicTo(88, 46, 60, 47, 34, 44);
    hull.closeSubpath();
    p.drawPath(hull);
    p.setBrush(metal(22, 38, light, dark));
    p.drawEllipse(QRectF(84, 22, 46, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(225, 235, 250));
    p.drawEllipse(QRectF(103, 20.5, 10, 4));
    // Windows along the disc's rim and the hull.
    p.setBrush(QColor(255, 250, 215));
    for (double x : {92.0, 99.0, 106.0, 113.0, 120.0})
        p.drawRect(QRectF(x, 28.5, 1.2, 1.0));
    for (double x : {58.0, 66.0, 74.0, 82.0})
        p.drawRect(QRectF(x, 39.0, 1.2, 1.0));
}

// Dark grey-green, facing left: bulbous head, long thin neck, wide body.
void paintSecondShip(QPainter& p) {
    const QColor light(118, 140, 122), dark(40, 52, 44);
    p.setPen(QPen(QColor(28, 36, 30), 0.7));
    p.setBrush(metal(37, 42, light, dark));
    p.drawRect(QRectF(258, 38, 44, 3.5));
    QPainterPath body;
    body.moveTo(298, 34);
    body.lineTo(330, 22);
    body.lineTo(348, 24);
    body.lineTo(350, 56);
    body.lineTo(330, 58);
    body.lineTo(298, 45);
    body.closeSubpath();
    p.setBrush(metal(22, 58, light, dark));
    p.drawPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 220, 190));
    p.drawRect(QRectF(348, 30, 2, 20));
    // Panel seams across the rear body.
    p.setBrush(QColor(60, 74, 64));
    for (double x : {312.0, 324.0, 336.0})
        p.drawRect(QRectF(x, 30, 0.8, 20));
    QRadialGradient head(QPointF(246, 35), 14, QPointF(242, 33));
    head.setColorAt(0.0, light.lighter(140));
    head.setColorAt(0.6, light.darker(115));
    head.setColorAt(1.0, dark);
    p.setBrush(head);
    p.drawEllipse(QRectF(236, 29, 26, 21));
}

} // namespace

QImage paintBanner(double scale) {
    QImage image = blackCanvas(scaledLength(bannerWidth, scale), scaledLength(bannerHeight, scale));
    scatterStars(image, 150, 301, scale);
    paintSphere(image, 179.5 * scale, 40.0 * scale, 30.0 * scale, bandedGiant());
    QImage canvas = image.convertToFormat(QImage::Format_RGB32);
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing);
        if (scale != 1.0)
            p.scale(scale, scale);
        paintFirstShip(p);
        paintSecondShip(p);
    }
    return canvas.convertToFormat(QImage::Format_RGB888);
}

} // namespace artgen
