#pragma once

#include <QRectF>
#include <QWidget>

namespace vortalin::ui {

// A line control: its two end points in the window's twips, single precision.
struct LineControl {
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};

// The fire dialog's dial: the white circle and the aiming needle over it.
// Both are drawn on the window below its controls and take no input.
class AimDial : public QWidget {
public:
    // `box` is the circle's box in twips; the circle is the largest that fits,
    // centred. The needle is read at every paint.
    AimDial(QWidget* parent, const QRectF& box, const LineControl& needle);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // A point of the window, in twips, as a point of this widget in pixels.
    QPointF local(double xTwips, double yTwips) const;

    QRectF m_box;
    const LineControl& m_needle;
};

} // namespace vortalin::ui
