#include "noise.h"

#include <cmath>

namespace artgen {

namespace {

std::uint32_t hash(std::int32_t x, std::int32_t y, std::int32_t z, std::uint32_t seed) {
    std::uint32_t h = seed * 0x27d4eb2du;
    h ^= static_cast<std::uint32_t>(x) * 0x85ebca6bu;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xc2b2ae35u;
    h = (h << 11) | (h >> 21);
    h ^= static_cast<std::uint32_t>(z) * 0x165667b1u;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return h;
}

double lattice(std::int32_t x, std::int32_t y, std::int32_t z, std::uint32_t seed) {
    return (hash(x, y, z, seed) & 0xffffffu) / 16777215.0;
}

// Quintic fade: continuous slope and curvature, so no grid lines show.
double fade(double t) {
    return t * t * t * (t * (t * 6.0 - 15.0) + 10.0);
}

double lerp(double a, double b, double t) {
    return a + (b - a) * t;
}

} // namespace

double valueNoise(Vec3 p, std::uint32_t seed) {
    const double fx = std::floor(p.x), fy = std::floor(p.y), fz = std::floor(p.z);
    const auto ix = static_cast<std::int32_t>(fx);
    const auto iy = static_cast<std::int32_t>(fy);
    const auto iz = static_cast<std::int32_t>(fz);
    const double u = fade(p.x - fx), v = fade(p.y - fy), w = fade(p.z - fz);
    auto plane = [&](std::int32_t z) {
        const double a = lerp(lattice(ix, iy, z, seed), lattice(ix + 1, iy, z, seed), u);
        const double b = lerp(lattice(ix, iy + 1, z, seed), lattice(ix + 1, iy + 1, z, seed), u);
        return lerp(a, b, v);
    };
    return lerp(plane(iz), plane(iz + 1), w);
}

double fbm(Vec3 p, std::uint32_t seed, int octaves, double gain) {
    double sum = 0, amplitude = 1, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += valueNoise(p, seed + static_cast<std::uint32_t>(i) * 101u) * amplitude;
        total += amplitude;
        amplitude *= gain;
        // An odd factor keeps the octaves' lattices from lining up.
        p = p * 2.03;
    }
    return sum / total;
}

double ridged(Vec3 p, std::uint32_t seed, int octaves) {
    double sum = 0, amplitude = 1, total = 0;
    for (int i = 0; i < octaves; ++i) {
        const double n =
            1.0 - std::abs(valueNoise(p, seed + static_cast<std::uint32_t>(i) * 131u) * 2.0 - 1.0);
        sum += n * n * amplitude;
        total += amplitude;
        amplitude *= 0.5;
        p = p * 2.07;
    }
    return sum / total;
}

} // namespace artgen
