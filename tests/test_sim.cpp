#include "game/gamestate.h"
#include "mapfile/mapformat.h"

#include <QtTest>

using namespace vortalin;

namespace {

// The reference field: planet, black hole, repulsive body, giant planet.
MapTables referenceField() {
    MapTables t;
    const double rows[4][5] = {{600, 500, 1, 35, 3.97e24},
                               {300, 300, 11, 35, 2.57e25},
                               {900, 700, 10, 35, -3.97e24},
                               {1000, 300, 8, 75, 7.97e24}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < PlanetTable::columnCount; ++c)
            t.planets.at(r + 1, PlanetColumn(c)) = rows[r][c];
    t.ships.x(0) = 100;
    t.ships.y(0) = 800;
    t.ships.x(1) = 1100;
    t.ships.y(1) = 900;
    return t;
}

struct Run {
    int status;
    QString out, err;
};

} // namespace

class TestSim : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void printsTheFlightOfTheGame_data();
    void printsTheFlightOfTheGame();
    void trailHoldsEveryDrawnPoint();
    void badArgumentsFailWithStatus2_data();
    void badArgumentsFailWithStatus2();

private:
    QString write(const QString& name, const MapTables& tables);
    Run sim(const QStringList& args);

    QTemporaryDir m_dir;
    QString m_field;
};

QString TestSim::write(const QString& name, const MapTables& tables) {
    const MapBytes bytes = encodeMap(tables.planets, tables.ships);
    QFile file(m_dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) !=
            qint64(bytes.size()))
        return {};
    return file.fileName();
}

Run TestSim::sim(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(VORTALIN_SIM), args);
    p.waitForFinished(60000);
    // Windows ends text lines with CR LF.
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()).remove(u'\r'),
            QString::fromUtf8(p.readAllStandardError()).remove(u'\r')};
}

void TestSim::initTestCase() {
    QVERIFY(m_dir.isValid());
    m_field = write("field.vmp", referenceField());
    QVERIFY(!m_field.isEmpty());

    MapTables gap = referenceField(); // row 5 empty, row 6 beyond it
    gap.planets.at(6, PlanetColumn::kind) = 1;
    gap.planets.at(6, PlanetColumn::x) = 200;
    gap.planets.at(6, PlanetColumn::mass) = 1e26;
    QVERIFY(!write("gap.vmp", gap).isEmpty());

    MapTables nova = referenceField(); // the planet in the way, as generated
    nova.planets.at(1, PlanetColumn::kind) = 12;
    nova.planets.at(1, PlanetColumn::radius) = 50;
    QVERIFY(!write("nova.vmp", nova).isEmpty());
}

void TestSim::printsTheFlightOfTheGame_data() {
    QTest::addColumn<QString>("map");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("expected");
    // Values from an independent computation of the same flights.
    QTest::newRow("back to its own ship")
        << "field.vmp" << QStringList{"--angle", " 60", "--force", " 5000"}
        << "outcome: win 2\nsteps: 7171\npoints: 7171\nlast: 77.380449823294839 "
           "809.98683435549708\n";
    QTest::newRow("player 2, off and back")
        << "field.vmp" << QStringList{"--angle", "20", "--force", "5000", "--turn", "3"}
        << "outcome: win 1\nsteps: 13852\npoints: 9774\nlast: 1096.1246008097553 "
           "909.9709786665851\n";
    QTest::newRow("fast") << "field.vmp"
                          << QStringList{"--speed", "1", "--angle", " 60", "--force", " 5000"}
                          << "outcome: win 2\nsteps: 204\npoints: 204\nlast: 90.557112095742923 "
                             "807.84074940694961\n";
    QTest::newRow("bodies counted up to the first gap")
        << "gap.vmp" << QStringList{"--angle", " 0", "--force", " 5000"}
        << "outcome: body\nsteps: 1607\npoints: 1607\nlast: 565.52108727832342 "
           "497.87467246756484\n";
    QTest::newRow("supernova made live first")
        << "nova.vmp" << QStringList{"--angle", " 0", "--force", " 5000"}
        << "outcome: supernova\nsteps: 1577\npoints: 1577\nlast: 552.25987784073038 "
           "513.57849609005029\n";
    QTest::newRow("small screen") << "field.vmp"
                                  << QStringList{"--screen", "100x100", "--force", "13000"}
                                  << "outcome: lost\nsteps: 2903\npoints: 0\nlast: "
                                     "-2994.3642925660879 -10002.685019816849\n";
}

void TestSim::printsTheFlightOfTheGame() {
    QFETCH(QString, map);
    QFETCH(QStringList, args);
    const Run r = sim(QStringList{m_dir.filePath(map)} + args);
    QCOMPARE(r.err, QString());
    QCOMPARE(r.status, 0);
    QTEST(r.out, "expected");
}

void TestSim::trailHoldsEveryDrawnPoint() {
    const QString trail = m_dir.filePath("trail.txt");
    const Run r =
        sim({m_field, "--angle", "20", "--force", "5000", "--turn", "1", "--trail", trail});
    QCOMPARE(r.status, 0);
    QFile file(trail);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 9774);
    QCOMPARE(lines.first(), QString("1100.23499 899.91449"));
}

void TestSim::badArgumentsFailWithStatus2_data() {
    QTest::addColumn<QStringList>("args");
    const QString missing = m_dir.filePath("missing.vmp");
    QTest::newRow("no map") << QStringList{};
    QTest::newRow("two maps") << QStringList{m_field, m_field};
    QTest::newRow("unknown option") << QStringList{m_field, "--gravity", "2"};
    QTest::newRow("value missing") << QStringList{m_field, "--angle"};
    QTest::newRow("speed 0") << QStringList{m_field, "--speed", "0"};
    QTest::newRow("speed with text") << QStringList{m_field, "--speed", "20x"};
    QTest::newRow("negative turn") << QStringList{m_field, "--turn", "-1"};
    QTest::newRow("eleven planets") << QStringList{m_field, "--planets", "11"};
    QTest::newRow("screen without height") << QStringList{m_field, "--screen", "1280x"};
    QTest::newRow("missing map") << QStringList{missing};
    QTest::newRow("a directory") << QStringList{m_dir.path()};
    QTest::newRow("unwritable trail") << QStringList{m_field, "--trail", missing + "/no/trail"};
}

void TestSim::badArgumentsFailWithStatus2() {
    QFETCH(QStringList, args);
    const Run r = sim(args);
    QCOMPARE(r.status, 2);
    QCOMPARE(r.out, QString());
    QCOMPARE(r.err.count('\n'), 1);
}

QTEST_GUILESS_MAIN(TestSim)
#include "test_sim.moc"
