#include "pixelgeometry.h"

#include <algorithm>
#include <cmath>

namespace vortalin::ui {

int nearestPixel(double coordinate) {
    if (std::isnan(coordinate))
        return farPixel;
    return int(std::floor(std::clamp(coordinate, -double(farPixel), double(farPixel)) + 0.5));
}

namespace {

// Liang-Barsky: narrows [t0, t1] to the part where p * t <= q holds.
bool narrow(double p, double q, double& t0, double& t1) {
    if (p == 0)
        return q >= 0;
    const double t = q / p;
    if (p < 0)
        t0 = std::max(t0, t);
    else
        t1 = std::min(t1, t);
    return t0 <= t1;
}

} // namespace

std::optional<QLineF> clipSegment(double x1, double y1, double x2, double y2, const QRectF& area) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return std::nullopt;
    const double left = area.left() - 1.0, right = area.right() + 1.0;
    const double top = area.top() - 1.0, bottom = area.bottom() + 1.0;
    const double dx = x2 - x1, dy = y2 - y1;
    double t0 = 0, t1 = 1;
    if (!narrow(-dx, x1 - left, t0, t1) || !narrow(dx, right - x1, t0, t1) ||
        !narrow(-dy, y1 - top, t0, t1) || !narrow(dy, bottom - y1, t0, t1))
        return std::nullopt;
    return QLineF(x1 + t0 * dx, y1 + t0 * dy, x1 + t1 * dx, y1 + t1 * dy);
}

std::optional<QLine> clipToArea(double x1, double y1, double x2, double y2, const QRect& area) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return std::nullopt;
    // A QRect's right() is its last pixel: the area runs to right() itself.
    const std::optional<QLineF> clipped = clipSegment(
        std::floor(x1 + 0.5), std::floor(y1 + 0.5), std::floor(x2 + 0.5), std::floor(y2 + 0.5),
        QRectF(area.left(), area.top(), area.width() - 1.0, area.height() - 1.0));
    if (!clipped)
        return std::nullopt;
    return QLine(nearestPixel(clipped->x1()), nearestPixel(clipped->y1()),
                 nearestPixel(clipped->x2()), nearestPixel(clipped->y2()));
}

CircleCover circleCover(double cx, double cy, double radius, const QRect& area) {
    if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(radius) || radius < 0)
        return CircleCover::none;
    const double left = area.left(), right = area.right();
    const double top = area.top(), bottom = area.bottom();
    const double nearX = std::clamp(cx, left, right) - cx;
    const double nearY = std::clamp(cy, top, bottom) - cy;
    if (std::hypot(nearX, nearY) > radius + 1)
        return CircleCover::none;
    const double farX = std::max(std::abs(cx - left), std::abs(cx - right));
    const double farY = std::max(std::abs(cy - top), std::abs(cy - bottom));
    if (std::hypot(farX, farY) < radius - 1)
        return CircleCover::all;
    return CircleCover::partial;
}

} // namespace vortalin::ui
