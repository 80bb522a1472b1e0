#pragma once

#include "game/board.h"
#include "pictures.h"

#include <QElapsedTimer>
#include <QImage>
#include <QRegion>
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
//
// Everything is held in the screen's device pixels, with the pictures
// painted for its ratio of device pixels to board pixels. The still part
// (black, stars, pictures) is composed once when it changes; a paint
// blends only what changed of the drawn graphics over it, where no picture
// lies, and shows the result.
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
    // The stock in board pixels, which the elements' pictures share.
    const QImage& Image3(int n) const { return m_boardSet->stock.at(std::size_t(n)); }

    // The drawn graphics in device pixels, ratio() to a board pixel.
    const QImage& graphics() const;
    double ratio() const { return m_ratio; }
    // The starfield in board pixels.
    const QImage& starfield() const { return m_boardSet->starfield; }
    QColor fillColor() const { return m_fill; }
    long long paintCount() const { return m_paints; }

    // Shows everything drawn so far: at once when `now`, else at the next
    // pass of the event loop.
    void flush(bool now);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    PictureElement* element(ImageArray array, int index);
    void markDirty(const QRect& deviceRect);
    void ensureGraphicsCover(QSize size);
    void followScreen();
    void adoptRatio(double ratio);
    void allocateFrame();
    void collectPictures();
    void pictureChanged(const PictureElement& before, const PictureElement& after);
    QRect deviceRect(const PictureElement& e) const;
    QRect toBoard(const QRect& deviceRect) const;
    void refreshStill();
    void composeFrame();
    void paintStars(QPainter& painter, const QRect& area) const;
    // The board in board pixels, for clipping what is drawn.
    QRect boardRect() const;
    void drawFineLine(float x1, float y1, float x2, float y2, Rgb colour);
    void drawSmoothCircle(double x, double y, double r, Rgb outline);
    void settleDisc() const;

    std::array<PictureElement, bodyElements> m_bodies;
    std::array<PictureElement, shipElements> m_ships;
    double m_ratio = 1;
    const PictureSet* m_boardSet = nullptr; // in board pixels
    const PictureSet* m_set = nullptr;      // painted for the screen
    // A filled circle not drawn yet (see drawSmoothCircle).
    struct Disc {
        QPointF centre;
        double radius = 0;
        QColor outline, fill;
    };
    mutable std::optional<Disc> m_disc;
    mutable QImage m_graphics;        // device pixels
    QImage m_still;                   // black, stars and pictures, device pixels
    QImage m_frame;                   // the still part with the graphics over it
    QRegion m_stillStale, m_pictures; // device pixels
    QRect m_frameStale;               // device pixels
    QColor m_fill = Qt::white;        // the window's design fill colour
    QRect m_dirty;                    // device pixels
    QElapsedTimer m_sinceFlush;
    static constexpr int marksPerClockReading = 32;
    int m_marksSinceClock = 0;
    QTimer m_flushTimer;
    long long m_paints = 0;
};

} // namespace vortalin::ui
