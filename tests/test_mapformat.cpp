#include "mapfile/mapformat.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <vector>

using namespace vortalin;

Q_DECLARE_METATYPE(MapTables)
Q_DECLARE_METATYPE(MapError)
Q_DECLARE_METATYPE(std::vector<std::uint8_t>)

namespace {

QByteArray bytesAt(const MapBytes& bytes, std::size_t offset) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data() + offset), 8);
}

// Every cell a different value, so a misplaced one shows.
MapTables numberedTables() {
    MapTables t;
    for (std::size_t i = 0; i < t.planets.cells.size(); ++i)
        t.planets.cells[i] = double(i) + 0.25;
    for (std::size_t i = 0; i < t.ships.cells.size(); ++i)
        t.ships.cells[i] = -1000.0 - double(i);
    return t;
}

std::vector<std::uint8_t> encoded(const MapTables& t) {
    const MapBytes b = encodeMap(t.planets, t.ships);
    return {b.begin(), b.end()};
}

std::vector<std::uint8_t> withValue(std::size_t offset, double value) {
    std::vector<std::uint8_t> bytes = encoded(numberedTables());
    PlanetTable p;
    p.cells[0] = value;
    const MapBytes one = encodeMap(p, ShipTable{});
    std::copy(one.begin(), one.begin() + 8, bytes.begin() + std::ptrdiff_t(offset));
    return bytes;
}

} // namespace

class TestMapFormat : public QObject {
    Q_OBJECT
private slots:
    void workedExampleHasTheDocumentedBytes();
    void everyCellLiesAtItsColumnMajorOffset();
    void tablesSurviveARoundTripBitForBit_data();
    void tablesSurviveARoundTripBitForBit();
    void badInputIsRefused_data();
    void badInputIsRefused();
    void onlyTheFirst888BytesCount();
};

// A body in row 1 at (300, 200), kind 5, radius 50, as the format describes it.
void TestMapFormat::workedExampleHasTheDocumentedBytes() {
    PlanetTable planets;
    planets.x(1) = 300;
    planets.y(1) = 200;
    planets.kind(1) = 5;
    planets.radius(1) = 50;
    ShipTable ships;
    ships.x(0) = 1;
    const MapBytes bytes = encodeMap(planets, ships);
    QCOMPARE(bytes.size(), std::size_t(888));
    QCOMPARE(bytesAt(bytes, 8), QByteArray::fromHex("0000000000C07240"));
    QCOMPARE(bytesAt(bytes, 176), QByteArray::fromHex("0000000000006940"));
    QCOMPARE(bytesAt(bytes, 344), QByteArray::fromHex("0000000000001440"));
    QCOMPARE(bytesAt(bytes, 512), QByteArray::fromHex("0000000000004940"));
    QCOMPARE(bytesAt(bytes, 840), QByteArray::fromHex("000000000000F03F"));
}

void TestMapFormat::everyCellLiesAtItsColumnMajorOffset() {
    const MapTables t = numberedTables();
    const MapBytes bytes = encodeMap(t.planets, t.ships);
    for (int c = 0; c < PlanetTable::columnCount; ++c) {
        for (int r = 0; r < PlanetTable::rowCount; ++r) {
            PlanetTable one;
            one.cells[0] = t.planets.at(r, PlanetColumn(c));
            const MapBytes expected = encodeMap(one, {});
            QCOMPARE(bytesAt(bytes, std::size_t(8 * (r + 21 * c))), bytesAt(expected, 0));
        }
    }
    for (int c = 0; c < ShipTable::columnCount; ++c) {
        for (int r = 0; r < ShipTable::rowCount; ++r) {
            PlanetTable one;
            one.cells[0] = c == 0 ? t.ships.x(r) : t.ships.y(r);
            const MapBytes expected = encodeMap(one, {});
            QCOMPARE(bytesAt(bytes, std::size_t(840 + 8 * (r + 3 * c))), bytesAt(expected, 0));
        }
    }
}

void TestMapFormat::tablesSurviveARoundTripBitForBit_data() {
    QTest::addColumn<MapTables>("tables");
    QTest::newRow("empty") << MapTables{};
    QTest::newRow("numbered") << numberedTables();

    MapTables board;
    board.planets.x(1) = 412;
    board.planets.y(1) = 97;
    board.planets.kind(1) = 10;
    board.planets.radius(1) = 35;
    board.planets.mass(1) = -3.97e24;
    board.planets.x(2) = 20;
    board.planets.kind(2) = 15;
    board.planets.mass(2) = 8.57e24;
    board.ships.x(0) = 640;
    board.ships.y(1) = 1023;
    QTest::newRow("a board") << board;

    // Values no game writes still travel unchanged.
    MapTables odd;
    odd.planets.x(1) = -0.0;
    odd.planets.y(1) = std::numeric_limits<double>::denorm_min();
    odd.planets.kind(1) = 0.1;
    odd.planets.x(20) = std::numeric_limits<double>::max();
    odd.planets.mass(20) = std::numeric_limits<double>::lowest();
    odd.ships.y(2) = 1e-300;
    QTest::newRow("odd values") << odd;
}

void TestMapFormat::tablesSurviveARoundTripBitForBit() {
    QFETCH(MapTables, tables);
    const MapBytes bytes = encodeMap(tables.planets, tables.ships);
    const DecodedMap map = decodeMap(bytes);
    QVERIFY(map.ok());
    QCOMPARE(encodeMap(map.tables.planets, map.tables.ships), bytes);
}

void TestMapFormat::badInputIsRefused_data() {
    QTest::addColumn<std::vector<std::uint8_t>>("bytes");
    QTest::addColumn<MapError>("error");
    QTest::addColumn<std::size_t>("badOffset");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();

    QTest::newRow("empty") << std::vector<std::uint8_t>{} << MapError::tooShort << std::size_t(0);
    std::vector<std::uint8_t> short887 = encoded(numberedTables());
    short887.pop_back();
    QTest::newRow("887 bytes") << short887 << MapError::tooShort << std::size_t(0);
    QTest::newRow("NaN mass, row 1")
        << withValue(680, nan) << MapError::notFinite << std::size_t(680);
    QTest::newRow("NaN in unused row 0")
        << withValue(0, -nan) << MapError::notFinite << std::size_t(0);
    QTest::newRow("infinite x, row 20")
        << withValue(160, inf) << MapError::notFinite << std::size_t(160);
    QTest::newRow("minus infinity, ship row 2 y")
        << withValue(880, -inf) << MapError::notFinite << std::size_t(880);
}

void TestMapFormat::badInputIsRefused() {
    QFETCH(std::vector<std::uint8_t>, bytes);
    QFETCH(MapError, error);
    QFETCH(std::size_t, badOffset);
    const DecodedMap map = decodeMap(bytes);
    QVERIFY(!map.ok());
    QCOMPARE(map.error, error);
    QCOMPARE(map.badOffset, badOffset);
    QCOMPARE(map.tables, MapTables{});
}

// Such files exist; what follows the map, even garbage, is ignored.
void TestMapFormat::onlyTheFirst888BytesCount() {
    const MapTables t = numberedTables();
    std::vector<std::uint8_t> bytes = encoded(t);
    bytes.insert(bytes.end(), 64, 0xFF); // 0xFF... would be a NaN
    const DecodedMap map = decodeMap(bytes);
    QVERIFY(map.ok());
    QCOMPARE(map.tables, t);
}

QTEST_APPLESS_MAIN(TestMapFormat)
#include "test_mapformat.moc"
