// The cost of one flight step with ten pulling bodies, on a board that
// draws nothing: the floor under every animated shot. Processor time, not
// wall time, so that a busy machine does not blur the figure.
#include "game/constants.h"
#include "game/flight.h"
#include "game/memoryboard.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <new>

namespace {

std::atomic<long long> allocations{0};

} // namespace

// Counts every allocation, so a step that allocates shows up.
void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

using namespace vortalin;

namespace {

constexpr int slowest = 600; // 1,320,000 steps
constexpr double centreX = 960, centreY = 700, orbitRadius = 200;

// A black hole with a shot in a near-circular orbit around it, and nine
// planets far enough out to disturb the orbit without ending it.
void setUpField(GameState& state) {
    PlanetTable& p = state.planets;
    const auto body = [&](int row, double x, double y, double kind, double radius, double mass) {
        p.x(row) = x;
        p.y(row) = y;
        p.kind(row) = kind;
        p.radius(row) = radius;
        p.mass(row) = mass;
    };
    body(1, centreX, centreY, kind::blackHole, blackHoleRadius, blackHoleMass);
    for (int k = 0; k < 9; ++k) {
        const double a = k * 2 * 3.141592653589793 / 9;
        body(k + 2, centreX + 850 * std::cos(a), centreY + 650 * std::sin(a), 1 + k % 4, 35,
             3.97e24);
    }
    state.ships.x(0) = state.ships.x(1) = 1800; // out of the orbit's way
    state.ships.y(0) = 100;
    state.ships.y(1) = 1400;
    state.options[Option::planetCount] = maxBodies;
    state.options[Option::animationDelay] = slowest;
}

struct Run {
    ShotResult result;
    double seconds;
    long long allocations;
};

Run flyOnce() {
    GameState state;
    setUpField(state);
    MemoryBoard board({1280, 1024}, false);
    GameRandom random(1, [] { return std::uint64_t(0); });
    Game game{state, board, board, random};
    // Launched tangentially at the circular speed of the orbit.
    const double r = orbitRadius * metresPerPixel;
    const double speed = std::sqrt(-gravitationalConstant * blackHoleMass / r);
    double dt = 5;

    const long long before = allocations;
    const std::clock_t start = std::clock();
    const ShotResult result =
        simulateShot(game, centreX * metresPerPixel, (centreY - orbitRadius) * metresPerPixel,
                     speed, 0, dt, maxBodies - 1);
    const double seconds = double(std::clock() - start) / CLOCKS_PER_SEC;
    return {result, seconds, allocations - before};
}

} // namespace

int main() {
    double best = 1e300;
    for (int i = 0; i < 3; ++i) {
        const Run run = flyOnce();
        if (run.result.outcome != ShotOutcome::limit || run.allocations != 0) {
            std::fprintf(stderr, "bench_flight: the flight ended at step %lld, %lld allocations\n",
                         run.result.steps, run.allocations);
            return 1;
        }
        best = std::min(best, run.seconds * 1e9 / double(run.result.steps));
    }
    std::printf("bare_ns_per_step: %.1f\n", best);
    return 0;
}
