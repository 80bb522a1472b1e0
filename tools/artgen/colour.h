#pragma once

#include <algorithm>
#include <cmath>

namespace artgen {

// Linear colour with channels in 0..1; rounded to bytes only when stored.
struct Rgb {
    double r = 0;
    double g = 0;
    double b = 0;
};

inline Rgb operator+(Rgb a, Rgb b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
inline Rgb operator*(Rgb a, double s) {
    return {a.r * s, a.g * s, a.b * s};
}
inline Rgb operator*(Rgb a, Rgb b) {
    return {a.r * b.r, a.g * b.g, a.b * b.b};
}
inline Rgb mix(Rgb a, Rgb b, double t) {
    return a * (1.0 - t) + b * t;
}
inline Rgb bytes(int r, int g, int b) {
    return {r / 255.0, g / 255.0, b / 255.0};
}
inline Rgb grey(double v) {
    return {v, v, v};
}

inline double clamp01(double v) {
    return std::clamp(v, 0.0, 1.0);
}

inline double smoothstep(double edge0, double edge1, double v) {
    const double t = clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3.0 - 2.0 * t);
}

inline int toByte(double v) {
    return static_cast<int>(std::lround(clamp01(v) * 255.0));
}

} // namespace artgen
