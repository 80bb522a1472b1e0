#include "effects.h"

#include "constants.h"
#include "drawing.h"

#include <cmath>
#include <cstdint>

namespace vortalin {
namespace {

constexpr double sweepReachX = 1200.0;
constexpr double sweepReachY = 800.0;
constexpr double shipRaySwing = 20.0;
constexpr double blastRadius = 200.0;

double radians(double degrees) {
    return degrees * explosionPi / 180;
}

std::uint8_t fade(double b, double divisor) {
    return std::uint8_t(255 - std::floor(b / divisor));
}

// Stepping by a non-positive amount would never end; one pass is drawn then.
bool advance(double& value, double step) {
    value += step;
    return step > 0;
}

void line(Canvas& canvas, double cx, double cy, double x, double y) {
    canvas.drawLine(float(cx), float(cy), float(x), float(y), black);
}

void sweep(Game& game, double cx, double cy, bool shipRays) {
    const double step = 4.0 / game.state.options.animationDelay();
    Canvas& canvas = game.canvas;
    for (double a = 1; a <= 30;) {
        const double c = std::cos(radians(a));
        line(canvas, cx, cy, cx + sweepReachX * c, cy - sweepReachY);
        line(canvas, cx, cy, cx - sweepReachX * c, cy + sweepReachY);
        line(canvas, cx, cy, cx + sweepReachX * c, cy + sweepReachY);
        line(canvas, cx, cy, cx - sweepReachX * c, cy - sweepReachY);
        if (shipRays) {
            const double c12 = std::cos(radians(12 * a));
            line(canvas, cx, cy, cx + shipRaySwing * c12, cy + sweepReachY);
            line(canvas, cx, cy, cx - shipRaySwing * c12, cy - sweepReachY);
        }
        game.window.explosionStep();
        if (!advance(a, step))
            break;
    }
}

using FillRule = Rgb (*)(double b);

Rgb bluishWhite(double b) {
    return {fade(b, 5), fade(b, 10), 255};
}
Rgb paleYellow(double b) {
    return {fade(b, 10), fade(b, 5), 210};
}

// Each disc is filled with the colour the previous one left; the last colour
// stays the window's fill colour on purpose.
void circles(Game& game, double cx, double cy, double maxRadius, double stepFactor,
             FillRule fillAfter) {
    const double step = stepFactor / game.state.options.animationDelay();
    for (double b = 1; b <= maxRadius;) {
        game.canvas.drawCircle(float(cx), float(cy), float(b), bluishWhite(b));
        game.canvas.setFillColor(fillAfter(b));
        game.window.explosionStep();
        if (!advance(b, step))
            break;
    }
}

// Whole-pixel distance, rounded down, as the blast test measures it.
bool withinBlast(const ShipTable& ships, int row, double cx, double cy) {
    const double dx = ships.x(row) - cx;
    const double dy = ships.y(row) - cy;
    return std::floor(std::sqrt(dx * dx + dy * dy)) < blastRadius;
}

} // namespace

Blast explodeSupernova(Game& game, double cx, double cy, int row) {
    sweep(game, cx, cy, false);
    circles(game, cx, cy, 300, 40, bluishWhite);

    const bool first = withinBlast(game.state.ships, 0, cx, cy);
    const bool second = withinBlast(game.state.ships, 1, cx, cy);
    const Blast blast = first && second ? Blast::both
                        : first         ? Blast::ship1
                        : second        ? Blast::ship2
                                        : Blast::none;

    PlanetTable& planets = game.state.planets;
    planets.radius(row) = blackHoleRadius;
    planets.mass(row) = blackHoleMass;
    planets.kind(row) = kind::blackHole;
    game.canvas.clearGraphics();
    drawplanet(game);
    return blast;
}

void explodeShip(Game& game, double cx, double cy) {
    sweep(game, cx, cy, true);
    circles(game, cx, cy, 100, 20, paleYellow);
}

} // namespace vortalin
