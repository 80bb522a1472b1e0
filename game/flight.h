#pragma once

#include "game.h"

#include <string_view>

namespace vortalin {

// What a board point touched, as checkCollision reports it.
enum class ImpactCode {
    nothing = 0,
    body = 1,
    ship1 = 2, // inside player 1's hit box
    ship2 = 3,
    supernova = 1001, // exploded, no ship in its blast
    supernovaShip1 = 1002,
    supernovaShip2 = 1003,
    supernovaBoth = 1004,
};

enum class ShotOutcome { lost, limit, body, supernova, win1, win2, draw, aborted };

struct ShotResult {
    ShotOutcome outcome = ShotOutcome::limit;
    long long steps = 0;         // the step at which the flight ended
    long long points = 0;        // points drawn
    double lastX = 0, lastY = 0; // board point of the last step
};

// Fires the shot of the player on turn; angle in degrees and force in m/s are
// read from the dialog's texts. CurrentTurn goes up by 1 whatever happens.
// After an aborted flight (the program is ending) no window is touched.
ShotResult fuoco(Game& game, std::string_view angleText, std::string_view forceText);

// Flies a shot launched at (startX, startY) metres with (vx, vy) m/s, with
// rows 1 to last + 1 pulling. dt is the first step in seconds; the flight
// leaves the last step size in it.
ShotResult simulateShot(Game& game, double startX, double startY, double vx, double vy, double& dt,
                        int last);

// The hit test of one board point; may set off a supernova.
ImpactCode checkCollision(Game& game, double x, double y);

} // namespace vortalin
