#pragma once

namespace vortalin {

// Board geometry and physics units.
inline constexpr double metresPerPixel = 100000.0;
inline constexpr int twipsPerPixel = 15;
inline constexpr double gravitationalConstant = -6.67e-11; // sign folded in: pulls towards the body

// The two values of pi the game uses: the launch and aiming use 15 digits,
// the explosions 7. Both are part of how a shot flies and looks.
inline constexpr double launchPi = 3.14159265358979;
inline constexpr double explosionPi = 3.141592;

// Body kind codes.
namespace kind {
inline constexpr int empty = 0;
inline constexpr int repulsive = 10;
inline constexpr int blackHole = 11;
inline constexpr int supernovaGenerated = 12;
inline constexpr int supernova = 15;
} // namespace kind

inline constexpr double blackHoleRadius = 35.0;
inline constexpr double blackHoleMass = 2.57e25;

// Picture stock indices (Image3) that are not a body kind.
inline constexpr int stockShip1 = 11;
inline constexpr int stockShip2 = 12;
inline constexpr int stockHitShip = 13;
inline constexpr int stockCount = 15;

inline constexpr int maxBodies = 10; // picture elements Image1(0..9)
inline constexpr int shipCount = 2;

// Ship picture anchor and hit box, in pixels.
inline constexpr double shipAnchorX = 15.0;
inline constexpr double shipAnchorY = 7.0;
inline constexpr double shipHitHalfWidth = 25.0;
inline constexpr double shipHitHalfHeight = 10.0;

} // namespace vortalin
