// Any byte string as a map file: decode it, put it on the board, save it
// back, and fly a short shot on it. Nothing may crash, and the game must
// never draw a point that is not a number.
#include "game/drawing.h"
#include "game/flight.h"
#include "game/memoryboard.h"
#include "game/random.h"
#include "mapfile/mapformat.h"

#include <cmath>
#include <cstdlib>
#include <span>

using namespace vortalin;

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    const DecodedMap decoded = decodeMap(bytes);
    if (!decoded.ok())
        return 0;

    GameState state;
    state.planets = decoded.tables.planets;
    state.ships = decoded.tables.ships;
    // Bytes past the map choose the options and the shot.
    const auto extra = [&](std::size_t i, int fallback) {
        return size > mapFileSize + i ? int(data[mapFileSize + i]) : fallback;
    };
    state.options[Option::planetCount] = extra(0, 10) % 12;
    state.options[Option::animationDelay] = 1 + extra(1, 0) % 3;
    state.currentTurn = extra(2, 0);

    MemoryBoard board({1280, 1024}, true);
    GameRandom random(1, [] { return std::uint64_t(7); });
    Game game{state, board, board, random};

    drawplanet(game);
    const MapBytes saved = encodeMap(state.planets, state.ships);
    const DecodedMap again = decodeMap(saved);
    check(again.ok() && again.tables.planets == state.planets && again.tables.ships == state.ships);

    const char* angles[] = {" 0", "45", "90", "180", "270", "33.3"};
    const ShotResult shot = fuoco(game, angles[extra(3, 0) % 6], " 1000");
    for (const auto& p : board.points)
        check(std::isfinite(p.x) && std::isfinite(p.y));
    check(!std::isnan(shot.lastX) || shot.outcome == ShotOutcome::lost);
    check(state.ships.x(2) == decoded.tables.ships.x(2));
    return 0;
}
