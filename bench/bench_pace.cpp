// The game's pace wherever it runs, the browser included (no threads, no
// QtTest): a bare flight step, the longest flight drawn on the real main
// window at the machine's speed, then a flight of about 200,000 steps at the
// player's pace with the about box asked for halfway through it; last a
// supernova's explosion at the slowest animation, at the board's own speed
// and on a board slowed on purpose, with the frames the screen was painted
// meanwhile (in the browser, the page's own frames; on a desktop, the
// board's paints).
//
//     bench_pace [--slow-board MICROSECONDS]   (added to each pass; 200)
#include "bench/orbitfield.h"
#include "game/constants.h"
#include "game/effects.h"
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

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifdef Q_OS_WASM
#include <emscripten.h>

// The page's frames, counted by a frame callback of its own.
EM_JS(void, count_page_frames, (), {
    Module.benchFrames = 0;
    const frame = () => { Module.benchFrames++; requestAnimationFrame(frame); };
    requestAnimationFrame(frame);
});
EM_JS(int, page_frames, (), { return Module.benchFrames; });
#endif

using namespace vortalin;

namespace {

using bench::centreX, bench::centreY, bench::launchIntoOrbit, bench::placePebble, bench::setUpField;
constexpr long long pacedSteps = 200000;

struct Flight {
    ShotResult result;
    double seconds = 0;
    double stepsPerSecond() const { return double(result.steps) / seconds; }
};

// The frames painted so far: the page's in the browser, the board's elsewhere.
long long framesPainted(ui::Form2& form) {
#ifdef Q_OS_WASM
    (void)form;
    return page_frames();
#else
    return form.board().paintCount();
#endif
}

// The main window as the game sees it, its board slowed on purpose: each
// pass of an explosion's drawing costs so much more, as on a slow device or
// a screen of many more pixels.
class SlowBoard final : public BoardWindow {
public:
    SlowBoard(ui::Form2& form, std::chrono::microseconds extra) : m_form(form), m_extra(extra) {}

    void repaint() override { m_form.repaint(); }
    void setFireEnabled(bool enabled) override { m_form.setFireEnabled(enabled); }
    void setFireCaption(std::string_view caption) override { m_form.setFireCaption(caption); }
    void message(std::string_view text) override { m_form.message(text); }
    bool yield() override { return m_form.yield(); }
    ScreenSize screenSize() const override { return m_form.screenSize(); }
    void explosionStep() override {
        const auto until = std::chrono::steady_clock::now() + m_extra;
        while (std::chrono::steady_clock::now() < until) {
        }
        m_form.explosionStep();
    }

private:
    ui::Form2& m_form;
    std::chrono::microseconds m_extra;
};

struct Explosion {
    double seconds = 0;
    long long framesPainted = 0;
};

// A supernova in the middle of the field explodes at the slowest animation.
Explosion explode(ui::Application& app, BoardWindow& window) {
    Game& game = app.game();
    setUpField(game.state);
    const int row = maxBodies;
    game.state.planets.kind(row) = kind::supernova;
    game.state.planets.radius(row) = 35;
    game.state.planets.x(row) = centreX + 400, game.state.planets.y(row) = centreY;
    app.form2().drawplanet();
    app.form2().repaint();
    Game slowed{game.state, game.canvas, window, game.random};
    const long long before = framesPainted(app.form2());
    QElapsedTimer clock;
    clock.start();
    explodeSupernova(slowed, centreX + 400, centreY, row);
    return {double(clock.nsecsElapsed()) / 1e9, framesPainted(app.form2()) - before};
}

Flight flyOrbit(Game& game) {
    QElapsedTimer clock;
    clock.start();
    const ShotResult result = launchIntoOrbit(game);
    return {result, double(clock.nsecsElapsed()) / 1e9};
}

int run(ui::Application& app, std::chrono::microseconds slowing) {
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
    const long long framesBefore = framesPainted(form);
    const long long waitsBefore = form.framesWaited();
    const Flight paced = flyOrbit(game);
    const long long pacedPainted = framesPainted(form) - framesBefore;
    const long long pacedFrames = form.framesWaited() - waitsBefore;
    app.form6().hide();

    const Explosion own = explode(app, form);
    SlowBoard slowBoard(form, slowing);
    const Explosion slow = explode(app, slowBoard);
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
    std::printf("paced_frames_painted: %lld of %lld frames\n", pacedPainted, pacedFrames);
    std::printf("supernova_frames_painted: %lld in %.3f s (the board at its own speed)\n",
                own.framesPainted, own.seconds);
    std::printf("supernova_frames_painted_slowed: %lld in %.3f s (each pass %lld us slower)\n",
                slow.framesPainted, slow.seconds, (long long)slowing.count());
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
    std::chrono::microseconds slowing{200};
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--slow-board") == 0)
            slowing = std::chrono::microseconds(std::strtol(argv[i + 1], nullptr, 10));
    QApplication qtApp(argc, argv);
    ui::Application app;
    app.form2().showMaximized();
#ifdef Q_OS_WASM
    count_page_frames();
#endif
    // From inside the event loop, as the game's own flights run: in the
    // browser only a running loop can wait for the next frame.
    QTimer::singleShot(500, &app.form2(),
                       [&app, slowing] { QCoreApplication::exit(run(app, slowing)); });
    return QApplication::exec();
}
