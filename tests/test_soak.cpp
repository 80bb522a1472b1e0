// A long session of the real program: hundreds of shots with random angles
// and forces, and menu commands and dialogs run in the middle of flights.
// Nothing may crash, the tables keep the shape the game relies on, no second
// shot starts inside a flight, and "Esci" ends the program with status 0.
#include "game/flight.h"
#include "modulo1.h"
#include "support/fixedscreen.h"
#include "ui/application.h"
#include "ui/filelists.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/form5.h"
#include "ui/form6.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtEndian>
#include <QtTest>

#include <array>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>

using vortalin::ui::Application;

namespace {

constexpr int shotsToFire = 1000;
constexpr int pacedShots = 20;

// What the session runs while a shot flies.
enum class Command { newMap, moveShips, saveMap, loadMap, options, about, startMatch, fire, count };

constexpr std::array<const char*, std::size_t(Command::count)> commandNames = {
    "nuova-mappa", "sposta-astronavi", "salva", "carica", "opzioni", "about", "inizia", "spara"};

// Angle and force texts as a player might type them, odd ones included.
QString angleText(std::mt19937& rng) {
    const int angle = std::uniform_int_distribution(0, 360)(rng);
    switch (std::uniform_int_distribution(0, 7)(rng)) {
    case 0:
        return QStringLiteral("&H%1").arg(angle, 0, 16);
    case 1:
        return QStringLiteral(" %1 . 5").arg(std::min(angle, 359)); // blanks inside
    case 2:
        return QStringLiteral("%1,9").arg(angle); // a comma ends the number
    case 3:
        return QStringLiteral("%1e0").arg(angle);
    default:
        return QStringLiteral(" %1").arg(angle);
    }
}

QString forceText(std::mt19937& rng) {
    const int force = std::uniform_int_distribution(100, 13000)(rng);
    switch (std::uniform_int_distribution(0, 9)(rng)) {
    case 0:
        return QStringLiteral("%1").arg(force / 1000.0, 0, 'E', 2);
    case 1:
        return QStringLiteral("&O%1").arg(force, 0, 8);
    case 2:
        return QStringLiteral("99"); // refused: too weak
    case 3:
        return QStringLiteral("x"); // refused: reads as 0
    default:
        return QStringLiteral(" %1").arg(force);
    }
}

// A finite value of the kind a damaged or hand-made map file may hold.
double oddValue(std::mt19937& rng) {
    const auto between = [&rng](double a, double b) {
        return std::uniform_real_distribution(a, b)(rng);
    };
    switch (rng() % 8) {
    case 0:
        return 0;
    case 1:
        return between(-500, 1800); // off the board too
    case 2:
        return double(rng() % 17) + (rng() % 2 ? 0.5 : 0); // codes without a picture
    case 3:
        return between(-100, 0);
    case 4:
        return rng() % 2 ? 1e300 : -1e300;
    case 5:
        return 4.9e-324;
    case 6:
        return between(-10, 10) * 3.97e24;
    default:
        return between(0, 1280);
    }
}

// 105 planet values, then the ships; the third ship row stays empty.
void writeOddMap(const QString& path, std::mt19937& rng) {
    std::array<double, 111> cells{};
    for (std::size_t i = 0; i < cells.size(); ++i)
        cells[i] = (i == 107 || i == 110) ? 0 : oddValue(rng);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        for (double cell : cells) {
            const quint64 bits = qToLittleEndian(std::bit_cast<quint64>(cell));
            file.write(reinterpret_cast<const char*>(&bits), sizeof bits);
        }
}

class Session {
public:
    Session(Application& app, const QString& seedMaps, unsigned seed) : m_app(app), m_rng(seed) {
        QDir seeds(seedMaps);
        for (const QString& name : seeds.entryList({QStringLiteral("*.vmp")}, QDir::Files))
            QFile::copy(seeds.filePath(name), m_maps.filePath(name));
        for (int i = 0; i < 4; ++i)
            writeOddMap(m_maps.filePath(QStringLiteral("odd%1.vmp").arg(i)), m_rng);
        m_app.form2().messageSink = [this](const QString&) { ++m_messages; };
        m_ticker.setInterval(0);
        QObject::connect(&m_ticker, &QTimer::timeout, [this] { tick(); });
    }

    // Fires every shot, then leaves through "Esci".
    void play() {
        m_ticker.start();
        while (m_shots < shotsToFire && m_failures < 20)
            oneShot();
        m_ticker.stop();
        checkTables("end");
        report();
        m_app.form2().esci->trigger();
    }

private:
    vortalin::ui::Form2& main() { return m_app.form2(); }

    void fail(const char* what, const char* where) {
        ++m_failures;
        std::printf("FAIL %s (%s, shot %d)\n", what, where, m_shots);
    }

    void checkTables(const char* where) {
        const vortalin::GameState& s = m_app.state();
        for (int i = 6; i <= 10; ++i)
            if (s.options.entries[std::size_t(i)] != 0)
                fail("option 6..10 not zero", where);
        if (s.ships.x(2) != 0 || s.ships.y(2) != 0)
            fail("a third ship", where);
        for (int j = 0; j < 2; ++j)
            if (!std::isfinite(s.ships.x(j)) || !std::isfinite(s.ships.y(j)))
                fail("ship not a number", where);
        if (s.currentTurn < 0)
            fail("negative turn", where);
    }

    // Runs inside every pass of the event loop; acts only during flights.
    void tick() {
        if (!m_app.game().shotInFlight)
            return;
        if (m_flightTicks++ == 0) {
            ++m_interruptible;
            planMidFlight();
        }
        checkTables("flight");
        if (main().spara->isEnabled())
            fail("Spara enabled during a flight", "flight");
        if (m_flightTicks == m_plannedTick)
            run(m_planned);
    }

    void run(Command command) {
        ++m_done[std::size_t(command)];
        switch (command) {
        case Command::newMap:
            return main().mappa->trigger();
        case Command::moveShips:
            return main().astronavi->trigger();
        case Command::saveMap:
            return mapDialog(main().salvmap, QStringLiteral("soak%1.vmp").arg(m_rng() % 4));
        case Command::loadMap: {
            const QString name = anyMap();
            m_oddBoard = m_oddBoard || name.startsWith(QLatin1String("odd"));
            return mapDialog(main().Carmap, name);
        }
        case Command::options:
            return options();
        case Command::about:
            return main().about->trigger();
        case Command::startMatch:
            return main().inizia->trigger();
        case Command::fire:
            return fireAgain();
        case Command::count:
            break;
        }
    }

    QString anyMap() {
        const QStringList names = QDir(m_maps.path()).entryList({QStringLiteral("*.vmp")});
        return names.at(int(m_rng() % unsigned(names.size())));
    }

    void mapDialog(QAction* command, const QString& name) {
        command->trigger();
        vortalin::ui::Form5& dialog = m_app.form5();
        dialog.Dir1->setPath(m_maps.path());
        dialog.Text1->setText(name);
        dialog.Command1->click();
        if (dialog.isVisible() || !main().isEnabled())
            fail("map dialog still open", "flight");
    }

    // Another planet count, other bodies, a short animation; then "Fatto".
    void options() {
        main().opzionifuori->trigger();
        vortalin::ui::Form1& dialog = m_app.form1();
        const int count = dialog.HScroll1->value();
        dialog.HScroll1->setValue(1 + (count + int(m_rng() % 9)) % 10);
        for (QCheckBox* check : {dialog.Check1, dialog.Check2, dialog.Check3, dialog.Check4})
            check->setChecked(m_rng() % 2 == 0);
        dialog.HScroll2->setValue(10 + int(m_rng() % 30));
        dialog.Command1->click();
        if (dialog.isVisible() || !main().isVisible())
            fail("options dialog still open", "flight");
    }

    // Both ways to a second shot: the menu command and its handler.
    void fireAgain() {
        main().spara->trigger();
        main().spara_Click();
        if (m_app.form3().isVisible())
            fail("fire dialog opened during a flight", "flight");
    }

    // Spara needs a match: a new map if the last one is under way.
    void ensureMatch() {
        if (main().spara->isEnabled())
            return;
        if (m_app.state().currentTurn != 0)
            main().mappa->trigger();
        main().inizia->trigger();
        if (!main().spara->isEnabled())
            fail("Inizia Partita left Spara off", "between shots");
    }

    // At a flight's first pass of the event loop: whether, when and what.
    void planMidFlight() {
        m_plannedTick = -1;
        if (m_rng() % 4 == 0)
            return; // some flights run undisturbed
        m_plannedTick = m_rng() % 4 == 0 ? 2 : 1;
        m_planned = Command(m_rng() % unsigned(Command::count));
    }

    void oneShot() {
        // An odd map is flown over once, by the shot in flight when it came.
        if (m_oddBoard || m_rng() % 8 == 0) {
            main().mappa->trigger();
            m_oddBoard = false;
        }
        ensureMatch();
        // The first shots keep the player's pace, so commands also land in
        // the waits between frames; the rest fly at the machine's speed.
        m_app.setPaced(m_shots < pacedShots);
        m_flightTicks = 0;
        const QString angle = angleText(m_rng);
        const QString force = forceText(m_rng);
        if (m_rng() % 2 == 0)
            fireThroughDialog(angle, force);
        else
            fireDirectly(angle, force);
        QCoreApplication::processEvents();
        if (m_app.form6().isVisible())
            m_app.form6().Command1->click();
        checkTables("after a shot");
    }

    void fireThroughDialog(const QString& angle, const QString& force) {
        main().spara->trigger();
        vortalin::ui::Form3& dialog = m_app.form3();
        if (!dialog.isVisible())
            return fail("fire dialog did not open", "before a shot");
        dialog.Text1->setText(angle);
        dialog.Text2->setText(force);
        const int turn = m_app.state().currentTurn;
        dialog.Command1->click();
        if (dialog.isVisible()) { // refused: the player gives up
            ++m_refused;
            dialog.close();
            if (m_app.state().currentTurn != turn)
                fail("a refused shot flew", "dialog");
        } else {
            ++m_shots;
        }
        if (!main().isEnabled())
            fail("main window left disabled", "after a shot");
    }

    // As the dialog's Spara does, with the result at hand.
    void fireDirectly(const QString& angle, const QString& force) {
        const vortalin::ShotResult result = main().fuoco(angle.toStdString(), force.toStdString());
        ++m_shots;
        const bool finite = std::isfinite(result.lastX) && std::isfinite(result.lastY);
        if (!finite && result.outcome != vortalin::ShotOutcome::lost)
            fail("a drawn point is not a number", "flight");
        if (result.outcome == vortalin::ShotOutcome::aborted)
            fail("flight aborted", "flight");
    }

    void report() {
        std::printf("shots %d interruptible %d refused %d messages %d", m_shots, m_interruptible,
                    m_refused, m_messages);
        for (std::size_t c = 0; c < m_done.size(); ++c)
            std::printf(" %s %d", commandNames[c], m_done[c]);
        std::printf("\n");
        std::fflush(stdout);
    }

    Application& m_app;
    std::mt19937 m_rng;
    QTemporaryDir m_maps;
    QTimer m_ticker;
    int m_shots = 0;
    int m_interruptible = 0; // flights that let the event loop run
    int m_refused = 0;
    int m_messages = 0;
    int m_failures = 0;
    int m_flightTicks = 0;
    bool m_oddBoard = false;
    int m_plannedTick = -1;
    Command m_planned = Command::newMap;
    std::array<int, std::size_t(Command::count)> m_done{};
};

QtMessageHandler qtHandler = nullptr;

// The offscreen platform warns at every raise(); hundreds of them hide the rest.
void dropRaiseWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.contains(QLatin1String("does not support raise()")))
        qtHandler(type, context, text);
}

// The real start-up; once the options show, the session takes over.
int playSession(int argc, char* argv[], unsigned seed) {
    qtHandler = qInstallMessageHandler(dropRaiseWarnings);
    QApplication qtApp(argc, argv);
    Application app;
    // Readings 1/200 s apart: the speed test ends at once, at the fastest.
    app.speedClock = [t = 0.0]() mutable { return t += 0.005; };
    vortalin::Modulo1::Main(app);
    Session session(app, QStringLiteral(VORTALIN_SEED_MAPS), seed);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!app.form1().isVisible())
            return;
        poll.stop();
        app.form1().HScroll2->setValue(30);
        app.form1().Command1->click();
        session.play();
    });
    poll.start(20);
    const int status = QApplication::exec();
    std::puts("returned");
    return status;
}

} // namespace

class TestSoak : public QObject {
    Q_OBJECT

private slots:
    void longSessionEndsCleanly() {
        QProcess program;
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QCoreApplication::applicationFilePath(), {"--session", "20261208"});
        QVERIFY(program.waitForFinished(600000));
        // Windows ends text lines with CR LF.
        const QString said = QString::fromUtf8(program.readAllStandardOutput()).remove(u'\r');
        qInfo().noquote() << said.trimmed();
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(!said.contains(QLatin1String("FAIL")));
        QVERIFY(said.endsWith(QLatin1String("returned\n")));

        const QStringList words = said.section(u'\n', 0, 0).split(u' ');
        QCOMPARE(words.value(0), QStringLiteral("shots"));
        QCOMPARE(words.value(1).toInt(), shotsToFire);
        for (const char* name : commandNames) {
            const int at = words.indexOf(QLatin1String(name));
            QVERIFY2(at > 0 && words.value(at + 1).toInt() > 0, name);
        }
    }
};

int main(int argc, char* argv[]) {
    vortalin::test::useFixedScreen();
    if (argc == 3 && std::strcmp(argv[1], "--session") == 0)
        return playSession(argc, argv, unsigned(std::strtoul(argv[2], nullptr, 10)));
    QApplication app(argc, argv);
    TestSoak test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_soak.moc"
