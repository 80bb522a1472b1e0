#pragma once

#include "game/board.h"
#include "pictures.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <array>
#include <optional>

class QPainter;

namespace vortalin::ui {

// One shown picture: Image1(k) or Image2(j). An empty picture shows nothing.
struct PictureElement {
    std::optional<int> stock;
    QImage picture;
    QPoint topLeft;
};

// The main window's drawing area, painted bottom to top: black, the
// starfield repeated over the whole area, the drawn graphics, the body
// pictures, the ship pictures. Drawing shows within a display frame but
// repaints at most once a frame.
class BoardWidget : public QWidget, public vortalin::Canvas {
public:
    static constexpr int bodyElements = maxBodies;
    static constexpr int shipElements = shipCount;
    static constexpr int frameMilliseconds = 16;

    explicit BoardWidget(QWidget* parent = nullptr);

    // vortalin::Canvas
    void drawPoint(float x, float y, Rgb colour) override;
    void drawLine(float x1, float y1, float x2, float y2, Rgb colour) override;
    void drawCircle(float cx, float cy, float radius, Rgb outline) override;
    void setFillColor(Rgb colour) override;
    void clearGraphics() override;
    void setPicture(ImageArray array, int index, std::optional<int> stock) override;
    void movePicture(ImageArray array, int index, float left, float top) override;

    const PictureElement& Image1(int k) const { return m_bodies.at(std::size_t(k)); }
    const PictureElement& Image2(int j) const { return m_ships.at(std::size_t(j)); }
    const QImage& Image3(int n) const { return m_stock.at(std::size_t(n)); }

    const QImage& graphics() const { return m_graphics; }
    const QImage& starfield() const { return m_starfield; }
    QColor fillColor() const { return m_fill; }
    long long paintCount() const { return m_paints; }

    // Shows everything drawn so far: at once when `now`, else at the next
    // pass of the event loop.
    void flush(bool now);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    PictureElement* element(ImageArray array, int index);
    void markDirty(const QRect& rect);
    void ensureGraphicsCover(QSize size);
    void paintStars(QPainter& painter, const QRect& area) const;
    QRect imageRect() const { return m_graphics.rect(); }

    QImage m_starfield;
    std::array<QImage, stockCount> m_stock;
    std::array<PictureElement, bodyElements> m_bodies;
    std::array<PictureElement, shipElements> m_ships;
    QImage m_graphics;
    QColor m_fill = Qt::white; // the window's design fill colour
    QRect m_dirty;
    QElapsedTimer m_sinceFlush;
    QTimer m_flushTimer;
    long long m_paints = 0;
};

} // namespace vortalin::ui
