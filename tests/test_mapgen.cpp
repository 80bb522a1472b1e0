#include "game/constants.h"
#include "game/kinds.h"
#include "game/mapgen.h"
#include "game/memoryboard.h"
#include "game/texts.h"
#include "support/scriptedrandom.h"

#include <QtTest>
#include <cmath>

using namespace vortalin;

namespace {

struct Fixture {
    explicit Fixture(ScreenSize screen, std::deque<float> script = {}, std::uint64_t seed = 1)
        : board(screen), random(std::move(script), seed) {}
    GameState state;
    MemoryBoard board;
    ScriptedRandom random;
    Game game{state, board, board, random};
};

void setSwitches(GameOptions& o, bool blackHoles, bool repulsive, bool giants, bool supernovae) {
    o[Option::blackHoles] = blackHoles;
    o[Option::repulsiveBodies] = repulsive;
    o[Option::giantPlanets] = giants;
    o[Option::supernovae] = supernovae;
}

} // namespace

class TestMapGen : public QObject {
    Q_OBJECT
private slots:
    void screenPixelsTakesWidthOnlyForLowerCaseX();
    // Accepted maps keep every pair of centres at least 200 pixels apart
    // (after truncation) and inside the screen.
    void acceptedMapsKeepTheirSpacing_data();
    void acceptedMapsKeepTheirSpacing();
    // A kind whose switch is off never survives unless the supernova
    // replacement, which comes last, drew it.
    void switchesKeepTheirKindsOut_data();
    void switchesKeepTheirKindsOut();
    void allSwitchesOnGiveEveryKind();
    void exactlyTwoHundredApartIsAcceptedCloserIsRedrawn();
    void zeroAndOneBodies();
    // Ten bodies cannot fit 640 x 480: the budget ends generation with the
    // message and a partial map whose later rows pull nothing.
    void exhaustedBudgetLeavesPartialMapAndMessage();
    void kindPropertiesFollowTheTable();
    void kindPropertiesComplainOncePerUnknownRow();
    void newMapRunsEveryStepAndResetsTheMatch();
    void newMapDropsRowsPastTenFromALoadedFile();
};

void TestMapGen::screenPixelsTakesWidthOnlyForLowerCaseX() {
    MemoryBoard board({1024, 768});
    QCOMPARE(screenPixels(board, "x"), 1024);
    QCOMPARE(screenPixels(board, "y"), 768);
    QCOMPARE(screenPixels(board, "X"), 768);
}

void TestMapGen::acceptedMapsKeepTheirSpacing_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("bodies");
    QTest::newRow("800x600, 6") << 800 << 600 << 6;
    QTest::newRow("800x600, 10") << 800 << 600 << 10;
    QTest::newRow("1920x1080, 10") << 1920 << 1080 << 10;
    QTest::newRow("640x480, 4") << 640 << 480 << 4;
}

void TestMapGen::acceptedMapsKeepTheirSpacing() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, bodies);
    int successes = 0;
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        Fixture f({width, height}, {}, seed);
        setSwitches(f.state.options, true, true, true, true);
        if (!generatePlanets(f.game, bodies))
            continue;
        ++successes;
        const PlanetTable& p = f.state.planets;
        for (int i = 1; i <= bodies; ++i) {
            QVERIFY(p.x(i) >= 0 && p.x(i) < width && p.y(i) >= 0 && p.y(i) < height);
            QVERIFY(p.kind(i) >= 1 && p.kind(i) <= 12);
            for (int j = 1; j < i; ++j)
                QVERIFY(std::floor(std::hypot(p.x(i) - p.x(j), p.y(i) - p.y(j))) >= 200);
        }
        QCOMPARE(p.kind(bodies + 1), 0.0);
    }
    QVERIFY(successes > 20);
}

void TestMapGen::switchesKeepTheirKindsOut_data() {
    QTest::addColumn<int>("switchOff");
    QTest::addColumn<QList<int>>("neverSeen");
    QTest::newRow("black holes off") << int(Option::blackHoles) << QList<int>{11};
    QTest::newRow("repulsive off") << int(Option::repulsiveBodies) << QList<int>{10};
    QTest::newRow("giants off") << int(Option::giantPlanets) << QList<int>{8, 9};
    QTest::newRow("supernovae off") << int(Option::supernovae) << QList<int>{12};
}

void TestMapGen::switchesKeepTheirKindsOut() {
    QFETCH(int, switchOff);
    QFETCH(QList<int>, neverSeen);
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
        Fixture f({1920, 1080}, {}, seed);
        setSwitches(f.state.options, true, true, true, true);
        f.state.options.entries[std::size_t(switchOff)] = 0;
        generatePlanets(f.game, 6);
        for (int row = 1; row <= 6; ++row)
            QVERIFY2(!neverSeen.contains(int(f.state.planets.kind(row))), "switched-off kind");
    }
}

void TestMapGen::allSwitchesOnGiveEveryKind() {
    int seen[13] = {};
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
        Fixture f({1920, 1080}, {}, seed);
        setSwitches(f.state.options, true, true, true, true);
        generatePlanets(f.game, 6);
        for (int row = 1; row <= 6; ++row)
            ++seen[int(f.state.planets.kind(row))];
    }
    for (int k = 1; k <= 12; ++k)
        QVERIFY2(seen[k] > 80, qPrintable(QString("kind %1 seen %2 times").arg(k).arg(seen[k])));
}

void TestMapGen::exactlyTwoHundredApartIsAcceptedCloserIsRedrawn() {
    // A 1024-pixel screen turns r = k / 1024 into exactly k pixels.
    auto px = [](int k) { return float(k) / 1024.0f; };
    const float kind1 = 0.0f;
    Fixture f({1024, 1024}, {px(100), px(100), kind1,   // row 1 at (100, 100)
                             px(241), px(241), kind1,   // row 2 at 199.4 px: redrawn
                             px(300), px(100), kind1}); // row 2 at exactly 200 px
    setSwitches(f.state.options, true, true, true, true);
    QCOMPARE(generatePlanets(f.game, 2), std::optional<int>(1));
    QCOMPARE(f.state.planets.x(2), 300.0);
    QCOMPARE(f.state.planets.y(2), 100.0);
    QCOMPARE(f.random.draws, 9);
    QCOMPARE(f.random.clockReseeds, 1);
}

void TestMapGen::zeroAndOneBodies() {
    Fixture f({800, 600});
    setSwitches(f.state.options, true, true, true, true);
    generatePlanets(f.game, 3);
    for (int k = 0; k < 10; ++k)
        f.board.setPicture(ImageArray::bodies, k, 0);

    QCOMPARE(generatePlanets(f.game, 0), std::optional<int>(1));
    for (int row = 1; row <= 10; ++row) {
        QCOMPARE(f.state.planets.x(row), 0.0);
        QCOMPARE(f.state.planets.kind(row), 0.0);
        QVERIFY(!f.board.bodies[std::size_t(row - 1)].stock);
    }
    QVERIFY(f.board.messages.empty());

    QCOMPARE(generatePlanets(f.game, 1), std::optional<int>(1));
    QVERIFY(f.state.planets.kind(1) != 0);
    QCOMPARE(f.state.planets.kind(2), 0.0);
}

void TestMapGen::exhaustedBudgetLeavesPartialMapAndMessage() {
    int failures = 0;
    for (std::uint64_t seed = 1; seed <= 5; ++seed) {
        Fixture f({640, 480}, {}, seed);
        setSwitches(f.state.options, true, true, true, true);
        for (int row = 1; row <= 10; ++row) {
            f.state.planets.radius(row) = 99;
            f.state.planets.mass(row) = 1e30;
        }
        if (generatePlanets(f.game, 10))
            continue;
        ++failures;
        QCOMPARE(f.board.messages, std::vector<std::string>{text::planetsFailed});
        QCOMPARE(f.random.draws > 3 * 1001, true);
        int tried = 1;
        while (tried < 10 && f.state.planets.x(tried + 1) != 0)
            ++tried;
        // The rows after the last drawn one hold nothing at all.
        for (int row = tried + 2; row <= 10; ++row) {
            QCOMPARE(f.state.planets.mass(row), 0.0);
            QCOMPARE(f.state.planets.radius(row), 0.0);
        }
    }
    QCOMPARE(failures, 5);
}

void TestMapGen::kindPropertiesFollowTheTable() {
    Fixture f({800, 600});
    PlanetTable& p = f.state.planets;
    const double expected[13][2] = {{0, 0},        {35, 3.97e24}, {35, 3.97e24},  {35, 3.97e24},
                                    {35, 3.97e24}, {50, 5.97e24}, {50, 5.97e24},  {50, 5.97e24},
                                    {75, 7.97e24}, {75, 7.97e24}, {35, -3.97e24}, {35, 2.57e25},
                                    {50, 8.57e24}};
    for (int k = 1; k <= 12; ++k)
        p.kind(k) = k;
    applyKindProperties(f.game);
    for (int k = 1; k <= 12; ++k) {
        QCOMPARE(p.radius(k), expected[k][0]);
        QCOMPARE(p.mass(k), expected[k][1]);
    }
    QVERIFY(f.board.messages.empty());
}

void TestMapGen::kindPropertiesComplainOncePerUnknownRow() {
    Fixture f({800, 600});
    PlanetTable& p = f.state.planets;
    p.kind(1) = 15;
    p.radius(1) = 50;
    p.mass(1) = 8.57e24;
    p.kind(2) = 2.5;
    p.kind(3) = 4;
    p.kind(5) = 7; // after the empty row 4: not reached
    applyKindProperties(f.game);
    QCOMPARE(f.board.messages.size(), std::size_t(2));
    QCOMPARE(f.board.messages[0], std::string("Attenzione casino pianeti"));
    QCOMPARE(p.radius(1), 50.0);
    QCOMPARE(p.mass(1), 8.57e24);
    QCOMPARE(p.radius(3), 35.0);
    QCOMPARE(p.radius(5), 0.0);
}

void TestMapGen::newMapRunsEveryStepAndResetsTheMatch() {
    Fixture f({640, 480});
    setSwitches(f.state.options, true, true, true, true);
    f.state.options[Option::planetCount] = 10; // cannot fit: generation fails
    f.state.currentTurn = 7;
    f.board.fireEnabled = true;
    mappa_Click(f.game);
    QCOMPARE(f.board.messages.front(), std::string(text::planetsFailed));
    QCOMPARE(f.state.currentTurn, 0);
    QVERIFY(!f.board.fireEnabled);
    QCOMPARE(f.board.repaints, 1);
    QVERIFY(f.state.planets.radius(1) > 0); // kind properties still ran
    QCOMPARE(f.random.clockReseeds, 2);     // and so did ship placement
    QVERIFY(f.board.ships[0].moved);        // and the drawing
}

void TestMapGen::newMapDropsRowsPastTenFromALoadedFile() {
    Fixture f({1920, 1080});
    for (int row = 1; row <= 14; ++row) {
        f.state.planets.x(row) = 10 * row;
        f.state.planets.kind(row) = 1;
        f.state.planets.mass(row) = 3.97e24;
    }
    f.state.options[Option::planetCount] = 10;
    generatePlanets(f.game, 10);
    for (int row = 11; row <= 14; ++row) {
        QCOMPARE(f.state.planets.kind(row), 0.0);
        QCOMPARE(f.state.planets.mass(row), 0.0);
    }
}

QTEST_APPLESS_MAIN(TestMapGen)
#include "test_mapgen.moc"
