// The longest flight and a supernova drawn on the real main window, first at
// the machine's speed, then at the player's pace; whole-board repaints
// against the memory's own speed. Runs itself twice, on a board of
// 1280 x 1024 pixels at 100 % and at 200 % (QT_SCALE_FACTOR), and prints
// each run's figures and how they compare. Run under an X server large
// enough for 200 % (Xvfb :99 -screen 0 2560x2048x24, DISPLAY=:99); without
// one it falls back to the offscreen platform, whose figures mean less.
#include "bench/orbitfield.h"
#include "game/constants.h"
#include "game/effects.h"
#include "game/flight.h"
#include "game/memoryboard.h"
#include "ui/application.h"
#include "ui/form2.h"
#include "ui/speed.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenuBar>
#include <QProcess>
#include <QTest>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <map>
#include <string>
#include <thread>
#include <vector>

using namespace vortalin;

namespace {

using bench::centreX, bench::centreY, bench::launchIntoOrbit, bench::placePebble, bench::setUpField;

struct Flight {
    ShotResult result;
    double seconds = 0;
    double cpuSeconds = 0;
    double nsPerStep() const { return seconds * 1e9 / double(result.steps); }
};

double cpuSeconds() {
    return double(std::clock()) / CLOCKS_PER_SEC;
}

// The orbit, from the field as it stands.
Flight flyOrbit(Game& game) {
    const double cpuBefore = cpuSeconds();
    QElapsedTimer clock;
    clock.start();
    const ShotResult result = launchIntoOrbit(game);
    return {result, double(clock.nsecsElapsed()) / 1e9, cpuSeconds() - cpuBefore};
}

Flight fly(Game& game) {
    setUpField(game.state);
    return flyOrbit(game);
}

// Menu commands posted from another thread while a flight runs, as a
// player's clicks arrive; each notes how long it waited for its turn.
class CommandPoster {
public:
    explicit CommandPoster(ui::Form2& form) : m_form(form) {
        m_thread = std::thread([this] { post(); });
    }
    ~CommandPoster() {
        m_done = true;
        m_thread.join();
    }
    double worstMilliseconds() const { return m_worst; }
    int answered() const { return m_answered; }

private:
    void post() {
        for (int i = 0; i < 15 && !m_done; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(97));
            const auto posted = std::chrono::steady_clock::now();
            QMetaObject::invokeMethod(
                &m_form,
                [this, posted] {
                    const std::chrono::duration<double, std::milli> waited =
                        std::chrono::steady_clock::now() - posted;
                    m_worst = std::max(m_worst, waited.count());
                    ++m_answered;
                    m_form.about->trigger();
                },
                Qt::QueuedConnection);
        }
    }

    ui::Form2& m_form;
    std::atomic<bool> m_done = false;
    double m_worst = 0; // written on the window's thread only
    int m_answered = 0;
    std::thread m_thread;
};

double explosionMilliseconds(Game& game) {
    setUpField(game.state);
    game.state.planets.kind(1) = kind::supernova;
    QElapsedTimer clock;
    clock.start();
    explodeSupernova(game, centreX, centreY, 1);
    return double(clock.nsecsElapsed()) / 1e6;
}

constexpr int boardWidth = 1280, boardHeight = 1024;

// The floor under any repaint: a plain copy of as many bytes as the board
// has device pixels, the best of several.
double copyFloorMilliseconds(double ratio) {
    const std::size_t bytes = std::size_t(std::ceil(boardWidth * ratio)) *
                              std::size_t(std::ceil(boardHeight * ratio)) * 4;
    std::vector<char> from(bytes, 1), to(bytes, 0);
    double best = 1e9;
    for (int i = 0; i < 30; ++i) {
        QElapsedTimer clock;
        clock.start();
        std::memcpy(to.data(), from.data(), bytes);
        best = std::min(best, double(clock.nsecsElapsed()) / 1e6);
        from[std::size_t(i) % bytes] = to[(std::size_t(i) * 7919) % bytes];
    }
    return best;
}

// The whole board painted again and shown, nothing on it having changed:
// the best of several batches, as the floor is the best of several copies.
double repaintMilliseconds(ui::BoardWidget& board) {
    for (int i = 0; i < 5; ++i)
        board.repaint();
    double best = 1e9;
    for (int batch = 0; batch < 10; ++batch) {
        QElapsedTimer clock;
        clock.start();
        constexpr int repaints = 6;
        for (int i = 0; i < repaints; ++i)
            board.repaint();
        best = std::min(best, double(clock.nsecsElapsed()) / 1e6 / repaints);
    }
    return best;
}

// The whole board drawn over and shown: the graphics cleared, composed
// again over the still part and painted.
double redrawMilliseconds(ui::BoardWidget& board) {
    QElapsedTimer clock;
    clock.start();
    constexpr int redraws = 30;
    for (int i = 0; i < redraws; ++i) {
        board.clearGraphics();
        board.flush(true);
    }
    return double(clock.nsecsElapsed()) / 1e6 / redraws;
}

// One run at the scale QT_SCALE_FACTOR sets; prints "name: value" lines.
int measure(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qtApp(argc, argv);

    GameState bareState;
    MemoryBoard memory({1280, 1024}, false);
    GameRandom bareRandom(1);
    Game bare{bareState, memory, memory, bareRandom};
    const Flight bareFlight = fly(bare);

    ui::Application app;
    app.setPaced(false);
    ui::Form2& form = app.form2();
    form.messageSink = [](const QString&) {};
    form.resize(boardWidth, boardHeight + form.menuBar()->sizeHint().height());
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    QTest::qWait(200);
    ui::BoardWidget& board = form.board();
    board.grab(); // the screen's pictures, the still part composed
    const double ratio = board.ratio();
    const double floor = copyFloorMilliseconds(ratio);
    Game& game = app.game();
    setUpField(game.state);
    form.drawplanet();
    const double repaint = repaintMilliseconds(board);
    const double redraw = redrawMilliseconds(board);
    const long long paintsBefore = form.board().paintCount();
    const Flight animated = fly(game);
    const long long paints = form.board().paintCount() - paintsBefore;
    form.repaint();
    const double explosion = explosionMilliseconds(game);

    // At the player's pace: a flight of about 200,000 steps.
    app.setPaced(true);
    placePebble(game.state, 200000);
    form.drawplanet();
    form.repaint();
    const long long pacedPaintsBefore = form.board().paintCount();
    Flight paced;
    double latency = 0;
    int commands = 0;
    {
        CommandPoster poster(form);
        paced = flyOrbit(game);
        QCoreApplication::processEvents();
        latency = poster.worstMilliseconds();
        commands = poster.answered();
    }
    const long long pacedPaints = form.board().paintCount() - pacedPaintsBefore;
    form.repaint();
    const double pacedExplosion = explosionMilliseconds(game);
    const double expected = double(paced.result.steps) / ui::fastestStepsPerSecond;

    const bool longest = animated.result.outcome == ShotOutcome::limit;
    std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("device_pixel_ratio: %.2f\n", ratio);
    std::printf("board_device_pixels: %dx%d\n", int(std::ceil(board.width() * ratio)),
                int(std::ceil(board.height() * ratio)));
    std::printf("copy_floor_ms: %.2f\n", floor);
    std::printf("whole_board_repaint_ms: %.2f\n", repaint);
    std::printf("whole_board_redraw_ms: %.2f\n", redraw);
    std::printf("flight_steps: %lld%s\n", animated.result.steps, longest ? "" : " (ended early)");
    std::printf("bare_ns_per_step: %.1f\n", bareFlight.nsPerStep());
    std::printf("animated_ns_per_step: %.1f\n", animated.nsPerStep());
    std::printf("animated_flight_seconds: %.2f\n", animated.seconds);
    std::printf("repaints_per_second: %.1f\n", double(paints) / animated.seconds);
    std::printf("supernova_explosion_ms: %.0f\n", explosion);
    std::printf("paced_flight_steps: %lld\n", paced.result.steps);
    std::printf("paced_seconds: %.2f\n", paced.seconds);
    std::printf("paced_expected_seconds: %.2f (ratio %.3f)\n", expected, paced.seconds / expected);
    std::printf("paced_cpu_fraction: %.3f\n", paced.cpuSeconds / paced.seconds);
    std::printf("paced_repaints_per_second: %.1f\n", double(pacedPaints) / paced.seconds);
    std::printf("paced_command_latency_ms: %.2f (worst of %d)\n", latency, commands);
    std::printf("supernova_explosion_paced_ms: %.0f\n", pacedExplosion);
    return longest && paced.result.outcome == ShotOutcome::body ? 0 : 1;
}

using Figures = std::map<std::string, double>;

// Runs this program at `scale`, echoing its lines with the scale before
// them, and gathers its figures.
bool runAt(const char* program, const char* scale, Figures& figures) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(scale));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QString::fromLocal8Bit(program), {QStringLiteral("--measure")});
    if (!child.waitForFinished(600000))
        return false;
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        if (line.isEmpty())
            continue;
        std::printf("%sx %s\n", scale, line.constData());
        const qsizetype colon = line.indexOf(':');
        bool number = false;
        const double value = line.mid(colon + 1).trimmed().split(' ').first().toDouble(&number);
        if (colon > 0 && number)
            figures[line.left(colon).toStdString()] = value;
    }
    return child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
}

void compare(const char* what, double value, double limit) {
    std::printf("%s: %.2f (target %.2f, %s)\n", what, value, limit,
                value <= limit ? "met" : "missed");
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc > 1 && std::strcmp(argv[1], "--measure") == 0)
        return measure(argc, argv);
    QCoreApplication app(argc, argv);
    Figures one, two;
    const bool ran = runAt(argv[0], "1", one) && runAt(argv[0], "2", two);
    compare("1x repaint / floor", one["whole_board_repaint_ms"] / one["copy_floor_ms"], 3);
    compare("2x repaint / floor", two["whole_board_repaint_ms"] / two["copy_floor_ms"], 3);
    compare("2x animated / bare step", two["animated_ns_per_step"] / two["bare_ns_per_step"], 1.6);
    compare("2x / 1x animated step", two["animated_ns_per_step"] / one["animated_ns_per_step"],
            1.6);
    compare("2x paced / expected",
            two["paced_expected_seconds"] > 0 ? two["paced_seconds"] / two["paced_expected_seconds"]
                                              : 0,
            1.03);
    compare("2x / 1x unpaced explosion",
            two["supernova_explosion_ms"] / one["supernova_explosion_ms"], 1.5);
    return ran ? 0 : 1;
}
