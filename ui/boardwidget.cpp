#include "boardwidget.h"

#include "pixelgeometry.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace vortalin::ui {

namespace {

QColor toColor(Rgb c) {
    return QColor(c.red, c.green, c.blue);
}

// Radii and centres beyond this are not handed to the rasteriser.
constexpr double rasterLimit = 1 << 20;

int deviceLength(int boardLength, double ratio) {
    return int(std::ceil(boardLength * ratio - 1e-9));
}

QSize deviceSize(QSize board, double ratio) {
    return {deviceLength(board.width(), ratio), deviceLength(board.height(), ratio)};
}

} // namespace

BoardWidget::BoardWidget(QWidget* parent)
    : QWidget(parent), m_boardSet(&picturesFor(1)), m_set(m_boardSet) {
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

// `size` in board pixels; the graphics never shrink, so nothing drawn is
// lost when the window is made smaller and larger again.
void BoardWidget::ensureGraphicsCover(QSize size) {
    const QSize wanted = deviceSize(size, m_ratio).expandedTo(m_graphics.size());
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
    allocateFrame();
}

void BoardWidget::allocateFrame() {
    const QSize device = deviceSize(size(), m_ratio);
    m_still = QImage(device, QImage::Format_RGB32);
    m_frame = QImage(device, QImage::Format_RGB32);
    m_stillStale = QRegion(m_still.rect());
}

// A window moved to a screen of another ratio repaints with that screen's
// pictures; the drawing made so far is carried over, rescaled.
bool BoardWidget::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::ScreenChangeInternal:
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    case QEvent::DevicePixelRatioChange:
#endif
        followScreen();
        update();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void BoardWidget::followScreen() {
    const double ratio = devicePixelRatioF();
    if (ratio > 0 && std::abs(ratio - m_ratio) > 1e-6)
        adoptRatio(ratio);
}

void BoardWidget::adoptRatio(double ratio) {
    settleDisc();
    const double before = m_ratio;
    m_ratio = ratio;
    m_set = &picturesFor(ratio);
    const QSize cover = deviceSize(QSize(int(std::ceil(m_graphics.width() / before)),
                                         int(std::ceil(m_graphics.height() / before))),
                                   ratio);
    // Repeated, not blended: a carried trail keeps its full white.
    const QImage carried = m_graphics.scaled(cover, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    m_graphics = carried.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ensureGraphicsCover(size());
    collectPictures();
    allocateFrame();
    m_frameStale = m_frame.rect();
    m_dirty = QRect();
}

void BoardWidget::collectPictures() {
    m_pictures = QRegion();
    for (const PictureElement& e : m_bodies)
        m_pictures += deviceRect(e);
    for (const PictureElement& e : m_ships)
        m_pictures += deviceRect(e);
}

QRect BoardWidget::toBoard(const QRect& deviceRect) const {
    if (m_ratio == 1)
        return deviceRect;
    const auto low = [this](int v) { return int(std::floor(v / m_ratio)); };
    const auto high = [this](int v) { return int(std::ceil(v / m_ratio)); };
    return QRect(QPoint(low(deviceRect.left()), low(deviceRect.top())),
                 QPoint(high(deviceRect.right() + 1) - 1, high(deviceRect.bottom() + 1) - 1));
}

QRect BoardWidget::boardRect() const {
    return QRect(0, 0, int(m_graphics.width() / m_ratio), int(m_graphics.height() / m_ratio));
}

void BoardWidget::markDirty(const QRect& deviceRect) {
    m_dirty |= deviceRect;
    m_frameStale |= deviceRect;
    // Without yields (an explosion) the timer cannot fire: paint at once.
    // The clock is read every few marks: in the browser a reading costs
    // more than drawing a point.
    if (++m_marksSinceClock >= marksPerClockReading) {
        m_marksSinceClock = 0;
        if (m_sinceFlush.elapsed() >= frameMilliseconds + 4)
            return flush(true);
    }
    if (!m_flushTimer.isActive())
        m_flushTimer.start(std::max(0, frameMilliseconds - int(m_sinceFlush.elapsed())));
}

void BoardWidget::flush(bool now) {
    m_flushTimer.stop();
    m_sinceFlush.restart();
    const QRect dirty = toBoard(m_dirty).intersected(rect());
    m_dirty = QRect();
    if (dirty.isEmpty())
        return;
    if (now)
        repaint(dirty);
    else
        update(dirty);
}

// A step's point covers the board pixel it falls in. On a finer screen it
// is a square of about a board pixel at its unrounded place, so a trail
// follows its curve with the screen's finer pixels.
void BoardWidget::drawPoint(float x, float y, Rgb colour) {
    settleDisc();
    const int side = std::max(1, int(std::lround(m_ratio)));
    const int px = m_ratio == 1 ? nearestPixel(x) : nearestPixel(double(x) * m_ratio);
    const int py = m_ratio == 1 ? nearestPixel(y) : nearestPixel(double(y) * m_ratio);
    const QRect square = QRect(px, py, side, side) & m_graphics.rect();
    if (square.isEmpty())
        return;
    for (int row = square.top(); row <= square.bottom(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(m_graphics.scanLine(row));
        std::fill(line + square.left(), line + square.right() + 1,
                  qRgb(colour.red, colour.green, colour.blue));
    }
    markDirty(square);
}

void BoardWidget::drawLine(float x1, float y1, float x2, float y2, Rgb colour) {
    settleDisc();
    if (m_ratio != 1)
        return drawFineLine(x1, y1, x2, y2, colour);
    const std::optional<QLine> line = clipToArea(x1, y1, x2, y2, m_graphics.rect());
    if (!line)
        return;
    QPainter painter(&m_graphics);
    painter.setPen(QPen(toColor(colour), 1));
    painter.drawLine(*line);
    markDirty(QRect(line->p1(), line->p2()).normalized().adjusted(-1, -1, 1, 1));
}

// A line a board pixel wide through the centres of the board pixels its
// ends fall in, on the screen's finer pixels. Not antialiased: an
// explosion's rays come by the thousand, and smoothing would cost six
// times as much for edges that the next rays cover.
void BoardWidget::drawFineLine(float x1, float y1, float x2, float y2, Rgb colour) {
    const std::optional<QLineF> line = clipSegment(x1, y1, x2, y2, boardRect());
    if (!line)
        return;
    const QLineF centred = line->translated(0.5, 0.5);
    QPainter painter(&m_graphics);
    painter.scale(m_ratio, m_ratio);
    painter.setPen(QPen(toColor(colour), 1, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(centred);
    const QRectF bounds = QRectF(centred.p1(), centred.p2()).normalized().adjusted(-1, -1, 1, 1);
    markDirty(QRectF(bounds.topLeft() * m_ratio, bounds.bottomRight() * m_ratio).toAlignedRect() &
              m_graphics.rect());
}

void BoardWidget::drawCircle(float cx, float cy, float radius, Rgb outline) {
    const bool fine = m_ratio != 1;
    const double x = fine ? double(cx) : std::floor(double(cx) + 0.5);
    const double y = fine ? double(cy) : std::floor(double(cy) + 0.5);
    const double r = fine ? double(radius) : std::floor(double(radius) + 0.5);
    switch (circleCover(x, y, r, boardRect())) {
    case CircleCover::none:
        return;
    case CircleCover::all:
        m_disc.reset();
        m_graphics.fill(m_fill);
        markDirty(m_graphics.rect());
        return;
    case CircleCover::partial:
        break;
    }
    if (std::abs(x) > rasterLimit || std::abs(y) > rasterLimit || r > rasterLimit)
        return; // only a made-up map gets here; such an arc is not drawn
    if (fine)
        return drawSmoothCircle(x, y, r, outline);
    const QRect box(int(x - r), int(y - r), int(2 * r) + 1, int(2 * r) + 1);
    QPainter painter(&m_graphics);
    painter.setPen(QPen(toColor(outline), 1));
    painter.setBrush(m_fill);
    painter.drawEllipse(QPoint(int(x), int(y)), int(r), int(r));
    markDirty(box.adjusted(-1, -1, 1, 1));
}

// Centred where the board pixel of (x, y) has its centre, outlined a board
// pixel wide, with smooth edges. An explosion draws hundreds of discs a
// frame, each covering the last: a disc waits until something else is
// drawn, the graphics are read or painted, and is dropped if a larger one
// with the same centre comes first.
void BoardWidget::drawSmoothCircle(double x, double y, double r, Rgb outline) {
    const QPointF centre(x + 0.5, y + 0.5);
    if (!m_disc || m_disc->centre != centre || r < m_disc->radius)
        settleDisc();
    m_disc = Disc{centre, r, toColor(outline), m_fill};
    const double reach = (r + 1.5) * m_ratio;
    markDirty(
        QRectF(centre.x() * m_ratio - reach, centre.y() * m_ratio - reach, 2 * reach, 2 * reach)
            .toAlignedRect() &
        m_graphics.rect());
}

void BoardWidget::settleDisc() const {
    if (!m_disc)
        return;
    const Disc disc = *m_disc;
    m_disc.reset();
    QPainter painter(&m_graphics);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(m_ratio, m_ratio);
    painter.setPen(QPen(disc.outline, 1));
    painter.setBrush(disc.fill);
    painter.drawEllipse(disc.centre, disc.radius, disc.radius);
}

const QImage& BoardWidget::graphics() const {
    settleDisc();
    return m_graphics;
}

void BoardWidget::setFillColor(Rgb colour) {
    m_fill = toColor(colour);
}

void BoardWidget::clearGraphics() {
    m_disc.reset();
    m_graphics.fill(Qt::transparent);
    markDirty(m_graphics.rect());
}

PictureElement* BoardWidget::element(ImageArray array, int index) {
    if (array == ImageArray::bodies)
        return index >= 0 && index < bodyElements ? &m_bodies[std::size_t(index)] : nullptr;
    return index >= 0 && index < shipElements ? &m_ships[std::size_t(index)] : nullptr;
}

// Where a shown picture lies in device pixels: its corner on the device
// pixel nearest the board position, its size as painted for the screen.
QRect BoardWidget::deviceRect(const PictureElement& e) const {
    if (e.picture.isNull() || !e.stock)
        return {};
    const QPoint corner = m_ratio == 1 ? e.topLeft
                                       : QPoint(nearestPixel(e.topLeft.x() * m_ratio),
                                                nearestPixel(e.topLeft.y() * m_ratio));
    return QRect(corner, m_set->stock[std::size_t(*e.stock)].size());
}

void BoardWidget::pictureChanged(const PictureElement& before, const PictureElement& after) {
    const QRect gone = deviceRect(before), come = deviceRect(after);
    if (gone == come && before.stock == after.stock)
        return;
    collectPictures();
    m_stillStale += gone;
    m_stillStale += come;
    update(toBoard(gone) | toBoard(come));
}

void BoardWidget::setPicture(ImageArray array, int index, std::optional<int> stock) {
    PictureElement* e = element(array, index);
    if (!e)
        return; // the window has only ten body and two ship images
    const PictureElement before = *e;
    const bool known = stock && *stock >= 0 && *stock < stockCount;
    e->stock = known ? stock : std::nullopt;
    e->picture = known ? m_boardSet->stock[std::size_t(*stock)] : QImage();
    pictureChanged(before, *e);
}

void BoardWidget::movePicture(ImageArray array, int index, float left, float top) {
    PictureElement* e = element(array, index);
    if (!e)
        return;
    const PictureElement before = *e;
    e->topLeft = QPoint(nearestPixel(left), nearestPixel(top));
    pictureChanged(before, *e);
}

// The starfield painted for the screen, repeated from the top-left corner: a
// board larger than the picture shows stars to its edges.
void BoardWidget::paintStars(QPainter& painter, const QRect& area) const {
    const QImage& stars = m_set->starfield;
    const int w = stars.width(), h = stars.height();
    if (w <= 0 || h <= 0)
        return;
    for (int top = area.top() / h * h; top <= area.bottom(); top += h) {
        for (int left = area.left() / w * w; left <= area.right(); left += w) {
            const QRect tile = QRect(left, top, w, h) & area;
            painter.drawImage(tile.topLeft(), stars, tile.translated(-left, -top));
        }
    }
}

// Black, stars and pictures, wherever they changed.
void BoardWidget::refreshStill() {
    const QRegion stale = m_stillStale & m_still.rect();
    m_stillStale = QRegion();
    if (stale.isEmpty())
        return;
    QPainter painter(&m_still);
    for (const QRect& area : stale) {
        painter.setClipRect(area);
        painter.fillRect(area, Qt::black);
        paintStars(painter, area);
        const auto paintPictures = [&](const auto& elements) {
            for (const PictureElement& e : elements) {
                const QRect place = deviceRect(e);
                if (place.intersects(area))
                    painter.drawImage(place.topLeft(), m_set->stock[std::size_t(*e.stock)]);
            }
        };
        paintPictures(m_bodies); // ships lie above the bodies
        paintPictures(m_ships);
        m_frameStale |= area;
    }
}

// The drawn graphics lie between the background and the pictures, which
// are opaque: they show only where no picture lies.
void BoardWidget::composeFrame() {
    const QRect area = m_frameStale & m_frame.rect();
    m_frameStale = QRect();
    if (area.isEmpty())
        return;
    QPainter painter(&m_frame);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(area.topLeft(), m_still, area);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setClipRegion(QRegion(area) - m_pictures);
    painter.drawImage(area.topLeft(), m_graphics, area);
}

void BoardWidget::paintEvent(QPaintEvent* event) {
    ++m_paints;
    followScreen();
    settleDisc();
    refreshStill();
    composeFrame();
    const QRect area = event->rect();
    QPainter painter(this);
    if (m_ratio == 1) {
        painter.drawImage(area.topLeft(), m_frame, area);
        return;
    }
    const QRectF source(area.x() * m_ratio, area.y() * m_ratio, area.width() * m_ratio,
                        area.height() * m_ratio);
    painter.drawImage(QRectF(area), m_frame, source);
}

} // namespace vortalin::ui
