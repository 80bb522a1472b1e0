#pragma once

#include <cstdint>
#include <functional>

namespace vortalin {

// The game's one random generator: uniform single-precision values in [0, 1).
class Random {
public:
    virtual ~Random() = default;
    virtual float next() = 0;
    // Map generation and ship placement start from the clock.
    virtual void reseedFromClock() = 0;
    // Mixes a number into the state; the draws that follow stay unpredictable.
    virtual void reseed(double number) = 0;
};

// xoshiro128** seeded through splitmix64. A reseed mixes the clock, a reseed
// counter and the current state, so two reseeds within one clock tick still
// give different sequences.
class GameRandom final : public Random {
public:
    using Clock = std::function<std::uint64_t()>; // any fine-grained tick count

    explicit GameRandom(std::uint64_t seed, Clock clock = systemClock());
    float next() override;
    void reseedFromClock() override;
    void reseed(double number) override;

    static Clock systemClock();

private:
    void mix(std::uint64_t value);
    std::uint32_t nextBits();

    std::uint32_t m_state[4]{};
    std::uint64_t m_reseeds = 0;
    Clock m_clock;
};

} // namespace vortalin
