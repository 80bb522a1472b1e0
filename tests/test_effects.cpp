#include "game/constants.h"
#include "game/effects.h"
#include "support/world.h"

#include <QtTest>

using namespace vortalin;

Q_DECLARE_METATYPE(Blast)

class TestEffects : public QObject {
    Q_OBJECT

private slots:
    void drawingLengthFollowsTheSpeed_data();
    void drawingLengthFollowsTheSpeed();
    void sweepRaysLeaveTheCentreInOrder();
    void fillColourCarriesFromOneExplosionToTheNext();
    void blastReachesShipsCloserThan200WholePixels_data();
    void blastReachesShipsCloserThan200WholePixels();
    void supernovaBecomesABlackHoleOnARedrawnBoard();
};

void TestEffects::drawingLengthFollowsTheSpeed_data() {
    QTest::addColumn<int>("speed");
    QTest::addColumn<long long>("passes");
    QTest::addColumn<long long>("supernovaCircles");
    QTest::addColumn<long long>("shipCircles");
    // Counted independently with the same double arithmetic; at s = 600
    // the sums fall just past 30 and the last pass is lost.
    QTest::newRow("s = 1") << 1 << 8LL << 8LL << 5LL;
    QTest::newRow("s = 7") << 7 << 51LL << 53LL << 35LL;
    QTest::newRow("s = 20") << 20 << 146LL << 150LL << 100LL;
    QTest::newRow("s = 600") << 600 << 4350LL << 4486LL << 2971LL;
}

void TestEffects::drawingLengthFollowsTheSpeed() {
    QFETCH(int, speed);
    QFETCH(long long, passes);
    World w;
    w.setSpeed(speed);
    w.board.recordDrawing = false;
    w.body(1, 500, 400, kind::supernova, 50, 8.57e24);

    explodeSupernova(w.game, 500, 400, 1);
    QCOMPARE(w.board.lineCount, 4 * passes);
    QTEST(w.board.circleCount, "supernovaCircles");
    // The window paces an explosion by its passes, one a sweep or a circle.
    QCOMPARE(w.board.explosionSteps, passes + w.board.circleCount);

    w.board.lineCount = w.board.circleCount = w.board.explosionSteps = 0;
    explodeShip(w.game, 100, 100);
    QCOMPARE(w.board.lineCount, 6 * passes);
    QTEST(w.board.circleCount, "shipCircles");
    QCOMPARE(w.board.explosionSteps, passes + w.board.circleCount);
    QCOMPARE(w.board.yields, 0LL); // the animations never let input in
}

// Four far rays, then the ship's two near-vertical ones, all black.
void TestEffects::sweepRaysLeaveTheCentreInOrder() {
    World w;
    explodeShip(w.game, 400, 300);

    const auto& l = w.board.lines;
    QVERIFY(l.size() >= 6);
    const float near = float(1599.8172342637142), far = float(-799.8172342637142);
    const float swing = float(19.5629521958614); // 20 cos 12 degrees
    const float ends[6][2] = {{near, -500}, {far, 1100},         {near, 1100},
                              {far, -500},  {400 + swing, 1100}, {400 - swing, -500}};
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(l[i].x1, 400.0f);
        QCOMPARE(l[i].y1, 300.0f);
        QCOMPARE(l[i].x2, ends[i][0]);
        QCOMPARE(l[i].y2, ends[i][1]);
        QCOMPARE(l[i].colour, black);
    }
}

// The window's fill colour is never restored, so each explosion's first
// disc wears the colour the previous one left behind.
void TestEffects::fillColourCarriesFromOneExplosionToTheNext() {
    World w;
    w.body(1, 500, 400, kind::supernova, 50, 8.57e24);

    explodeSupernova(w.game, 500, 400, 1);
    QCOMPARE(w.board.circles.size(), 0u);    // cleared with the board
    const Rgb afterSupernova{196, 226, 255}; // radius 299
    QCOMPARE(w.board.fillColour, afterSupernova);

    explodeShip(w.game, 100, 100);
    QCOMPARE(w.board.circles.front().fill, afterSupernova);
    QCOMPARE(w.board.circles.front().outline, white);
    QCOMPARE(w.board.circles.back().radius, 100.0f);
    QCOMPARE(w.board.circles.back().outline, (Rgb{235, 245, 255}));
    QCOMPARE(w.board.circles.back().fill, (Rgb{246, 236, 210})); // set after radius 99
    QCOMPARE(w.board.fillColour, (Rgb{245, 235, 210}));

    w.board.clearGraphics();
    explodeShip(w.game, 100, 100);
    QCOMPARE(w.board.circles.front().fill, (Rgb{245, 235, 210}));
}

void TestEffects::blastReachesShipsCloserThan200WholePixels_data() {
    QTest::addColumn<double>("dx1");
    QTest::addColumn<double>("dy1");
    QTest::addColumn<double>("dx2");
    QTest::addColumn<double>("dy2");
    QTest::addColumn<Blast>("blast");
    QTest::newRow("199.9 rounds down inside") << 199.9 << 0.0 << 600.0 << 0.0 << Blast::ship1;
    QTest::newRow("200 is outside") << 200.0 << 0.0 << 600.0 << 0.0 << Blast::none;
    QTest::newRow("diagonal 200") << -120.0 << 160.0 << 600.0 << 0.0 << Blast::none;
    QTest::newRow("diagonal just inside") << -119.9 << -159.9 << 600.0 << 0.0 << Blast::ship1;
    QTest::newRow("player 2 only") << 600.0 << 0.0 << 0.0 << 150.0 << Blast::ship2;
    QTest::newRow("both") << 10.0 << 10.0 << -10.0 << -10.0 << Blast::both;
}

void TestEffects::blastReachesShipsCloserThan200WholePixels() {
    QFETCH(double, dx1);
    QFETCH(double, dy1);
    QFETCH(double, dx2);
    QFETCH(double, dy2);
    World w;
    w.body(3, 700, 500, kind::supernova, 50, 8.57e24);
    w.ships(700 + dx1, 500 + dy1, 700 + dx2, 500 + dy2);

    QTEST(explodeSupernova(w.game, 700, 500, 3), "blast");
}

void TestEffects::supernovaBecomesABlackHoleOnARedrawnBoard() {
    World w;
    w.body(1, 200, 200, 1, 35, 3.97e24);
    w.body(2, 700, 500, kind::supernova, 50, 8.57e24);
    w.body(3, 900, 100, kind::supernovaGenerated, 50, 8.57e24);
    w.ships(100, 800, 1100, 900);
    w.board.drawPoint(5, 5, white);

    explodeSupernova(w.game, 700, 500, 2);

    const PlanetTable& p = w.state.planets;
    QCOMPARE(p.kind(2), 11.0);
    QCOMPARE(p.radius(2), 35.0);
    QCOMPARE(p.mass(2), 2.57e25);
    QCOMPARE(p.x(2), 700.0);
    QCOMPARE(p.y(2), 500.0);
    QCOMPARE(p.kind(3), 15.0); // the redraw's own table effect
    QCOMPARE(w.board.clears, 1LL);
    QVERIFY(w.board.points.empty() && w.board.lines.empty() && w.board.circles.empty());
    QCOMPARE(w.board.bodies[1].stock, std::optional(10));
    QCOMPARE(w.board.bodies[1].left, 665.0f);
    QCOMPARE(w.board.bodies[1].top, 465.0f);
}

QTEST_GUILESS_MAIN(TestEffects)
#include "test_effects.moc"
