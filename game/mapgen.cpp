#include "mapgen.h"

#include "constants.h"
#include "drawing.h"
#include "kinds.h"
#include "ships.h"
#include "texts.h"

#include <algorithm>
#include <cmath>

namespace vortalin {
namespace {

constexpr int passBudget = 1000;
constexpr double minimumSpacing = 200.0;

bool on(const GameOptions& options, Option o) {
    return options[o] != 0;
}

double draw(Random& random, double scale) {
    return std::floor(double(random.next()) * scale);
}

// A body's spacing test against the rows before it: true when too close.
bool tooCloseToEarlierRows(const PlanetTable& planets, int i) {
    for (int j = 1; j < i; ++j) {
        const double dx = planets.x(i) - planets.x(j);
        const double dy = planets.y(i) - planets.y(j);
        if (std::floor(std::sqrt(dx * dx + dy * dy)) < minimumSpacing)
            return true;
    }
    return false;
}

// Each test reads the kind as the one before it left it.
void filterKind(Game& game, int row) {
    const GameOptions& options = game.state.options;
    double& k = game.state.planets.kind(row);
    if (k == kind::blackHole && !on(options, Option::blackHoles))
        k = draw(game.random, 9) + 1;
    if (k == kind::repulsive && !on(options, Option::repulsiveBodies))
        k = draw(game.random, 9) + 1;
    if ((k == 8 || k == 9) && !on(options, Option::giantPlanets))
        k = draw(game.random, 7) + 1;
    if (k == kind::supernovaGenerated && !on(options, Option::supernovae))
        k = draw(game.random, 11) + 1;
}

void clearBoard(Game& game) {
    PlanetTable& planets = game.state.planets;
    for (int k = 0; k < maxBodies; ++k) {
        planets.x(k + 1) = 0;
        planets.kind(k + 1) = 0;
        game.canvas.setPicture(ImageArray::bodies, k, std::nullopt);
    }
    // Rows past ten only come from a map file; a new map keeps none of them,
    // or they would stop shots without a picture.
    for (int row = maxBodies + 1; row < PlanetTable::rowCount; ++row)
        planets.clearRow(row);
}

} // namespace

int screenPixels(const BoardWindow& window, std::string_view axis) {
    const ScreenSize screen = window.screenSize();
    return axis == "x" ? screen.widthPixels : screen.heightPixels;
}

Status generatePlanets(Game& game, int n) {
    PlanetTable& planets = game.state.planets;
    n = std::clamp(n, 0, maxBodies); // the table and the pictures hold ten
    clearBoard(game);
    game.random.reseedFromClock();
    const int w = screenPixels(game.window, "x");
    const int h = screenPixels(game.window, "y");

    int passes = 0;
    for (int i = 1; i <= n; ++i) {
        const int tried = i;
        planets.x(i) = draw(game.random, w);
        planets.y(i) = draw(game.random, h);
        planets.kind(i) = std::floor(double(game.random.next()) * 12 + 1);
        if (i > 1 && tooCloseToEarlierRows(planets, i))
            --i;
        if (passes > passBudget) {
            // The rows after the one tried lose their old radius and mass
            // too, or those would pull on shots from invisible points.
            for (int row = tried + 1; row <= maxBodies; ++row)
                planets.clearRow(row);
            game.window.message(text::planetsFailed);
            return std::nullopt;
        }
        ++passes;
        filterKind(game, i);
    }
    return 1;
}

void applyKindProperties(Game& game) {
    PlanetTable& planets = game.state.planets;
    for (int row = 1; row < PlanetTable::rowCount && planets.kind(row) != 0; ++row) {
        if (const auto properties = propertiesOfKind(planets.kind(row))) {
            planets.radius(row) = properties->radius;
            planets.mass(row) = properties->mass;
        } else {
            game.window.message(text::unknownKind);
        }
    }
}

void mappa_Click(Game& game) {
    generatePlanets(game, game.state.options.planetCount());
    applyKindProperties(game);
    placeShips(game);
    drawplanet(game);
    game.state.currentTurn = 0;
    game.window.repaint();
    game.window.setFireEnabled(false);
}

} // namespace vortalin
