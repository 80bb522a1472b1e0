#include "random.h"

#include <bit>
#include <chrono>
#include <cstring>

namespace vortalin {
namespace {

std::uint64_t splitmix64(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

} // namespace

GameRandom::GameRandom(std::uint64_t seed, Clock clock) : m_clock(std::move(clock)) {
    std::uint64_t s = seed;
    for (auto& word : m_state)
        word = std::uint32_t(splitmix64(s));
}

GameRandom::Clock GameRandom::systemClock() {
    return [] {
        const auto now = std::chrono::high_resolution_clock::now().time_since_epoch();
        return std::uint64_t(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
    };
}

void GameRandom::mix(std::uint64_t value) {
    // Fold the present state in, so equal inputs never restart a sequence.
    std::uint64_t s = value ^ (std::uint64_t(m_state[0]) << 32 | m_state[1]) ^
                      std::rotl(std::uint64_t(m_state[2]) << 32 | m_state[3], 17);
    for (auto& word : m_state)
        word = std::uint32_t(splitmix64(s));
    if ((m_state[0] | m_state[1] | m_state[2] | m_state[3]) == 0)
        m_state[0] = 1; // the one state xoshiro cannot leave
}

void GameRandom::reseedFromClock() {
    ++m_reseeds;
    mix(m_clock() ^ (m_reseeds * 0xD1B54A32D192ED03ull));
}

void GameRandom::reseed(double number) {
    std::uint64_t bits;
    std::memcpy(&bits, &number, sizeof bits);
    ++m_reseeds;
    mix(bits ^ (m_reseeds * 0xD1B54A32D192ED03ull));
}

std::uint32_t GameRandom::nextBits() {
    const std::uint32_t result = std::rotl(m_state[1] * 5, 7) * 9;
    const std::uint32_t t = m_state[1] << 9;
    m_state[2] ^= m_state[0];
    m_state[3] ^= m_state[1];
    m_state[1] ^= m_state[2];
    m_state[0] ^= m_state[3];
    m_state[2] ^= t;
    m_state[3] = std::rotl(m_state[3], 11);
    return result;
}

float GameRandom::next() {
    // 24 bits: every value is exact in single precision and below 1.
    return float(nextBits() >> 8) * (1.0f / 16777216.0f);
}

} // namespace vortalin
