#include "ships.h"

#include "drawing.h"
#include "texts.h"

#include <cmath>

namespace vortalin {
namespace {

constexpr int rejectionBudget = 1000;
constexpr double bodyClearance = 150.0; // a square, not a circle
constexpr double shipSpacing = 200.0;
constexpr int edgeMargin = 50; // right and bottom edges only

// The ship-to-ship test sits inside the body loop: it runs once per body the
// second ship clears, and never when there are no bodies.
bool rejected(const GameState& state, int s) {
    const PlanetTable& planets = state.planets;
    const ShipTable& ships = state.ships;
    for (int k = 1; k < PlanetTable::rowCount && planets.x(k) != 0; ++k) {
        if (std::abs(planets.x(k) - ships.x(s)) < bodyClearance &&
            std::abs(planets.y(k) - ships.y(s)) < bodyClearance)
            return true;
        if (s == 1) {
            const double dx = ships.x(0) - ships.x(1);
            const double dy = ships.y(0) - ships.y(1);
            if (std::sqrt(dx * dx + dy * dy) < shipSpacing)
                return true;
        }
    }
    return false;
}

} // namespace

Status placeShips(Game& game) {
    ShipTable& ships = game.state.ships;
    game.random.reseedFromClock();
    const int w = screenPixels(game.window, "x");
    const int h = screenPixels(game.window, "y");

    int rejections = 0;
    for (int s = 0; s <= 1; ++s) {
        ships.x(s) = std::floor(double(game.random.next()) * (w - edgeMargin));
        ships.y(s) = std::floor(double(game.random.next()) * (h - edgeMargin));
        if (rejected(game.state, s)) {
            ++rejections;
            --s; // the same ship is drawn again
        }
        if (rejections > rejectionBudget) {
            game.window.message(text::shipsFailed);
            return std::nullopt;
        }
    }
    return 1;
}

void astronavi_Click(Game& game) {
    placeShips(game);
    drawplanet(game);
    game.state.currentTurn = 0;
    game.window.repaint();
    game.window.setFireEnabled(false);
}

} // namespace vortalin
