#include "aimdial.h"

#include "twips.h"

#include <QPainter>

#include <algorithm>

namespace vortalin::ui {

AimDial::AimDial(QWidget* parent, const QRectF& box, const LineControl& needle)
    : QWidget(parent), m_box(box), m_needle(needle) {
    setGeometry(rectFromTwips(box.left(), box.top(), box.width(), box.height()));
    // The dial lies under the controls; clicks go to whatever is above it.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    lower();
}

QPointF AimDial::local(double xTwips, double yTwips) const {
    return {xTwips / twipsPerPixel - x(), yTwips / twipsPerPixel - y()};
}

void AimDial::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double radius = std::min(m_box.width(), m_box.height()) / 2 / twipsPerPixel;
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawEllipse(local(m_box.center().x(), m_box.center().y()), radius, radius);
    painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(local(m_needle.X1, m_needle.Y1), local(m_needle.X2, m_needle.Y2));
}

} // namespace vortalin::ui
