#include "game/constants.h"
#include "game/flight.h"
#include "game/mapgen.h"
#include "game/texts.h"
#include "support/world.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace vortalin;

Q_DECLARE_METATYPE(ShotOutcome)
Q_DECLARE_METATYPE(ImpactCode)

namespace {

// The field of the reference flights: a planet, a black hole, a repulsive
// body and a giant planet, with the ships in two corners.
void referenceField(World& w) {
    w.body(1, 600, 500, 1, 35, 3.97e24);
    w.body(2, 300, 300, 11, 35, 2.57e25);
    w.body(3, 900, 700, 10, 35, -3.97e24);
    w.body(4, 1000, 300, 8, 75, 7.97e24);
    w.ships(100, 800, 1100, 900);
    w.setPlanetCount(4);
}

// One massless body far from every shot: straight flights, hand-checkable.
void emptyField(World& w) {
    w.body(1, 1200, 100, 1, 35, 0.0);
    w.setPlanetCount(1);
}

// Exact comparison: these values come from an independent computation
// with glibc's pow. Another C library's pow (mingw's on Windows) may round
// the last bit the other way, and a long flight carries that into the
// fifth decimal; there outcome and step counts stay exact, positions close.
void compareExactly(double actual, double expected) {
#ifdef __GLIBC__
    QVERIFY2(actual == expected, qPrintable(QString::asprintf("%.17g != %.17g", actual, expected)));
#else
    QVERIFY2(std::abs(actual - expected) <= 1e-6 * std::max(1.0, std::abs(expected)),
             qPrintable(QString::asprintf("%.17g != %.17g", actual, expected)));
#endif
}

bool allPointsFinite(const MemoryBoard& board) {
    return std::all_of(board.points.begin(), board.points.end(),
                       [](const auto& p) { return std::isfinite(p.x) && std::isfinite(p.y); });
}

} // namespace

class TestFlight : public QObject {
    Q_OBJECT

private slots:
    void flightsMatchAnIndependentComputation_data();
    void flightsMatchAnIndependentComputation();
    void firstStepIsFiveSecondsWhateverTheSpeed_data();
    void firstStepIsFiveSecondsWhateverTheSpeed();
    void ownShipIsDestroyedOnceTheGraceTimeIsOver_data();
    void ownShipIsDestroyedOnceTheGraceTimeIsOver();
    void winShowsExplosionPictureClearMessageThenNewLayout();
    void missesLeaveFireEnabledAndTheTrailOnTheBoard();
    void supernovaWithoutShipsLeavesABlackHoleLaterShotsFlyThrough();
    void supernovaBlastDecidesTheMatch_data();
    void supernovaBlastDecidesTheMatch();
    void blackHoleBendsAShotButNeverStopsIt();
    void bodiesBeyondPlanetCountStopButDoNotPull_data();
    void bodiesBeyondPlanetCountStopButDoNotPull();
    void stepOnABodysCentreAddsNoPull_data();
    void stepOnABodysCentreAddsNoPull();
    void hugeOrBrokenValuesEndTheShotWithoutDrawingNonsense_data();
    void hugeOrBrokenValuesEndTheShotWithoutDrawingNonsense();
    void visibleAreaFarEdgesAreSinglePrecision_data();
    void visibleAreaFarEdgesAreSinglePrecision();
    void collisionScanJudgesByTheLowerRow_data();
    void collisionScanJudgesByTheLowerRow();
    void shipHitBoxIsOpen_data();
    void shipHitBoxIsOpen();
    void tablesAreReadLiveBetweenSteps();
    void massesAreReadLiveBetweenSteps();
    void newMapInMidFlightKeepsFireOffUntilTheEnd();
    void endingProgramStopsTheFlightTouchingNoWindow();
};

void TestFlight::flightsMatchAnIndependentComputation_data() {
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("turn");
    QTest::addColumn<QString>("angle");
    QTest::addColumn<QString>("force");
    QTest::addColumn<ShotOutcome>("outcome");
    QTest::addColumn<qlonglong>("steps");
    QTest::addColumn<qlonglong>("points");
    QTest::addColumn<double>("lastX");
    QTest::addColumn<double>("lastY");

    using O = ShotOutcome;
    QTest::newRow("comes back to its own ship")
        << 20 << 0 << " 60"
        << " 5000" << O::win2 << 7171LL << 7171LL << 77.38044982329484 << 809.9868343554971;
    QTest::newRow("planet") << 20 << 0 << " 0"
                            << " 5000" << O::body << 1607LL << 1607LL << 565.5210872783234
                            << 497.87467246756484;
    QTest::newRow("leaves and returns to win")
        << 20 << 1 << " 20"
        << " 5000" << O::win1 << 13852LL << 9774LL << 1096.1246008097553 << 909.9709786665851;
    QTest::newRow("step limit") << 20 << 0 << " 20"
                                << " 2500" << O::limit << 44000LL << 43916LL << 200.67728518393972
                                << 513.9537409527743;
    QTest::newRow("long flight into the giant")
        << 20 << 1 << " 135"
        << " 1000" << O::body << 26586LL << 26308LL << 1042.4013713321278 << 238.72837398919842;
    QTest::newRow("lost upwards") << 20 << 0 << " 45"
                                  << " 13000" << O::lost << 4006LL << 1633LL << 523.0533000169453
                                  << -10000.207629160948;
    QTest::newRow("hits the opponent")
        << 20 << 1 << " 180"
        << " 5000" << O::win2 << 3177LL << 3177LL << 124.73515664585113 << 803.5782393276284;
    QTest::newRow("fast animation")
        << 1 << 0 << " 60"
        << " 5000" << O::win2 << 204LL << 204LL << 90.55711209574292 << 807.8407494069496;
    QTest::newRow("odd speed") << 7 << 1 << " 20"
                               << " 5000" << O::win1 << 4865LL << 3440LL << 1107.8110480896564
                               << 909.9920041347982;
    QTest::newRow("fractional angle")
        << 20 << 0 << "45.5"
        << "9E3" << O::lost << 10612LL << 2384LL << -10000.249970281991 << -6416.021564389813;
    QTest::newRow("through the black hole and home")
        << 20 << 0 << " 10"
        << " 2500" << O::win2 << 25028LL << 24996LL << 123.7830506586676 << 792.186124568496;
}

// Players learn the field from its shots: every flight must be bit for bit.
void TestFlight::flightsMatchAnIndependentComputation() {
    QFETCH(int, speed);
    QFETCH(int, turn);
    QFETCH(QString, angle);
    QFETCH(QString, force);
    World w;
    referenceField(w);
    w.setSpeed(speed);
    w.state.currentTurn = turn;

    const ShotResult r = fuoco(w.game, angle.toStdString(), force.toStdString());

    QTEST(r.outcome, "outcome");
    QTEST(r.steps, "steps");
    QTEST(r.points, "points");
    QFETCH(double, lastX);
    QFETCH(double, lastY);
    compareExactly(r.lastX, lastX);
    compareExactly(r.lastY, lastY);
    QCOMPARE(w.state.currentTurn, turn + 1);
    QVERIFY(!w.game.shotInFlight);
}

void TestFlight::firstStepIsFiveSecondsWhateverTheSpeed_data() {
    QTest::addColumn<int>("speed");
    QTest::addColumn<double>("secondStep");
    QTest::newRow("s = 1") << 1 << 100.0;
    QTest::newRow("s = 20") << 20 << 5.0;
    QTest::newRow("s = 600") << 600 << 1.0 / 6;
}

void TestFlight::firstStepIsFiveSecondsWhateverTheSpeed() {
    QFETCH(int, speed);
    QFETCH(double, secondStep);
    World w;
    emptyField(w);
    w.ships(100, 500, 1100, 100);
    w.setSpeed(speed);
    w.board.onYield = [&] { w.board.ending = w.board.yields == 2; };

    fuoco(w.game, " 0", " 1000"); // 1000 m/s is 0.01 pixel a second

    QCOMPARE(w.board.points.size(), std::size_t(2));
    QCOMPARE(w.board.points[0].x, 100.05f);
    QCOMPARE(w.board.points[1].x, float(100.05 + secondStep / 100));
    QCOMPARE(w.board.points[1].y, 500.0f);
}

void TestFlight::ownShipIsDestroyedOnceTheGraceTimeIsOver_data() {
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("turn");
    QTest::addColumn<qlonglong>("step");
    QTest::addColumn<ShotOutcome>("outcome");
    // 2500 simulated seconds after the first 5-second step.
    QTest::newRow("s = 20, player 1") << 20 << 0 << 501LL << ShotOutcome::win2;
    QTest::newRow("s = 20, player 2") << 20 << 1 << 501LL << ShotOutcome::win1;
    QTest::newRow("s = 1") << 1 << 0 << 26LL << ShotOutcome::win2;
    QTest::newRow("s = 600") << 600 << 0 << 15001LL << ShotOutcome::win2;
}

// A weak shot stays in its own hit box: ignored at first, fatal later.
void TestFlight::ownShipIsDestroyedOnceTheGraceTimeIsOver() {
    QFETCH(int, speed);
    QFETCH(int, turn);
    World w;
    emptyField(w);
    w.ships(100, 500, 1100, 500);
    w.setSpeed(speed);
    w.state.currentTurn = turn;

    const ShotResult r = fuoco(w.game, " 0", " 100");

    QTEST(r.steps, "step");
    QTEST(r.outcome, "outcome");
    QCOMPARE(w.board.ships[turn].stock, std::optional(stockHitShip));
    QCOMPARE(w.board.messages.size(), std::size_t(1));
}

// The loser's ship explodes and shows the hit picture, the drawings go, the
// winner is announced, and only then does a new layout replace the bodies.
void TestFlight::winShowsExplosionPictureClearMessageThenNewLayout() {
    World w;
    referenceField(w);
    w.state.currentTurn = 1;

    QCOMPARE(fuoco(w.game, " 180", " 5000").outcome, ShotOutcome::win2);

    const std::vector<std::string> expected{
        "lines", "circles", "ship 0 13", "clear", "message Vince il giocatore 2", "body 0 none"};
    QVERIFY(w.board.log.size() >= expected.size());
    QCOMPARE(std::vector(w.board.log.begin(), w.board.log.begin() + 6), expected);
    QCOMPARE(w.random.clockReseeds, 1);        // generatePlanets, and nothing after it
    QCOMPARE(w.state.planets.radius(1), 35.0); // no kind step follows
    QCOMPARE(w.board.lineCount, 876LL);
    QVERIFY(!w.board.fireEnabled);
    QCOMPARE(w.board.repaints, 0LL);
}

void TestFlight::missesLeaveFireEnabledAndTheTrailOnTheBoard() {
    World w;
    emptyField(w);
    w.ships(100, 1000, 1100, 100);
    w.setSpeed(1);

    const ShotResult r = fuoco(w.game, " 90", " 500"); // 1099.5 pixels up in 2200 steps

    QCOMPARE(r.outcome, ShotOutcome::limit);
    QCOMPARE(r.steps, 2200LL);
    QCOMPARE(r.points, 2200LL);
    QCOMPARE(r.lastY, 1000 - 500 * (5 + 2199 * 100.0) / 100000);
    QCOMPARE(w.board.points.size(), std::size_t(2200));
    QVERIFY(w.board.fireEnabled);
    QCOMPARE(w.board.clears, 0LL);
}

void TestFlight::supernovaWithoutShipsLeavesABlackHoleLaterShotsFlyThrough() {
    World w;
    w.body(1, 600, 500, kind::supernova, 50, 8.57e24);
    w.setPlanetCount(1);
    w.ships(100, 500, 1100, 800);

    ShotResult r = fuoco(w.game, " 0", " 5000");

    QCOMPARE(r.outcome, ShotOutcome::supernova);
    QCOMPARE(r.steps, 1313LL);
    compareExactly(r.lastX, 550.0568026700772);
    QVERIFY(w.board.fireEnabled);
    QVERIFY(w.board.points.empty()); // the explosion took the trail away
    QVERIFY(w.board.messages.empty());
    QCOMPARE(w.state.planets.kind(1), 11.0);
    QCOMPARE(w.state.planets.radius(1), 35.0);
    QCOMPARE(w.state.planets.mass(1), 2.57e25);
    QCOMPARE(w.state.planets.x(1), 600.0);
    QCOMPARE(w.board.bodies[0].stock, std::optional(10)); // the black-hole picture
    QCOMPARE(w.board.bodies[0].left, 565.0f);

    w.state.currentTurn = 2;
    r = fuoco(w.game, " 3", " 5000");

    QCOMPARE(r.outcome, ShotOutcome::lost);
    QCOMPARE(r.steps, 1250LL);
    QCOMPARE(r.points, 1142LL);
    compareExactly(r.lastX, -9045.991325673964);
}

void TestFlight::supernovaBlastDecidesTheMatch_data() {
    QTest::addColumn<double>("ship2X");
    QTest::addColumn<double>("ship2Y");
    QTest::addColumn<ShotOutcome>("outcome");
    QTest::addColumn<QString>("message");
    // The shooter's own ship is always in the blast.
    QTest::newRow("both ships") << 720.0 << 480.0 << ShotOutcome::draw << text::draw;
    QTest::newRow("the shooter's ship only")
        << 1100.0 << 900.0 << ShotOutcome::win2 << text::player2Wins;
}

void TestFlight::supernovaBlastDecidesTheMatch() {
    QFETCH(double, ship2X);
    QFETCH(double, ship2Y);
    QFETCH(ShotOutcome, outcome);
    QFETCH(QString, message);
    World w;
    w.body(1, 600, 400, kind::supernova, 50, 8.57e24);
    w.setPlanetCount(1);
    w.ships(480, 480, ship2X, ship2Y);

    QCOMPARE(fuoco(w.game, " 33.69", " 3000").outcome, outcome);

    QCOMPARE(w.board.messages, std::vector<std::string>{message.toStdString()});
    QCOMPARE(w.board.ships[0].stock, std::optional(stockHitShip));
    QVERIFY(!w.board.fireEnabled);
    QCOMPARE(w.random.clockReseeds, 1);
    if (outcome == ShotOutcome::draw) {
        QCOMPARE(w.board.ships[1].stock, std::optional(stockHitShip));
        QCOMPARE(w.board.clears, 1LL);      // the explosion's own clearing only
        QCOMPARE(w.board.lineCount, 584LL); // and no ship explosion
    }
}

void TestFlight::blackHoleBendsAShotButNeverStopsIt() {
    World w;
    w.body(1, 640, 500, kind::blackHole, 35, 2.57e25);
    w.setPlanetCount(1);
    w.ships(100, 510, 1100, 100);

    const ShotResult r = fuoco(w.game, " 0", " 9000");

    QCOMPARE(r.outcome, ShotOutcome::lost);
    QCOMPARE(r.steps, 878LL);
    QCOMPARE(r.points, 854LL);
    compareExactly(r.lastX, -1862.9542248606313);
    compareExactly(r.lastY, -10123.073370872376);
    const auto inside = std::count_if(w.board.points.begin(), w.board.points.end(),
                                      [](auto p) { return std::hypot(p.x - 640, p.y - 500) < 35; });
    QCOMPARE(inside, std::ptrdiff_t(16));
}

void TestFlight::bodiesBeyondPlanetCountStopButDoNotPull_data() {
    QTest::addColumn<int>("planetCount");
    QTest::addColumn<qlonglong>("steps");
    QTest::addColumn<double>("lastX");
    QTest::newRow("giant beyond the count") << 1 << 8501LL << 525.05;
    QTest::newRow("giant within the count") << 2 << 2571LL << 525.3345838931723;
}

void TestFlight::bodiesBeyondPlanetCountStopButDoNotPull() {
    QFETCH(int, planetCount);
    World w;
    emptyField(w);
    w.body(2, 600, 500, 8, 75, 7.97e24);
    w.setPlanetCount(planetCount);
    w.ships(100, 500, 1100, 100);

    const ShotResult r = fuoco(w.game, " 0", " 1000");

    QCOMPARE(r.outcome, ShotOutcome::body);
    QTEST(r.steps, "steps");
    QFETCH(double, lastX);
    QCOMPARE(r.lastX, lastX);
}

void TestFlight::stepOnABodysCentreAddsNoPull_data() {
    QTest::addColumn<double>("mass");
    QTest::addColumn<ShotOutcome>("outcome");
    QTest::addColumn<qlonglong>("steps");
    QTest::addColumn<double>("lastX");
    // Launched on the centre: no pull at the first step, a huge one after.
    QTest::newRow("black hole") << 2.57e25 << ShotOutcome::lost << 2LL << -16541.8;
    QTest::newRow("massless body") << 0.0 << ShotOutcome::limit << 44000LL << 8960.0;
}

void TestFlight::stepOnABodysCentreAddsNoPull() {
    QFETCH(double, mass);
    World w;
    w.body(1, 600, 500, kind::blackHole, 35, mass);
    w.setPlanetCount(1);
    w.ships(600, 500, 1100, 100);

    const ShotResult r = fuoco(w.game, " 0", " 1000");

    QVERIFY(!w.board.points.empty());
    QCOMPARE(w.board.points[0].x, 600.05f);
    QCOMPARE(w.board.points[0].y, 500.0f);
    QTEST(r.outcome, "outcome");
    QTEST(r.steps, "steps");
    QFETCH(double, lastX);
    QCOMPARE(r.lastX, lastX);
}

void TestFlight::hugeOrBrokenValuesEndTheShotWithoutDrawingNonsense_data() {
    QTest::addColumn<double>("mass");
    QTest::addColumn<double>("bodyX");
    QTest::addColumn<double>("shipX");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("overflowing pull") << 1e308 << 600.0 << 100.0;
    QTest::newRow("mass not a number") << nan << 600.0 << 100.0;
    QTest::newRow("ship not a number") << 1e24 << 600.0 << nan;
    QTest::newRow("body out of range") << 1e24 << 1e300 << 100.0;
}

// Values loaded from a map file may be anything; the shot must still end.
void TestFlight::hugeOrBrokenValuesEndTheShotWithoutDrawingNonsense() {
    QFETCH(double, mass);
    QFETCH(double, bodyX);
    QFETCH(double, shipX);
    World w;
    w.body(1, bodyX, 500, 1, 35, mass);
    w.body(2, 600, 300, 1, 35, 3.97e24);
    w.setPlanetCount(2);
    w.ships(shipX, 500, 1100, 100);

    const ShotResult r = fuoco(w.game, " 0", " 1000");

    QVERIFY(allPointsFinite(w.board));
    QVERIFY(r.outcome != ShotOutcome::aborted);
    QVERIFY(w.board.fireEnabled || !w.board.messages.empty());
}

void TestFlight::visibleAreaFarEdgesAreSinglePrecision_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QString>("angle");
    QTest::addColumn<bool>("drawn");
    // At 1280 x 1024 pixels the area ends at x 1920 and y 1536.
    QTest::newRow("rounds up to the right edge") << 1919.99999 << 500.0 << " 90" << false;
    QTest::newRow("below the right edge") << 1919.999 << 500.0 << " 90" << true;
    QTest::newRow("rounds up to the bottom edge") << 500.0 << 1535.99999 << " 0" << false;
    QTest::newRow("left margin in double") << -299.99999 << 500.0 << " 90" << true;
    QTest::newRow("on the left margin") << -300.0 << 500.0 << " 90" << false;
}

// A 1 m/s shot barely moves in its first step; is that step drawn?
void TestFlight::visibleAreaFarEdgesAreSinglePrecision() {
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(QString, angle);
    World w;
    emptyField(w);
    w.ships(x, y, 900, 900);
    w.board.onYield = [&] { w.board.ending = true; };

    fuoco(w.game, angle.toStdString(), " 1");

    QTEST(w.board.pointCount == 1, "drawn");
}

void TestFlight::collisionScanJudgesByTheLowerRow_data() {
    QTest::addColumn<double>("kind1");
    QTest::addColumn<double>("kind2");
    QTest::addColumn<double>("distance");
    QTest::addColumn<bool>("shipThere");
    QTest::addColumn<ImpactCode>("code");
    QTest::addColumn<double>("kind1After");
    QTest::addColumn<double>("kind2After");
    using I = ImpactCode;
    QTest::newRow("planet over supernova") << 1.0 << 15.0 << 0.0 << false << I::body << 1.0 << 15.0;
    QTest::newRow("supernova over planet")
        << 15.0 << 1.0 << 0.0 << false << I::supernova << 11.0 << 1.0;
    QTest::newRow("black hole over planet")
        << 11.0 << 1.0 << 0.0 << false << I::body << 11.0 << 1.0;
    QTest::newRow("black hole over ship") << 11.0 << 0.0 << 0.0 << true << I::ship1 << 11.0 << 0.0;
    QTest::newRow("planet over ship") << 1.0 << 0.0 << 0.0 << true << I::body << 1.0 << 0.0;
    QTest::newRow("unexploded supernova") << 12.0 << 0.0 << 0.0 << false << I::body << 12.0 << 0.0;
    QTest::newRow("empty row ends the scan") << 0.0 << 1.0 << 0.0 << true << I::ship1 << 0.0 << 1.0;
    QTest::newRow("just inside") << 1.0 << 0.0 << 34.999 << false << I::body << 1.0 << 0.0;
    QTest::newRow("on the edge") << 1.0 << 0.0 << 35.0 << false << I::nothing << 1.0 << 0.0;
}

// Two bodies on one spot, and player 1's hit box there when asked.
void TestFlight::collisionScanJudgesByTheLowerRow() {
    QFETCH(double, kind1);
    QFETCH(double, kind2);
    QFETCH(double, distance);
    QFETCH(bool, shipThere);
    World w;
    w.body(1, 300, 200, kind1, 35, 1e24);
    w.body(2, 300, 200, kind2, 35, 1e24);
    w.ships(shipThere ? 300 + distance : 900, 200, 1100, 900);

    QTEST(checkCollision(w.game, 300 + distance, 200), "code");
    QTEST(w.state.planets.kind(1), "kind1After");
    QTEST(w.state.planets.kind(2), "kind2After");
}

void TestFlight::shipHitBoxIsOpen_data() {
    QTest::addColumn<double>("dx");
    QTest::addColumn<double>("dy");
    QTest::addColumn<ImpactCode>("code");
    QTest::newRow("corner inside") << 24.9 << 9.9 << ImpactCode::ship2;
    QTest::newRow("opposite corner") << -24.9 << -9.9 << ImpactCode::ship2;
    QTest::newRow("side edge") << 25.0 << 0.0 << ImpactCode::nothing;
    QTest::newRow("bottom edge") << 0.0 << 10.0 << ImpactCode::nothing;
    QTest::newRow("into player 1's overlapping box") << -40.0 << 0.0 << ImpactCode::ship1;
}

void TestFlight::shipHitBoxIsOpen() {
    QFETCH(double, dx);
    QFETCH(double, dy);
    World w;
    w.ships(750, 400, 800, 400);
    QTEST(checkCollision(w.game, 800 + dx, 400 + dy), "code");
}

// Commands between two steps move row 1 and the ships under the flight.
void TestFlight::tablesAreReadLiveBetweenSteps() {
    World w;
    emptyField(w);
    w.ships(100, 500, 1100, 100);
    w.board.onYield = [&] {
        if (w.board.yields == 10)
            w.state.planets.x(1) += 100; // the trail jumps with row 1
        if (w.board.yields == 20)
            w.ships(100, 500, 210, 500); // player 2 moves into the path
        QVERIFY(w.game.shotInFlight);
    };

    const ShotResult r = fuoco(w.game, " 0", " 1000");

    QCOMPARE(w.board.points[9].x, 100.5f);
    QCOMPARE(w.board.points[10].x, 200.55f);
    QCOMPARE(r.outcome, ShotOutcome::win1);
    QCOMPARE(r.steps, 21LL);
}

void TestFlight::massesAreReadLiveBetweenSteps() {
    World w;
    w.body(1, 600, 300, 1, 35, 0.0);
    w.setPlanetCount(1);
    w.ships(100, 500, 1100, 100);
    w.board.onYield = [&] {
        if (w.board.yields == 99)
            w.state.planets.mass(1) = 3.97e24; // pulls from step 100 on
    };

    const ShotResult r = fuoco(w.game, " 0", " 2000");

    QCOMPARE(r.outcome, ShotOutcome::body);
    QCOMPARE(r.steps, 3235LL);
    compareExactly(r.lastX, 629.1486509519817);
    compareExactly(r.lastY, 319.16824784995964);
}

void TestFlight::newMapInMidFlightKeepsFireOffUntilTheEnd() {
    World w;
    w.setPlanetCount(4);
    mappa_Click(w.game);
    w.board.setFireEnabled(false);
    bool fireSeenOn = false;
    w.board.onYield = [&] {
        if (w.board.yields % 1000 == 1)
            mappa_Click(w.game);
        fireSeenOn = fireSeenOn || w.board.fireEnabled;
    };

    const ShotResult r = fuoco(w.game, " 45", " 3000");

    QVERIFY(!fireSeenOn);
    QVERIFY(r.outcome != ShotOutcome::aborted);
    QCOMPARE(w.state.currentTurn, 1);
    QVERIFY(!w.game.shotInFlight);
}

void TestFlight::endingProgramStopsTheFlightTouchingNoWindow() {
    World w;
    referenceField(w);
    w.board.onYield = [&] { w.board.ending = w.board.yields == 300; };

    const ShotResult r = fuoco(w.game, " 60", " 5000");

    QCOMPARE(r.outcome, ShotOutcome::aborted);
    QCOMPARE(r.steps, 300LL);
    QVERIFY(!w.board.fireEnabled);
    QVERIFY(w.board.messages.empty());
    QCOMPARE(w.board.points.size(), std::size_t(300));
    QVERIFY(!w.game.shotInFlight);
    QCOMPARE(w.state.currentTurn, 1);
}

QTEST_GUILESS_MAIN(TestFlight)
#include "test_flight.moc"
