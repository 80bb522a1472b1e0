// The game's pace wherever it runs, the browser included (no threads, no
// QtTest): a bare flight step, the longest flight drawn on the real main
// window at the machine's speed, then a flight of about 200,000 steps at the
// player's pace with the about box asked for halfway through it.
#include "bench/orbitfield.h"
#include "game/constants.h"
#include "game/flight.h"
#include "game/memoryboard.h"
#include "ui/application.h"
#include "ui/form2.h"
#include "ui/form6.h"
#include "ui/speed.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cmath>
#include <cstdio>

using namespace vortalin;

namespace {

using bench::centreX, bench::centreY, bench::launchIntoOrbit, bench::placePebble, bench::setUpField;
constexpr long long pacedSteps = 200000;

struct Flight {
    ShotResult result;
    double seconds = 0;
    double stepsPerSecond() const { return double(result.steps) / seconds; }
};

Flight flyOrbit(Game& game) {
    QElapsedTimer clock;
    clock.start();
    const ShotResult result = launchIntoOrbit(game);
    return {result, double(clock.nsecsElapsed()) / 1e9};
}

int run(ui::Application& app) {
    GameState bareState;
    MemoryBoard memory({1280, 1024}, false);
    GameRandom bareRandom(1);
    Game bare{bareState, memory, memory, bareRandom};
    setUpField(bareState);
    const Flight bareFlight = flyOrbit(bare);

    ui::Form2& form = app.form2();
    form.messageSink = [](const QString&) {};
    Game& game = app.game();
    app.setPaced(false);
    setUpField(game.state);
    form.drawplanet();
    const Flight animated = flyOrbit(game);
    form.repaint();

    app.setPaced(true);
    placePebble(game.state, pacedSteps);
    form.drawplanet();
    form.repaint();
    // Halfway, the player asks for the about box; it must open during the
    // flight, not after it.
    const double expected = double(pacedSteps) / ui::fastestStepsPerSecond;
    long long askedAtStep = 0;
    bool opened = false;
    QTimer::singleShot(int(expected * 500), &form, [&] {
        askedAtStep = form.yields();
        form.about->trigger();
        opened = app.form6().isVisible() && game.shotInFlight;
    });
    const long long yieldsBefore = form.yields();
    const Flight paced = flyOrbit(game);
    app.form6().hide();
    const double ratio = paced.seconds / (double(paced.result.steps) / ui::fastestStepsPerSecond);

    std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("bare_steps_per_second: %.0f\n", bareFlight.stepsPerSecond());
    std::printf("animated_steps_per_second: %.0f (%lld steps in %.2f s)\n",
                animated.stepsPerSecond(), animated.result.steps, animated.seconds);
    std::printf("paced_flight_steps: %lld\n", paced.result.steps);
    std::printf("paced_seconds: %.3f (expected %.3f, ratio %.3f)\n", paced.seconds,
                double(paced.result.steps) / ui::fastestStepsPerSecond, ratio);
    std::printf("about_box_mid_flight: %s at step %lld of %lld\n", opened ? "opened" : "NOT opened",
                askedAtStep - yieldsBefore, paced.result.steps);
    // The last line says whether the run holds; the browser gives no exit status.
    const char* fault = animated.result.outcome != ShotOutcome::limit
                            ? "the unpaced flight stopped before the step limit"
                        : paced.result.outcome != ShotOutcome::body
                            ? "the paced flight did not end on the pebble"
                        : !opened ? "the about box did not open mid-flight"
                                  : nullptr;
    if (fault)
        std::printf("bench_pace: FAILED: %s\n", fault);
    else
        std::printf("bench_pace: done\n");
    std::fflush(stdout);
    return fault ? 1 : 0;
}

} // namespace

int main(int argc, char* argv[]) {
#ifndef Q_OS_WASM // the browser has its one platform
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    QApplication qtApp(argc, argv);
    ui::Application app;
    app.form2().showMaximized();
    // From inside the event loop, as the game's own flights run: in the
    // browser only a running loop can wait for the next frame.
    QTimer::singleShot(500, &app.form2(), [&app] { QCoreApplication::exit(run(app)); });
    return QApplication::exec();
}
