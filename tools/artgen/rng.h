#pragma once

#include <cstdint>

namespace artgen {

// SplitMix64: tiny, fast and fully specified, so a seed gives the same
// pictures on every machine and compiler.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1), from the top 53 bits.
    double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

    int below(int n) { return static_cast<int>(uniform() * n); }

private:
    std::uint64_t m_state;
};

} // namespace artgen
