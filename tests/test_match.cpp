#include "game/flight.h"
#include "game/mapgen.h"
#include "game/match.h"
#include "game/memoryboard.h"
#include "game/ships.h"
#include "game/texts.h"
#include "support/quietboard.h"
#include "support/scriptedrandom.h"

#include <QtTest>

#include <set>

using namespace vortalin;

namespace {

// A game on a memory board; the next draws of the generator are scripted.
struct Table {
    GameState state;
    MemoryBoard board;
    ScriptedRandom random;
    Game game{state, board, board, random};

    explicit Table(std::deque<float> draws = {}) : random(std::move(draws)) {
        setUpQuietBoard(state);
    }
};

} // namespace

class TestMatch : public QObject {
    Q_OBJECT

private slots:
    // The draw after the reseed decides: the lower half gives player 1.
    void firstPlayerFromOneDraw_data() {
        QTest::addColumn<float>("draw");
        QTest::addColumn<float>("first");
        QTest::newRow("zero") << 0.0f << 0.0f;
        QTest::newRow("just below half") << 0.49999997f << 0.0f;
        QTest::newRow("half") << 0.5f << 1.0f;
        QTest::newRow("largest") << 0.99999994f << 1.0f;
    }
    void firstPlayerFromOneDraw() {
        QFETCH(float, draw);
        QFETCH(float, first);
        Table t({draw});
        QCOMPARE(chooseFirstPlayer(t.game), first);
        QCOMPARE(t.random.numberReseeds, 1);
        QCOMPARE(t.random.lastSeed, 5.0);
        QCOMPARE(t.random.draws, 1);
    }

    // Reseeding with the same number must not fix who begins.
    void eitherPlayerCanBegin() {
        GameState state;
        MemoryBoard board;
        GameRandom random(7, [] { return std::uint64_t(1); });
        Game game{state, board, board, random};
        std::set<float> seen;
        for (int i = 0; i < 64; ++i)
            seen.insert(chooseFirstPlayer(game));
        QCOMPARE(seen, (std::set<float>{0.0f, 1.0f}));
    }

    void iniziaAcceptedOnlyAtZero_data() {
        QTest::addColumn<int>("turn");
        QTest::addColumn<float>("draw");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("turnAfter");
        QTest::addColumn<QString>("caption");
        QTest::newRow("ready, player 1 drawn") << 0 << 0.2f << true << 0 << "Spara Giocatore  1";
        QTest::newRow("ready, player 2 drawn") << 0 << 0.7f << true << 1 << "Spara Giocatore  2";
        QTest::newRow("player 2 waiting") << 1 << 0.2f << false << 1 << "Spara";
        QTest::newRow("after shots") << 6 << 0.2f << false << 6 << "Spara";
    }
    void iniziaAcceptedOnlyAtZero() {
        QFETCH(int, turn);
        QFETCH(float, draw);
        QFETCH(bool, accepted);
        QFETCH(int, turnAfter);
        QFETCH(QString, caption);
        Table t({draw});
        t.state.currentTurn = turn;
        inizia_Click(t.game);
        QCOMPARE(t.state.currentTurn, turnAfter);
        QCOMPARE(QString::fromStdString(t.board.fireCaption), caption);
        QCOMPARE(t.board.fireEnabled, accepted);
        const std::vector<std::string> refusal{text::resetFirst};
        QCOMPARE(t.board.messages, accepted ? std::vector<std::string>{} : refusal);
    }

    // The second start is refused only when the first drew player 2.
    void twoStartsInARow_data() {
        QTest::addColumn<float>("firstDraw");
        QTest::addColumn<bool>("secondAccepted");
        QTest::newRow("player 1 drawn") << 0.1f << true;
        QTest::newRow("player 2 drawn") << 0.9f << false;
    }
    void twoStartsInARow() {
        QFETCH(float, firstDraw);
        QFETCH(bool, secondAccepted);
        Table t({firstDraw, 0.9f});
        inizia_Click(t.game);
        inizia_Click(t.game);
        QCOMPARE(t.board.messages.empty(), secondAccepted);
        QCOMPARE(t.state.currentTurn, 1);
        QVERIFY(t.board.fireEnabled);
    }

    // "Inizia Partita" chosen mid-flight, after "Nuova Mappa" zeroed the
    // counter, names the shooter but leaves "Spara" to the flight's end.
    void noShotInsideAShot() {
        Table t({0.9f});
        bool started = false, enabledInFlight = false;
        t.board.onYield = [&] {
            if (!started) {
                started = true;
                t.state.currentTurn = 0;
                t.board.setFireEnabled(false);
                inizia_Click(t.game);
            }
            enabledInFlight = enabledInFlight || t.board.fireEnabled;
        };
        const ShotResult shot = fuoco(t.game, " 0", " 1000");
        QVERIFY(started);
        QVERIFY(!enabledInFlight);
        QCOMPARE(t.board.fireCaption, std::string("Spara Giocatore  2"));
        QVERIFY(shot.outcome == ShotOutcome::lost || shot.outcome == ShotOutcome::limit);
        QVERIFY(t.board.fireEnabled); // the miss hands the turn on
        QVERIFY(!t.game.shotInFlight);
        QCOMPARE(t.state.currentTurn, 2);
    }

    // After a win the counter is not 0: moving the ships opens a new match.
    void newMatchAfterAWinNeedsNewShips() {
        Table t;
        GameRandom random(3, [] { return std::uint64_t(9); });
        Game game{t.state, t.board, t.board, random};
        t.state.options[Option::planetCount] = 3;
        mappa_Click(game);
        t.state.currentTurn = 5; // a match that ended
        inizia_Click(game);
        QCOMPARE(t.board.messages.size(), std::size_t(1));
        QVERIFY(!t.board.fireEnabled);
        astronavi_Click(game);
        QCOMPARE(t.state.currentTurn, 0);
        inizia_Click(game);
        QCOMPARE(t.board.messages.size(), std::size_t(1));
        QVERIFY(t.board.fireEnabled);
    }
};

QTEST_GUILESS_MAIN(TestMatch)
#include "test_match.moc"
