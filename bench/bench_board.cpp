// The longest flight and a supernova drawn on the real main window. Run
// under an X server (Xvfb :99 -screen 0 1280x1024x24, DISPLAY=:99); without
// one it falls back to the offscreen platform, whose figures mean less.
#include "game/constants.h"
#include "game/effects.h"
#include "game/flight.h"
#include "game/memoryboard.h"
#include "ui/application.h"
#include "ui/form2.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <cmath>
#include <cstdio>

using namespace vortalin;

namespace {

constexpr int slowest = 600; // 2200 x 600 = 1,320,000 steps
constexpr double centreX = 960, centreY = 700, orbitRadius = 200;

// The flight benchmark's field: a shot in a near-circular orbit around a
// black hole, nine planets around disturbing it; the trail stays in sight.
void setUpField(GameState& state) {
    state = GameState{};
    PlanetTable& p = state.planets;
    const auto body = [&](int row, double x, double y, double kind, double radius, double mass) {
        p.x(row) = x, p.y(row) = y, p.kind(row) = kind, p.radius(row) = radius;
        p.mass(row) = mass;
    };
    body(1, centreX, centreY, kind::blackHole, blackHoleRadius, blackHoleMass);
    for (int k = 0; k < 9; ++k) {
        const double a = k * 2 * 3.141592653589793 / 9;
        body(k + 2, centreX + 850 * std::cos(a), centreY + 650 * std::sin(a), 1 + k % 4, 35,
             3.97e24);
    }
    state.ships.x(0) = state.ships.x(1) = 1800;
    state.ships.y(0) = 100, state.ships.y(1) = 1400;
    state.options[Option::planetCount] = maxBodies;
    state.options[Option::animationDelay] = slowest;
}

struct Flight {
    ShotResult result;
    double seconds = 0;
    double nsPerStep() const { return seconds * 1e9 / double(result.steps); }
};

Flight fly(Game& game) {
    setUpField(game.state);
    const double speed =
        std::sqrt(-gravitationalConstant * blackHoleMass / (orbitRadius * metresPerPixel));
    double dt = 5;
    QElapsedTimer clock;
    clock.start();
    const ShotResult result =
        simulateShot(game, centreX * metresPerPixel, (centreY - orbitRadius) * metresPerPixel,
                     speed, 0, dt, maxBodies - 1);
    return {result, double(clock.nsecsElapsed()) / 1e9};
}

double explosionMilliseconds(Game& game) {
    setUpField(game.state);
    game.state.planets.kind(1) = kind::supernova;
    QElapsedTimer clock;
    clock.start();
    explodeSupernova(game, centreX, centreY, 1);
    return double(clock.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qtApp(argc, argv);

    GameState bareState;
    MemoryBoard memory({1280, 1024}, false);
    GameRandom bareRandom(1);
    Game bare{bareState, memory, bareRandom};
    const Flight bareFlight = fly(bare);

    ui::Application app;
    ui::Form2& form = app.form2();
    form.messageSink = [](const QString&) {};
    form.showMaximized();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    Game& game = app.game();
    setUpField(game.state);
    form.drawplanet();
    const long long paintsBefore = form.board().paintCount();
    const Flight animated = fly(game);
    const long long paints = form.board().paintCount() - paintsBefore;
    form.repaint();
    const double explosion = explosionMilliseconds(game);

    const bool longest = animated.result.outcome == ShotOutcome::limit;
    std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("flight_steps: %lld%s\n", animated.result.steps, longest ? "" : " (ended early)");
    std::printf("bare_ns_per_step: %.1f\n", bareFlight.nsPerStep());
    std::printf("animated_ns_per_step: %.1f\n", animated.nsPerStep());
    std::printf("animated_flight_seconds: %.2f\n", animated.seconds);
    std::printf("repaints_per_second: %.1f\n", double(paints) / animated.seconds);
    std::printf("supernova_explosion_ms: %.0f\n", explosion);
    return longest ? 0 : 1;
}
