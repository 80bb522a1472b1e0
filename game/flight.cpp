#include "flight.h"

#include "constants.h"
#include "effects.h"
#include "mapgen.h"
#include "textnumber.h"
#include "texts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace vortalin {
namespace {

constexpr double firstStepSeconds = 5.0;
constexpr double graceSeconds = 2500.0;
constexpr double lostBeyondPixels = 10000.0;
constexpr double visibleMargin = -300.0;

// Restores the previous value, so a nested flight cannot clear the flag of
// the one around it.
class InFlightGuard {
public:
    explicit InFlightGuard(bool& flag) : m_flag(flag), m_previous(flag) { flag = true; }
    ~InFlightGuard() { m_flag = m_previous; }
    InFlightGuard(const InFlightGuard&) = delete;
    InFlightGuard& operator=(const InFlightGuard&) = delete;

private:
    bool& m_flag;
    bool m_previous;
};

// The projectile as offsets from each pulling body, in metres. Offset 0 is
// kept even when no body pulls: the board point is measured from row 1.
struct Projectile {
    std::array<double, maxBodies> dx{}, dy{};
    double vx = 0, vy = 0;
    int pulling = 0;
    int tracked = 1;
};

// The visible area is 1.5 screens wide and high, measured in twips / 10,
// and its far edges are compared in single precision.
struct VisibleArea {
    float right, bottom;

    explicit VisibleArea(ScreenSize screen)
        : right(float(screen.widthPixels * twipsPerPixel) / 10.0f),
          bottom(float(screen.heightPixels * twipsPerPixel) / 10.0f) {}

    bool contains(double x, double y) const {
        return float(x) < right && x > visibleMargin && float(y) < bottom && y > visibleMargin;
    }
};

// One step of gravity and motion. The order of operations is the game's:
// changing it changes where shots land.
void step(Projectile& p, const PlanetTable& planets, double dt) {
    double ax = 0, ay = 0;
    for (int k = 0; k < p.pulling; ++k) {
        const double r2 = p.dx[k] * p.dx[k] + p.dy[k] * p.dy[k];
        const double r3 = std::pow(r2, 1.5);
        // On a body's centre (or too near or far to measure) the body
        // has no direction to pull in; it adds nothing at this step.
        if (!(r3 > 0) || std::isinf(r3))
            continue;
        const double m = planets.mass(k + 1);
        ax += m * gravitationalConstant * p.dx[k] / r3;
        ay += m * gravitationalConstant * p.dy[k] / r3;
    }
    p.vx = p.vx + dt * ax;
    p.vy = p.vy + dt * ay;
    for (int k = 0; k < p.tracked; ++k) {
        p.dx[k] = p.dx[k] + p.vx * dt;
        p.dy[k] = p.dy[k] + p.vy * dt;
    }
}

// What a hit means for this shot; nothing while the flight goes on.
std::optional<ShotOutcome> judge(ImpactCode code, int shooter, bool late) {
    switch (code) {
    case ImpactCode::nothing:
        return std::nullopt;
    case ImpactCode::body:
        return ShotOutcome::body;
    case ImpactCode::supernova:
        return ShotOutcome::supernova;
    case ImpactCode::ship1: // own ship only after the grace time
        return shooter == 1 || late ? std::optional(ShotOutcome::win2) : std::nullopt;
    case ImpactCode::ship2:
        return shooter == 0 || late ? std::optional(ShotOutcome::win1) : std::nullopt;
    case ImpactCode::supernovaShip1:
        return ShotOutcome::win2;
    case ImpactCode::supernovaShip2:
        return ShotOutcome::win1;
    case ImpactCode::supernovaBoth:
        return ShotOutcome::draw;
    }
    return std::nullopt;
}

void win(Game& game, int winner) {
    const int loserRow = winner == 1 ? 1 : 0;
    explodeShip(game, game.state.ships.x(loserRow), game.state.ships.y(loserRow));
    game.canvas.setPicture(ImageArray::ships, loserRow, stockHitShip);
    game.canvas.clearGraphics();
    game.window.message(winner == 1 ? text::player1Wins : text::player2Wins);
    generatePlanets(game, game.state.options.planetCount());
}

void draw(Game& game) {
    game.canvas.setPicture(ImageArray::ships, 0, stockHitShip);
    game.canvas.setPicture(ImageArray::ships, 1, stockHitShip);
    game.window.message(text::draw);
    generatePlanets(game, game.state.options.planetCount());
}

// The end of a flight on the board; the match is over after a win or draw.
void conclude(Game& game, ShotOutcome outcome) {
    switch (outcome) {
    case ShotOutcome::win1:
        return win(game, 1);
    case ShotOutcome::win2:
        return win(game, 2);
    case ShotOutcome::draw:
        return draw(game);
    case ShotOutcome::aborted:
        return; // the windows may be going away
    default:
        game.window.setFireEnabled(true);
    }
}

Projectile launch(const PlanetTable& planets, double startX, double startY, double vx, double vy,
                  int last) {
    Projectile p;
    p.pulling = int(std::clamp<long long>(last + 1LL, 0, maxBodies));
    p.tracked = std::max(p.pulling, 1);
    for (int k = 0; k < p.tracked; ++k) {
        p.dx[k] = startX - planets.x(k + 1) * metresPerPixel;
        p.dy[k] = startY - planets.y(k + 1) * metresPerPixel;
    }
    p.vx = vx;
    p.vy = vy;
    return p;
}

} // namespace

ImpactCode checkCollision(Game& game, double x, double y) {
    const PlanetTable& planets = game.state.planets;
    for (int i = 1; i < PlanetTable::rowCount && planets.kind(i) != kind::empty; ++i) {
        const double dx = planets.x(i) - x;
        const double dy = planets.y(i) - y;
        const double d = std::sqrt(dx * dx + dy * dy);
        if (d < planets.radius(i) && planets.kind(i) == kind::supernova) {
            const Blast blast = explodeSupernova(game, planets.x(i), planets.y(i), i);
            return ImpactCode(int(ImpactCode::supernova) + int(blast));
        }
        if (d < planets.radius(i) && planets.kind(i) != kind::blackHole)
            return ImpactCode::body;
    }
    const ShipTable& ships = game.state.ships;
    for (int j = 0; j < shipCount; ++j) {
        if (std::abs(ships.x(j) - x) < shipHitHalfWidth &&
            std::abs(ships.y(j) - y) < shipHitHalfHeight)
            return ImpactCode(int(ImpactCode::ship1) + j);
    }
    return ImpactCode::nothing;
}

ShotResult simulateShot(Game& game, double startX, double startY, double vx, double vy, double& dt,
                        int last) {
    InFlightGuard guard(game.shotInFlight);
    const int s = game.state.options.animationDelay();
    const double visibleStep = 20.0 / s * 5;
    const double outsideStep = 20.0 / s * 40;
    const long long limit = (long long)roundHalfEven(double(s) / 20 * 44000);
    const int shooter = game.state.shooterIndex();
    const VisibleArea area(game.window.screenSize());
    const PlanetTable& planets = game.state.planets;

    game.window.setFireEnabled(false);
    Projectile p = launch(planets, startX, startY, vx, vy, last);
    ShotResult result;
    result.lastX = p.dx[0] / metresPerPixel + planets.x(1);
    result.lastY = p.dy[0] / metresPerPixel + planets.y(1);
    const auto finish = [&](ShotOutcome outcome, long long n) {
        result.outcome = outcome;
        result.steps = n;
        conclude(game, outcome);
        return result;
    };

    for (long long n = 1; n <= limit; ++n) {
        step(p, planets, dt);
        // Measured from row 1 as it stands now: a new map moves the trail.
        const double x = p.dx[0] / metresPerPixel + planets.x(1);
        const double y = p.dy[0] / metresPerPixel + planets.y(1);
        result.lastX = x;
        result.lastY = y;
        if (area.contains(x, y)) {
            game.canvas.drawPoint(float(x), float(y), white);
            ++result.points;
            const bool late = double(n) > graceSeconds / dt;
            if (const auto outcome = judge(checkCollision(game, x, y), shooter, late))
                return finish(*outcome, n);
            dt = visibleStep;
        } else {
            dt = outsideStep;
            // Written so that a point that is not a number is lost too.
            if (!(std::abs(x) <= lostBeyondPixels && std::abs(y) <= lostBeyondPixels))
                return finish(ShotOutcome::lost, n);
        }
        if (!game.window.yield())
            return finish(ShotOutcome::aborted, n);
    }
    return finish(ShotOutcome::limit, std::max(limit, 0LL));
}

ShotResult fuoco(Game& game, std::string_view angleText, std::string_view forceText) {
    GameState& state = game.state;
    const int p = state.shooterIndex();
    const double startX = state.ships.x(p) * metresPerPixel;
    const double startY = state.ships.y(p) * metresPerPixel;
    const double theta = textToNumber(angleText) * launchPi / 180;
    const double force = textToNumber(forceText);
    // The screen's y grows downwards: a positive angle fires upwards.
    const double vx = force * std::cos(theta);
    const double vy = -(force * std::sin(theta));
    double dt = firstStepSeconds;
    const ShotResult result =
        simulateShot(game, startX, startY, vx, vy, dt, state.options.planetCount() - 1);
    ++state.currentTurn;
    return result;
}

} // namespace vortalin
