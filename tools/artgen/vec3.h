#pragma once

#include <cmath>

namespace artgen {

struct Vec3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

inline Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator*(Vec3 a, double s) {
    return {a.x * s, a.y * s, a.z * s};
}
inline double dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline double length(Vec3 a) {
    return std::sqrt(dot(a, a));
}
inline Vec3 normalized(Vec3 a) {
    return a * (1.0 / length(a));
}

// Turns a point about the x axis, then the z axis: lets one surface
// function show a planet tilted towards the viewer.
inline Vec3 tilted(Vec3 p, double aboutX, double aboutZ) {
    const double cx = std::cos(aboutX), sx = std::sin(aboutX);
    const Vec3 q{p.x, p.y * cx - p.z * sx, p.y * sx + p.z * cx};
    const double cz = std::cos(aboutZ), sz = std::sin(aboutZ);
    return {q.x * cz - q.y * sz, q.x * sz + q.y * cz, q.z};
}

} // namespace artgen
