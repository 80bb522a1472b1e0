#pragma once

#include "game/random.h"

#include <deque>

// Plays back a fixed list of draws, then a seeded generator; counts reseeds.
class ScriptedRandom final : public vortalin::Random {
public:
    explicit ScriptedRandom(std::deque<float> script = {}, std::uint64_t seed = 1)
        : script(std::move(script)), fallback(seed, [] { return std::uint64_t(42); }) {}

    float next() override {
        ++draws;
        if (script.empty())
            return fallback.next();
        const float r = script.front();
        script.pop_front();
        return r;
    }
    void reseedFromClock() override { ++clockReseeds; }
    void reseed(double number) override {
        lastSeed = number;
        ++numberReseeds;
    }

    std::deque<float> script;
    vortalin::GameRandom fallback;
    int draws = 0, clockReseeds = 0, numberReseeds = 0;
    double lastSeed = 0;
};
