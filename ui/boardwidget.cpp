#include "boardwidget.h"

#include "pixelgeometry.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace vortalin::ui {

namespace {

QColor toColor(Rgb c) {
    return QColor(c.red, c.green, c.blue);
}

// Radii and centres beyond this are not handed to the rasteriser.
constexpr double rasterLimit = 1 << 20;

} // namespace

BoardWidget::BoardWidget(QWidget* parent)
    : QWidget(parent), m_starfield(starfieldPicture()), m_stock(stockPictures()) {
    setAttribute(Qt::WA_OpaquePaintEvent); // every pixel is painted, black first
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    const QScreen* screen = QGuiApplication::primaryScreen();
    ensureGraphicsCover(screen ? screen->size() : QSize(1280, 1024));
    m_flushTimer.setSingleShot(true);
    m_flushTimer.setTimerType(Qt::PreciseTimer);
    m_flushTimer.setInterval(frameMilliseconds);
    connect(&m_flushTimer, &QTimer::timeout, this, [this] { flush(false); });
    m_sinceFlush.start();
}

void BoardWidget::ensureGraphicsCover(QSize size) {
    const QSize wanted = size.expandedTo(m_graphics.size());
    if (wanted == m_graphics.size())
        return;
    QImage grown(wanted, QImage::Format_ARGB32_Premultiplied);
    grown.fill(Qt::transparent);
    if (!m_graphics.isNull()) {
        QPainter painter(&grown);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, m_graphics);
    }
    m_graphics = grown;
}

void BoardWidget::resizeEvent(QResizeEvent*) {
    ensureGraphicsCover(size());
}

void BoardWidget::markDirty(const QRect& rect) {
    m_dirty |= rect;
    // Without yields (an explosion) the timer cannot fire: paint at once.
    if (m_sinceFlush.elapsed() >= frameMilliseconds + 4)
        flush(true);
    else if (!m_flushTimer.isActive())
        m_flushTimer.start(std::max(0, frameMilliseconds - int(m_sinceFlush.elapsed())));
}

void BoardWidget::flush(bool now) {
    m_flushTimer.stop();
    m_sinceFlush.restart();
    const QRect dirty = m_dirty.intersected(rect());
    m_dirty = QRect();
    if (dirty.isEmpty())
        return;
    if (now)
        repaint(dirty);
    else
        update(dirty);
}

void BoardWidget::drawPoint(float x, float y, Rgb colour) {
    const int px = nearestPixel(x), py = nearestPixel(y);
    if (!imageRect().contains(px, py))
        return;
    auto* line = reinterpret_cast<QRgb*>(m_graphics.scanLine(py));
    line[px] = qRgb(colour.red, colour.green, colour.blue);
    markDirty(QRect(px, py, 1, 1));
}

void BoardWidget::drawLine(float x1, float y1, float x2, float y2, Rgb colour) {
    const std::optional<QLine> line = clipToArea(x1, y1, x2, y2, imageRect());
    if (!line)
        return;
    QPainter painter(&m_graphics);
    painter.setPen(QPen(toColor(colour), 1));
    painter.drawLine(*line);
    markDirty(QRect(line->p1(), line->p2()).normalized().adjusted(-1, -1, 1, 1));
}

void BoardWidget::drawCircle(float cx, float cy, float radius, Rgb outline) {
    const double x = std::floor(double(cx) + 0.5), y = std::floor(double(cy) + 0.5);
    const double r = std::floor(double(radius) + 0.5);
    switch (circleCover(x, y, r, imageRect())) {
    case CircleCover::none:
        return;
    case CircleCover::all:
        m_graphics.fill(m_fill);
        markDirty(imageRect());
        return;
    case CircleCover::partial:
        break;
    }
    if (std::abs(x) > rasterLimit || std::abs(y) > rasterLimit || r > rasterLimit)
        return; // only a made-up map gets here; such an arc is not drawn
    const QRect box(int(x - r), int(y - r), int(2 * r) + 1, int(2 * r) + 1);
    QPainter painter(&m_graphics);
    painter.setPen(QPen(toColor(outline), 1));
    painter.setBrush(m_fill);
    painter.drawEllipse(QPoint(int(x), int(y)), int(r), int(r));
    markDirty(box.adjusted(-1, -1, 1, 1));
}

void BoardWidget::setFillColor(Rgb colour) {
    m_fill = toColor(colour);
}

void BoardWidget::clearGraphics() {
    m_graphics.fill(Qt::transparent);
    markDirty(imageRect());
}

PictureElement* BoardWidget::element(ImageArray array, int index) {
    if (array == ImageArray::bodies)
        return index >= 0 && index < bodyElements ? &m_bodies[std::size_t(index)] : nullptr;
    return index >= 0 && index < shipElements ? &m_ships[std::size_t(index)] : nullptr;
}

void BoardWidget::setPicture(ImageArray array, int index, std::optional<int> stock) {
    PictureElement* e = element(array, index);
    if (!e)
        return; // the window has only ten body and two ship images
    update(QRect(e->topLeft, e->picture.size()));
    const bool known = stock && *stock >= 0 && *stock < stockPictureCount;
    e->stock = known ? stock : std::nullopt;
    e->picture = known ? m_stock[std::size_t(*stock)] : QImage();
    update(QRect(e->topLeft, e->picture.size()));
}

void BoardWidget::movePicture(ImageArray array, int index, float left, float top) {
    PictureElement* e = element(array, index);
    if (!e)
        return;
    update(QRect(e->topLeft, e->picture.size()));
    e->topLeft = QPoint(nearestPixel(left), nearestPixel(top));
    update(QRect(e->topLeft, e->picture.size()));
}

// The starfield, unscaled, repeated from the top-left corner: a board larger
// than the picture shows stars to its edges.
void BoardWidget::paintStars(QPainter& painter, const QRect& area) const {
    const int w = m_starfield.width(), h = m_starfield.height();
    if (w <= 0 || h <= 0)
        return;
    for (int top = area.top() / h * h; top <= area.bottom(); top += h) {
        for (int left = area.left() / w * w; left <= area.right(); left += w) {
            const QRect tile = QRect(left, top, w, h) & area;
            painter.drawImage(tile.topLeft(), m_starfield, tile.translated(-left, -top));
        }
    }
}

void BoardWidget::paintEvent(QPaintEvent* event) {
    ++m_paints;
    const QRect area = event->rect();
    QPainter painter(this);
    painter.fillRect(area, Qt::black);
    paintStars(painter, area);
    const QRect drawn = area & m_graphics.rect();
    painter.drawImage(drawn.topLeft(), m_graphics, drawn);
    const auto paintPictures = [&](const auto& elements) {
        for (const PictureElement& e : elements) {
            if (!e.picture.isNull() && area.intersects(QRect(e.topLeft, e.picture.size())))
                painter.drawImage(e.topLeft, e.picture);
        }
    };
    paintPictures(m_bodies); // ships lie above the bodies
    paintPictures(m_ships);
}

} // namespace vortalin::ui
