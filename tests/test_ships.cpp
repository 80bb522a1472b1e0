#include "game/memoryboard.h"
#include "game/ships.h"
#include "game/texts.h"
#include "support/scriptedrandom.h"

#include <QtTest>
#include <cmath>

using namespace vortalin;

namespace {

// On a 1074 x 1074 screen the ships' range is 1024 pixels, so r = k / 1024
// lands exactly on pixel k.
float px(int k) {
    return float(k) / 1024.0f;
}

struct Fixture {
    explicit Fixture(std::deque<float> script, ScreenSize screen = {1074, 1074},
                     std::uint64_t seed = 1)
        : board(screen), random(std::move(script), seed) {}
    GameState state;
    MemoryBoard board;
    ScriptedRandom random;
    Game game{state, board, board, random};

    void body(int row, double x, double y) {
        state.planets.x(row) = x;
        state.planets.y(row) = y;
        state.planets.kind(row) = 1;
    }
};

} // namespace

class TestShips : public QObject {
    Q_OBJECT
private slots:
    // The clearance is a square of 150 pixels; ships 200 apart are fine.
    void clearanceAndSpacingBoundaries_data();
    void clearanceAndSpacingBoundaries();
    void emptyBodyListNeverComparesTheShips();
    void exhaustedBudgetKeepsLastRejectedPosition();
    void placedShipsAreClearOnGeneratedMaps();
    void moveShipsResetsTheMatch();
};

void TestShips::clearanceAndSpacingBoundaries_data() {
    QTest::addColumn<int>("x1");
    QTest::addColumn<int>("y1");
    QTest::addColumn<bool>("accepted");
    // Body at (500, 500); ship 1 at (100, 100).
    QTest::newRow("150 right of body") << 650 << 500 << true;
    QTest::newRow("150 below body") << 500 << 650 << true;
    QTest::newRow("149 diagonal") << 649 << 649 << false;
    QTest::newRow("200 from ship 1") << 100 << 300 << true;
    QTest::newRow("199.9 from ship 1") << 220 << 258 << false;
}

void TestShips::clearanceAndSpacingBoundaries() {
    QFETCH(int, x1);
    QFETCH(int, y1);
    QFETCH(bool, accepted);
    Fixture f({px(100), px(100), px(x1), px(y1), px(900), px(900)});
    f.body(1, 500, 500);
    QCOMPARE(placeShips(f.game), std::optional<int>(1));
    QCOMPARE(f.state.ships.x(1), accepted ? double(x1) : 900.0);
    QCOMPARE(f.state.ships.y(1), accepted ? double(y1) : 900.0);
    QCOMPARE(f.state.ships.x(2), 0.0);
}

void TestShips::emptyBodyListNeverComparesTheShips() {
    Fixture f({px(10), px(10), px(10), px(10)});
    f.body(2, 10, 10); // behind the empty row 1: not a body
    f.state.planets.x(2) = 10;
    f.state.planets.x(1) = 0;
    QCOMPARE(placeShips(f.game), std::optional<int>(1));
    QCOMPARE(f.state.ships.x(1), 10.0);
    QCOMPARE(f.random.draws, 4);
}

void TestShips::exhaustedBudgetKeepsLastRejectedPosition() {
    // One body covering the whole range: ship 1 can never be placed.
    Fixture f({}, {200, 200});
    f.body(1, 75, 75);
    f.state.ships.x(1) = 123;
    f.state.ships.y(1) = 45;
    QCOMPARE(placeShips(f.game), std::nullopt);
    QCOMPARE(f.board.messages, std::vector<std::string>{text::shipsFailed});
    QCOMPARE(f.random.draws, 2 * 1001);
    QVERIFY(f.state.ships.x(0) < 150); // the last, rejected draw
    QCOMPARE(f.state.ships.x(1), 123.0);
    QCOMPARE(f.state.ships.y(1), 45.0);
}

void TestShips::placedShipsAreClearOnGeneratedMaps() {
    for (std::uint64_t seed = 1; seed <= 50; ++seed) {
        Fixture f({}, {1920, 1080}, seed);
        f.state.options[Option::planetCount] = 6;
        generatePlanets(f.game, 6);
        if (!placeShips(f.game))
            continue;
        const ShipTable& s = f.state.ships;
        QVERIFY(std::hypot(s.x(0) - s.x(1), s.y(0) - s.y(1)) >= 200);
        for (int ship = 0; ship < 2; ++ship) {
            QVERIFY(s.x(ship) >= 0 && s.x(ship) < 1920 - 50);
            for (int k = 1; k <= 6; ++k)
                QVERIFY(std::abs(f.state.planets.x(k) - s.x(ship)) >= 150 ||
                        std::abs(f.state.planets.y(k) - s.y(ship)) >= 150);
        }
    }
}

void TestShips::moveShipsResetsTheMatch() {
    Fixture f({}, {1920, 1080});
    generatePlanets(f.game, 3);
    const PlanetTable before = f.state.planets;
    f.state.currentTurn = 5;
    f.board.fireEnabled = true;
    astronavi_Click(f.game);
    QCOMPARE(f.state.currentTurn, 0);
    QVERIFY(!f.board.fireEnabled);
    QCOMPARE(f.board.repaints, 1);
    QVERIFY(f.state.planets == before);
    QCOMPARE(f.board.ships[1].left, float(f.state.ships.x(1) - 15));
}

QTEST_APPLESS_MAIN(TestShips)
#include "test_ships.moc"
