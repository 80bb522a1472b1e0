// vortalin-sim MAP.vmp --angle TEXT --force TEXT [--turn N] [--planets N]
//              [--speed S] [--screen WxH] [--trail FILE]
// Flies one shot on a map file as the game would and prints its outcome.
#include "options.h"

#include "game/constants.h"
#include "game/drawing.h"
#include "game/flight.h"
#include "game/memoryboard.h"
#include "mapfile/mapformat.h"

#include <cstdio>
#include <fstream>
#include <iomanip>
#include <span>
#include <vector>

using namespace vortalin;

namespace {

constexpr int usageStatus = 2;

// Streams every drawn point, so a supernova's clearing does not lose any.
class TrailBoard final : public MemoryBoard {
public:
    TrailBoard(ScreenSize screen, std::ostream* trail)
        : MemoryBoard(screen, false), m_trail(trail) {
        if (m_trail)
            *m_trail << std::setprecision(9); // every float exactly
    }

    void drawPoint(float x, float y, Rgb colour) override {
        MemoryBoard::drawPoint(x, y, colour);
        if (m_trail)
            *m_trail << x << ' ' << y << '\n';
    }

private:
    std::ostream* m_trail;
};

int fail(const std::string& message) {
    std::fprintf(stderr, "vortalin-sim: %s\n", message.c_str());
    return usageStatus;
}

std::optional<MapTables> readMap(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    // Only the map's own bytes are read: a directory or a huge file is
    // refused without reading it all.
    MapBytes bytes{};
    in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
    const DecodedMap map = decodeMap(std::span(bytes.data(), std::size_t(in.gcount())));
    if (!map.ok())
        return std::nullopt;
    return map.tables;
}

// The rows 1, 2, ... up to the first empty kind, as many as a map can hold.
int leadingBodies(const PlanetTable& planets) {
    int n = 0;
    while (n < maxBodies && planets.kind(n + 1) != kind::empty)
        ++n;
    return n;
}

const char* outcomeName(ShotOutcome outcome) {
    switch (outcome) {
    case ShotOutcome::lost:
        return "lost";
    case ShotOutcome::limit:
        return "limit";
    case ShotOutcome::body:
        return "body";
    case ShotOutcome::supernova:
        return "supernova";
    case ShotOutcome::win1:
        return "win 1";
    case ShotOutcome::win2:
        return "win 2";
    case ShotOutcome::draw:
        return "draw";
    case ShotOutcome::aborted:
        break;
    }
    return "aborted";
}

int simulate(const sim::Options& options, const MapTables& map, std::ostream* trail) {
    GameState state;
    state.planets = map.planets;
    state.ships = map.ships;
    state.currentTurn = options.turn;
    state.options[Option::planetCount] = options.planets.value_or(leadingBodies(map.planets));
    state.options[Option::animationDelay] = options.speed;
    TrailBoard board(options.screen, trail);
    GameRandom random(1, [] { return std::uint64_t(0); }); // a won match's new layout only
    Game game{state, board, board, random};

    drawplanet(game); // the "Spara" command's redraw turns supernovae live
    const ShotResult r = fuoco(game, options.angle, options.force);
    std::printf("outcome: %s\nsteps: %lld\npoints: %lld\nlast: %.17g %.17g\n",
                outcomeName(r.outcome), r.steps, r.points, r.lastX, r.lastY);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const auto parsed = sim::parseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (const auto* error = std::get_if<sim::UsageError>(&parsed))
        return fail(error->message);
    const auto& options = std::get<sim::Options>(parsed);

    const auto map = readMap(options.mapPath);
    if (!map)
        return fail("cannot read a map from " + options.mapPath);
    std::ofstream trail;
    if (options.trailPath) {
        trail.open(*options.trailPath);
        if (!trail)
            return fail("cannot write " + *options.trailPath);
    }
    const int status = simulate(options, *map, options.trailPath ? &trail : nullptr);
    if (options.trailPath && !trail.flush())
        return fail("cannot write " + *options.trailPath);
    return status;
}
