#include "drawing.h"

#include "constants.h"
#include "textnumber.h"

#include <cmath>

namespace vortalin {

std::optional<int> stockPictureOfKind(double kind) {
    // kind - 1 taken as the nearest 16-bit integer, halves to even.
    const double index = roundHalfEven(kind - 1);
    if (!(index >= 0 && index < stockCount))
        return std::nullopt; // only a map file brings such a kind
    return int(index);
}

int drawplanet(Game& game) {
    PlanetTable& planets = game.state.planets;
    for (int i = 1; i < PlanetTable::rowCount && planets.x(i) != 0; ++i) {
        if (planets.kind(i) == kind::supernovaGenerated)
            planets.kind(i) = kind::supernova;
        if (i > maxBodies)
            continue; // no picture element past the tenth body
        const int element = i - 1;
        game.canvas.movePicture(ImageArray::bodies, element,
                                float(planets.x(i) - planets.radius(i)),
                                float(planets.y(i) - planets.radius(i)));
        game.canvas.setPicture(ImageArray::bodies, element, stockPictureOfKind(planets.kind(i)));
    }
    const ShipTable& ships = game.state.ships;
    for (int j = 0; j < shipCount && ships.x(j) != 0; ++j) {
        game.canvas.movePicture(ImageArray::ships, j, float(ships.x(j) - shipAnchorX),
                                float(ships.y(j) - shipAnchorY));
        game.canvas.setPicture(ImageArray::ships, j, stockShip1 + j);
    }
    return 1;
}

} // namespace vortalin
