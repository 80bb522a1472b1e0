#include "game/flight.h"
#include "modulo1.h"
#include "support/fixedscreen.h"
#include "ui/application.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form6.h"

#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <cstdio>
#include <cstring>

using vortalin::ui::Application;

namespace {

// Clears the board to two ships alone, so a slow shot flies long enough.
void emptyBoard(Application& app) {
    vortalin::GameState& s = app.state();
    s.planets = {};
    s.ships.x(0) = 200, s.ships.y(0) = 500;
    s.ships.x(1) = 1000, s.ships.y(1) = 500;
    s.options[vortalin::Option::animationDelay] = 600;
}

// Fires straight up and leaves at the flight's first pass of the event loop.
// The flight keeps the player's pace (over a tenth of a second), so it cannot
// end before the command runs however fast the machine is.
void fireAndLeave(Application& app, const QString& how) {
    emptyBoard(app);
    app.form2().about_Click();
    auto* leave = new QTimer(&app.form2());
    leave->setInterval(0);
    QObject::connect(leave, &QTimer::timeout, [&app, how, leave] {
        if (!app.game().shotInFlight)
            return;
        leave->stop();
        if (how == QLatin1String("esci"))
            app.form2().esci->trigger();
        else
            app.form2().close();
    });
    leave->start();
    const vortalin::ShotResult result = vortalin::fuoco(app.game(), " 90", " 100");
    std::puts(result.outcome == vortalin::ShotOutcome::aborted ? "aborted" : "flew on");
}

// Fires at the opponent's ship and leaves from inside the wait between two
// frames, five frames into the flight: the flight takes no step after it.
// Each frame holds at most a frame and a quarter of steps, so the shot is
// still far from the ship (a dozen frames away) whatever the machine.
void fireAndLeaveInTheWait(Application& app, const QString& how) {
    emptyBoard(app);
    vortalin::PlanetTable& p = app.state().planets;
    p.x(1) = 100, p.y(1) = 100, p.kind(1) = 1, p.radius(1) = 10, p.mass(1) = 1; // out of the way
    vortalin::ui::Form2& board = app.form2();
    const long long firstWait = board.framesWaited() + 5;
    long long yieldsAtLeaving = -1;
    const long long yieldsBefore = board.yields();
    auto* leave = new QTimer(&board);
    leave->setInterval(0);
    QObject::connect(leave, &QTimer::timeout, [&, how, leave] {
        if (!board.waitingForFrame() || board.framesWaited() < firstWait)
            return;
        leave->stop();
        yieldsAtLeaving = board.yields() - yieldsBefore;
        if (how == QLatin1String("esci"))
            board.esci->trigger();
        else
            board.close();
    });
    leave->start();
    const vortalin::ShotResult result = vortalin::fuoco(app.game(), " 0", " 13000");
    delete leave;
    const bool atOnce = result.steps == yieldsAtLeaving;
    std::puts(result.outcome != vortalin::ShotOutcome::aborted ? "flew on"
              : atOnce                                         ? "aborted at once"
                                                               : "aborted late");
}

// The real start-up; once the options show, the scenario takes over.
int playScenario(int argc, char* argv[], const QString& scenario) {
    QApplication qtApp(argc, argv);
    Application app;
    vortalin::Modulo1::Main(app);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!app.form1().isVisible())
            return;
        poll.stop();
        if (scenario == QLatin1String("options-esci"))
            app.form1().Command2->click();
        else if (scenario == QLatin1String("options-close"))
            app.form1().close();
        else if (scenario.startsWith(QLatin1String("wait-"))) {
            app.form1().Command1->click();
            fireAndLeaveInTheWait(app, scenario.section(u'-', 1));
        } else {
            app.form1().Command1->click();
            fireAndLeave(app, scenario.section(u'-', 1));
        }
    });
    poll.start(50);
    const int status = QApplication::exec();
    std::puts("returned");
    std::fflush(stdout);
    return status;
}

} // namespace

class TestExit : public QObject {
    Q_OBJECT

private slots:
    // The program ends cleanly with status 0 however it is left.
    void leavingEndsWithStatusZero_data() {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<QString>("said");
        QTest::newRow("Esci in the options") << "options-esci"
                                             << "returned\n";
        QTest::newRow("options' close box") << "options-close"
                                            << "returned\n";
        QTest::newRow("Esci mid-flight") << "flight-esci"
                                         << "aborted\nreturned\n";
        QTest::newRow("close box mid-flight") << "flight-close"
                                              << "aborted\nreturned\n";
        QTest::newRow("Esci in the wait between frames") << "wait-esci"
                                                         << "aborted at once\nreturned\n";
        QTest::newRow("close box in the wait between frames") << "wait-close"
                                                              << "aborted at once\nreturned\n";
    }
    void leavingEndsWithStatusZero() {
        QFETCH(QString, scenario);
        QFETCH(QString, said);
        QProcess program;
        program.start(QCoreApplication::applicationFilePath(), {"--scenario", scenario});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        // Windows ends text lines with CR LF.
        QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()).remove(u'\r'), said);
    }
};

int main(int argc, char* argv[]) {
    vortalin::test::useFixedScreen();
    if (argc == 3 && std::strcmp(argv[1], "--scenario") == 0)
        return playScenario(argc, argv, QString::fromLocal8Bit(argv[2]));
    QApplication app(argc, argv);
    TestExit test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_exit.moc"
