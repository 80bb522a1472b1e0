#pragma once

#include <QLine>
#include <QLineF>
#include <QRect>
#include <QRectF>

#include <optional>

namespace vortalin::ui {

// Far enough to be off any board, small enough for integer arithmetic.
inline constexpr int farPixel = 1 << 24;

// The nearest pixel, halves up; absurd values (a loaded map may bring any
// double) are held at farPixel either way, NaN goes far right.
int nearestPixel(double coordinate);

// The part of the segment inside `area` grown by one pixel, with its ends on
// the nearest pixels; nothing when it misses. Keeps the slope of far lines.
std::optional<QLine> clipToArea(double x1, double y1, double x2, double y2, const QRect& area);

// The part of the segment inside `area` grown by one unit each way, its ends
// where they fall; nothing when it misses or an end is not finite.
std::optional<QLineF> clipSegment(double x1, double y1, double x2, double y2, const QRectF& area);

enum class CircleCover { none, partial, all };

// How a circle lies over `area`: misses it, crosses it, or covers it whole.
CircleCover circleCover(double cx, double cy, double radius, const QRect& area);

} // namespace vortalin::ui
