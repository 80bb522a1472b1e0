#pragma once

#include "vec3.h"

#include <cstdint>

namespace artgen {

// Value noise on a 3-D lattice, in [0, 1]. Sampled on the unit sphere it
// has no seams or pole pinching, unlike noise over latitude and longitude.
double valueNoise(Vec3 p, std::uint32_t seed);

// Fractal sum of octaves, each at twice the frequency and `gain` times
// the amplitude of the one before; normalised back to [0, 1].
double fbm(Vec3 p, std::uint32_t seed, int octaves, double gain = 0.5);

// Creases where the noise crosses its middle: veins, cracks and streaks.
double ridged(Vec3 p, std::uint32_t seed, int octaves);

} // namespace artgen
