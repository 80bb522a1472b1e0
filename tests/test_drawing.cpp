#include "game/drawing.h"
#include "game/memoryboard.h"
#include "support/scriptedrandom.h"

#include <QtTest>

using namespace vortalin;

namespace {
struct Fixture {
    GameState state;
    MemoryBoard board;
    ScriptedRandom random;
    Game game{state, board, board, random};

    void body(int row, double x, double y, double kind, double radius) {
        state.planets.x(row) = x;
        state.planets.y(row) = y;
        state.planets.kind(row) = kind;
        state.planets.radius(row) = radius;
    }
};
} // namespace

class TestDrawing : public QObject {
    Q_OBJECT
private slots:
    // Each picture is centred on its body; the stock index follows the kind.
    void bodyPicturesAreCentredWithTheirKindsPicture_data();
    void bodyPicturesAreCentredWithTheirKindsPicture();
    void supernovaTurnsIntoItsBoardFormOnce();
    void zeroXEndsTheBodyList();
    void shipsAreAnchoredAndWholeAgain();
    void zeroShipXEndsTheShipList();
    // Tables only a map file can bring: never an out-of-range element.
    void brokenTablesShowNothingWrong();
};

void TestDrawing::bodyPicturesAreCentredWithTheirKindsPicture_data() {
    QTest::addColumn<double>("kind");
    QTest::addColumn<double>("radius");
    QTest::addColumn<int>("stock");
    QTest::newRow("ordinary") << 3.0 << 35.0 << 2;
    QTest::newRow("larger") << 5.0 << 50.0 << 4;
    QTest::newRow("giant") << 9.0 << 75.0 << 8;
    QTest::newRow("repulsive") << 10.0 << 35.0 << 9;
    QTest::newRow("black hole") << 11.0 << 35.0 << 10;
    QTest::newRow("supernova") << 15.0 << 50.0 << 14;
    QTest::newRow("kind 13 shows stock 12") << 13.0 << 50.0 << 12;
    QTest::newRow("half kind rounds to even") << 2.5 << 35.0 << 2;
}

void TestDrawing::bodyPicturesAreCentredWithTheirKindsPicture() {
    QFETCH(double, kind);
    QFETCH(double, radius);
    QFETCH(int, stock);
    Fixture f;
    f.body(1, 20, 300, kind, radius);
    QCOMPARE(drawplanet(f.game), 1);
    const auto& picture = f.board.bodies[0];
    QCOMPARE(picture.stock, std::optional<int>(stock));
    QCOMPARE(picture.left, float(20 - radius)); // may lie past the left edge
    QCOMPARE(picture.top, float(300 - radius));
}

void TestDrawing::supernovaTurnsIntoItsBoardFormOnce() {
    Fixture f;
    f.body(1, 400, 400, 12, 50);
    drawplanet(f.game);
    QCOMPARE(f.state.planets.kind(1), 15.0);
    drawplanet(f.game);
    QCOMPARE(f.state.planets.kind(1), 15.0);
    QCOMPARE(f.board.bodies[0].stock, std::optional<int>(14));
}

void TestDrawing::zeroXEndsTheBodyList() {
    Fixture f;
    f.body(1, 100, 100, 1, 35);
    f.body(2, 0, 300, 2, 35);
    f.body(3, 500, 300, 12, 50);
    f.board.setPicture(ImageArray::bodies, 2, 7);
    drawplanet(f.game);
    QVERIFY(f.board.bodies[0].moved);
    QVERIFY(!f.board.bodies[1].moved);
    QVERIFY(!f.board.bodies[2].moved);
    QCOMPARE(f.board.bodies[2].stock, std::optional<int>(7)); // left as it was
    QCOMPARE(f.state.planets.kind(3), 12.0);
}

void TestDrawing::shipsAreAnchoredAndWholeAgain() {
    Fixture f;
    f.state.ships.x(0) = 100;
    f.state.ships.y(0) = 200;
    f.state.ships.x(1) = 800;
    f.state.ships.y(1) = 600;
    f.board.setPicture(ImageArray::ships, 1, 13); // hit in the last match
    drawplanet(f.game);
    QCOMPARE(f.board.ships[0].left, 85.0f);
    QCOMPARE(f.board.ships[0].top, 193.0f);
    QCOMPARE(f.board.ships[0].stock, std::optional<int>(11));
    QCOMPARE(f.board.ships[1].stock, std::optional<int>(12));
}

void TestDrawing::zeroShipXEndsTheShipList() {
    Fixture f;
    f.state.ships.x(1) = 800;
    drawplanet(f.game);
    QVERIFY(!f.board.ships[0].moved);
    QVERIFY(!f.board.ships[1].moved);
}

void TestDrawing::brokenTablesShowNothingWrong() {
    Fixture f;
    for (int row = 1; row <= 20; ++row)
        f.body(row, 50.0 * row, 50, row % 2 ? 99 : -4, 35);
    f.body(20, 1e300, -1e300, 12, 1e308);
    f.state.ships.x(2) = 300;
    drawplanet(f.game);
    for (const auto& picture : f.board.bodies)
        QVERIFY(!picture.stock);
    QCOMPARE(f.state.planets.kind(20), 15.0);
}

QTEST_APPLESS_MAIN(TestDrawing)
#include "test_drawing.moc"
