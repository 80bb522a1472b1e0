#include "game/constants.h"
#include "game/flight.h"
#include "mapfile/mapformat.h"
#include "support/fixedscreen.h"
#include "ui/application.h"
#include "ui/filelists.h"
#include "ui/form2.h"
#include "ui/form5.h"
#include "ui/form6.h"
#include "ui/twips.h"

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <limits>

using vortalin::GameState;
using vortalin::ImageArray;
using vortalin::Option;
using vortalin::ShotOutcome;

Q_DECLARE_METATYPE(ShotOutcome)
using vortalin::ui::Application;
using vortalin::ui::Form2;

namespace {

// One line per menu entry, "Menu/Item", separators as "-"; disabled ones marked.
QStringList menuTree(const QMenuBar& bar) {
    QStringList lines;
    const auto describe = [](const QAction* a, const QString& prefix) {
        QString line = prefix + (a->isSeparator() ? QStringLiteral("-") : a->text());
        if (!a->isEnabled())
            line += QStringLiteral(" (off)");
        if (!a->shortcut().isEmpty() || a->menuRole() != QAction::NoRole)
            line += QStringLiteral(" (shortcut or role)");
        return line;
    };
    for (const QAction* top : bar.actions()) {
        lines << describe(top, QString());
        if (top->menu())
            for (const QAction* item : top->menu()->actions())
                lines << describe(item, top->text() + QLatin1Char('/'));
    }
    return lines;
}

void putBody(GameState& s, int row, double x, double y, double kind, double radius) {
    s.planets.x(row) = x;
    s.planets.y(row) = y;
    s.planets.kind(row) = kind;
    s.planets.radius(row) = radius;
}

void putShips(GameState& s) {
    s.ships.x(0) = 400, s.ships.y(0) = 300;
    s.ships.x(1) = 900, s.ships.y(1) = 700;
}

} // namespace

class TestForm2 : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { app.reset(); }

    void menuTreeReadsAsTheCatalogue();
    void windowCoversTheScreen();
    void menuBarOverflowListsItsMenusItems_data();
    void menuBarOverflowListsItsMenusItems();
    void twipsTurnIntoPixels_data();
    void twipsTurnIntoPixels();
    void menuCommandsStartAfresh_data();
    void menuCommandsStartAfresh();
    void picturesSitWhereDrawplanetPutsThem_data();
    void picturesSitWhereDrawplanetPutsThem();
    void zeroXEndsTheLists();
    void supernovaDrawnTwiceStaysASupernova();
    void hitShipLooksWholeAtTheNextDrawing();
    void brokenTablesDoNotCrash_data();
    void brokenTablesDoNotCrash();
    void messageIsABareBoxTitledVortalin();
    void commandsRunBetweenStepsOfAFlight();
    void menuCommandRunsInTheWaitOfAPacedFlight_data();
    void menuCommandRunsInTheWaitOfAPacedFlight();
    void esciEndsAFlightAndTheProgram();
    void closingTheFrameEndsTheProgram();

private:
    Form2& form() { return app->form2(); }
    GameState& state() { return app->state(); }
    std::unique_ptr<Application> app;
    QStringList messages;
};

void TestForm2::init() {
    app = std::make_unique<Application>();
    app->setPaced(false);
    auto& options = state().options;
    options[Option::planetCount] = 10;
    for (Option o :
         {Option::blackHoles, Option::repulsiveBodies, Option::giantPlanets, Option::supernovae})
        options[o] = 1;
    options[Option::animationDelay] = 20;
    messages.clear();
    form().messageSink = [this](const QString& text) { messages << text; };
}

void TestForm2::menuTreeReadsAsTheCatalogue() {
    const QStringList expected{
        "Gioco",
        "Gioco/Nuova Mappa",
        "Gioco/Sposta Astronavi",
        "Gioco/Inizia Partita",
        "Gioco/Carica mappa",
        "Gioco/Salva mappa",
        "Opzioni gioco",
        "Opzioni gioco/Opzioni",
        "Spara (off)",
        "Help",
        "Help/Help",
        "Help/-",
        "Help/About",
        "Fine",
        "Fine/Esci",
    };
    QCOMPARE(menuTree(*form().menuBar()), expected);
    QCOMPARE(form().spara->menu(), nullptr);
    QCOMPARE(form().t->isSeparator(), true);
}

void TestForm2::windowCoversTheScreen() {
    QCOMPARE(form().windowTitle(), QStringLiteral("Vortalin"));
    form().showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(&form()));
    QVERIFY(form().isMaximized());
    QCOMPARE(form().frameGeometry(), QRect(0, 0, 1280, 1024));
    QCOMPARE(form().screenSize(), (vortalin::ScreenSize{1280, 1024}));
}

// A bar too narrow for its titles hands the last ones to its overflow
// button; that menu lists their items itself, the bar's own actions, for
// the browser's Qt takes no tap in a submenu of a popup.
void TestForm2::menuBarOverflowListsItsMenusItems_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("sparaHidden"); // "Spara" surely in the overflow
    QTest::newRow("a phone held upright") << 300 << false;
    QTest::newRow("narrower still") << 160 << true;
}

void TestForm2::menuBarOverflowListsItsMenusItems() {
    QFETCH(int, width);
    QFETCH(bool, sparaHidden);
    form().spara->setText(QStringLiteral("Spara Giocatore  1"));
    form().resize(width, 400);
    form().show();
    QVERIFY(QTest::qWaitForWindowExposed(&form()));
    auto* button = form().menuBar()->findChild<QToolButton*>("qt_menubar_ext_button");
    QTRY_VERIFY(button && button->isVisible());
    QMenu* overflow = button->menu();
    QVERIFY(overflow);
    overflow->popup(form().mapToGlobal(QPoint(0, 0)));
    QList<QAction*> items = overflow->actions();
    overflow->hide();
    QVERIFY(std::none_of(items.begin(), items.end(), [](QAction* a) { return a->menu(); }));
    items.removeIf([](const QAction* a) { return a->isSeparator(); });
    QList<QAction*> expected{form().help, form().about, form().esci};
    if (sparaHidden || items.size() > expected.size())
        expected.prepend(form().spara);
    QCOMPARE(items.size(), expected.size());
    for (qsizetype i = 0; i < items.size(); ++i)
        QCOMPARE(items[i]->text(), expected[i]->text());
    QCOMPARE(menuTree(*form().menuBar()).size(), 15); // the bar's own menus as they were

    // An item's command runs once the menu's own event loop has returned,
    // or the browser's Qt takes no tap in the window it opens.
    int loopLevel = -1;
    connect(form().about, &QAction::triggered, &form(),
            [&loopLevel] { loopLevel = QThread::currentThread()->loopLevel(); });
    QTimer::singleShot(0, overflow, [overflow] {
        const QList<QAction*> shown = overflow->actions();
        const auto about = std::find_if(shown.begin(), shown.end(), [](const QAction* a) {
            return a->text() == QStringLiteral("About");
        });
        QVERIFY(about != shown.end());
        // The pointer crosses the menu to the item, as a hand's does: newer
        // Qt takes a press in a menu for a choice only once it has moved.
        const QPoint target = overflow->actionGeometry(*about).center();
        for (int step = 7; step >= 0; --step)
            QTest::mouseMove(overflow, target + QPoint(step, 0));
        QTest::mouseClick(overflow, Qt::LeftButton, {}, target);
    });
    QTest::mouseClick(button, Qt::LeftButton);
    QTRY_COMPARE(loopLevel, 0);
    QVERIFY(!overflow->isVisible());
    QVERIFY(app->form6().isVisible());

    // Once an item has run, the button opens its menu again.
    bool shownAgain = false;
    QObject scope; // no call left behind should the menu not open
    QTimer::singleShot(0, &scope, [overflow, &shownAgain] {
        shownAgain = overflow->isVisible();
        overflow->hide();
    });
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(shownAgain);
    QVERIFY(!overflow->isVisible());
}

// The catalogue's numbers stand in the code as they are.
void TestForm2::twipsTurnIntoPixels_data() {
    QTest::addColumn<double>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("main window width") << 11340.0 << 756;
    QTest::newRow("main window height") << 5940.0 << 396;
    QTest::newRow("under half a pixel") << 7.0 << 0;
    QTest::newRow("over half a pixel") << 8.0 << 1;
    QTest::newRow("negative") << -3000.0 << -200;
}

void TestForm2::twipsTurnIntoPixels() {
    QFETCH(double, twips);
    QFETCH(int, pixels);
    QCOMPARE(vortalin::ui::px(twips), pixels);
    QCOMPARE(vortalin::ui::rectFromTwips(twips, 0, twips, 15), QRect(pixels, 0, pixels, 1));
}

// "Nuova Mappa" and "Sposta Astronavi" end a match and wipe the trails.
void TestForm2::menuCommandsStartAfresh_data() {
    QTest::addColumn<bool>("newMap");
    QTest::newRow("Nuova Mappa") << true;
    QTest::newRow("Sposta Astronavi") << false;
}

void TestForm2::menuCommandsStartAfresh() {
    QFETCH(bool, newMap);
    if (!newMap)
        form().mappa->trigger();
    const vortalin::PlanetTable bodiesBefore = state().planets;
    state().currentTurn = 7;
    form().spara->setEnabled(true);
    form().board().drawPoint(5, 5, vortalin::white);
    (newMap ? form().mappa : form().astronavi)->trigger();
    QCOMPARE(state().currentTurn, 0);
    QVERIFY(!form().spara->isEnabled());
    QCOMPARE(qAlpha(form().board().graphics().pixel(5, 5)), 0);
    QCOMPARE(state().planets == bodiesBefore, !newMap);
    const auto& planets = state().planets;
    for (int row = 1; row <= 10 && planets.x(row) != 0; ++row) {
        const auto& image = form().board().Image1(row - 1);
        QCOMPARE(image.topLeft, QPoint(int(planets.x(row) - planets.radius(row)),
                                       int(planets.y(row) - planets.radius(row))));
        QCOMPARE(image.stock, std::optional<int>(int(planets.kind(row)) - 1));
    }
    for (int j = 0; j < 2 && state().ships.x(j) != 0; ++j) {
        const auto& image = form().board().Image2(j);
        QCOMPARE(image.topLeft, QPoint(int(state().ships.x(j)) - 15, int(state().ships.y(j)) - 7));
        QCOMPARE(image.picture.size(), QSize(30, 15));
    }
}

void TestForm2::picturesSitWhereDrawplanetPutsThem_data() {
    QTest::addColumn<double>("kind");
    QTest::addColumn<double>("radius");
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("stock");
    QTest::addColumn<QPoint>("topLeft");
    QTest::newRow("ordinary") << 2.0 << 35.0 << 300.0 << 1 << QPoint(265, 165);
    QTest::newRow("larger") << 6.0 << 50.0 << 300.0 << 5 << QPoint(250, 150);
    QTest::newRow("giant") << 8.0 << 75.0 << 300.0 << 7 << QPoint(225, 125);
    QTest::newRow("repulsive") << 10.0 << 35.0 << 300.0 << 9 << QPoint(265, 165);
    QTest::newRow("black hole") << 11.0 << 35.0 << 300.0 << 10 << QPoint(265, 165);
    QTest::newRow("supernova") << 12.0 << 50.0 << 300.0 << 14 << QPoint(250, 150);
    QTest::newRow("past the left edge") << 1.0 << 35.0 << 20.0 << 0 << QPoint(-15, 165);
    QTest::newRow("from a loaded map") << 1.0 << 35.0 << 300.6 << 0 << QPoint(266, 165);
}

void TestForm2::picturesSitWhereDrawplanetPutsThem() {
    QFETCH(double, kind);
    QFETCH(double, radius);
    QFETCH(double, x);
    QFETCH(int, stock);
    QFETCH(QPoint, topLeft);
    putBody(state(), 1, x, 200, kind, radius);
    putShips(state());
    QCOMPARE(form().drawplanet(), 1);
    const auto& board = form().board();
    const QImage& picture = board.Image3(stock);
    QCOMPARE(board.Image1(0).topLeft, topLeft);
    QCOMPARE(board.Image1(0).picture.size(), QSize(int(2 * radius), int(2 * radius)));
    QCOMPARE(board.Image2(0).topLeft, QPoint(385, 293));
    QCOMPARE(board.Image2(1).topLeft, QPoint(885, 693));
    const QImage shot = form().board().grab().toImage();
    const QPoint centre = topLeft + QPoint(int(radius), int(radius));
    QCOMPARE(shot.pixel(centre), picture.pixel(int(radius), int(radius)));
    QCOMPARE(shot.pixel(392, 300), board.Image3(vortalin::stockShip1).pixel(7, 7));
    QCOMPARE(shot.pixel(892, 700), board.Image3(vortalin::stockShip2).pixel(7, 7));
}

// Rows after the first x of 0 keep the picture elements they had.
void TestForm2::zeroXEndsTheLists() {
    for (int row = 1; row <= 3; ++row)
        putBody(state(), row, 100.0 * row + 100, 500, row, 35);
    putShips(state());
    form().drawplanet();
    state().planets.x(2) = 0;
    state().planets.kind(3) = 11;
    state().planets.x(3) = 900;
    state().ships.x(0) = 0;
    state().ships.x(1) = 1000;
    form().drawplanet();
    const auto& board = form().board();
    QCOMPARE(board.Image1(2).stock, std::optional<int>(2));
    QCOMPARE(board.Image1(2).topLeft, QPoint(365, 465));
    QCOMPARE(board.Image2(1).topLeft, QPoint(885, 693));
}

void TestForm2::supernovaDrawnTwiceStaysASupernova() {
    putBody(state(), 1, 500, 500, 12, 50);
    for (int pass = 0; pass < 2; ++pass) {
        form().drawplanet();
        QCOMPARE(state().planets.kind(1), 15.0);
        QCOMPARE(form().board().Image1(0).stock, std::optional<int>(14));
        QCOMPARE(form().board().Image1(0).picture, form().board().Image3(14));
    }
}

void TestForm2::hitShipLooksWholeAtTheNextDrawing() {
    putShips(state());
    form().drawplanet();
    form().board().setPicture(ImageArray::ships, 1, vortalin::stockHitShip);
    QCOMPARE(form().board().Image2(1).picture.size(), QSize(50, 50));
    form().drawplanet();
    QCOMPARE(form().board().Image2(1).stock, std::optional<int>(vortalin::stockShip2));
    QCOMPARE(form().board().Image2(1).picture.size(), QSize(30, 15));
}

// Only a map file made elsewhere brings such tables.
void TestForm2::brokenTablesDoNotCrash_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<double>("kind");
    QTest::addColumn<double>("position");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("unknown kind") << 1 << 20.0 << 300.0;
    QTest::newRow("negative kind") << 1 << -4.0 << 300.0;
    QTest::newRow("kind not a number") << 1 << nan << 300.0;
    QTest::newRow("eleven bodies") << 11 << 3.0 << 300.0;
    QTest::newRow("every row full") << 20 << 3.0 << 300.0;
    QTest::newRow("far off") << 2 << 3.0 << 1e300;
    QTest::newRow("position not a number") << 2 << 3.0 << nan;
}

void TestForm2::brokenTablesDoNotCrash() {
    QFETCH(int, rows);
    QFETCH(double, kind);
    QFETCH(double, position);
    for (int row = 1; row <= rows; ++row)
        putBody(state(), row, position, position, kind, 35);
    putShips(state());
    state().ships.x(2) = 50; // a third ship has no picture element
    form().drawplanet();
    form().board().grab();
    const bool known = kind >= 1 && kind <= 15;
    QCOMPARE(form().board().Image1(0).picture.isNull(), !known);
    QCOMPARE(form().board().Image1(9).picture.isNull(), !known || rows < 10);
}

void TestForm2::messageIsABareBoxTitledVortalin() {
    form().messageSink = nullptr;
    form().show();
    // As on Wayland once a dialog is gone: no window of the game is active.
    QWidget other;
    other.show();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    other.hide();
    QTRY_VERIFY(!QApplication::activeWindow());
    QString title, text;
    int buttons = 0;
    QMessageBox::Icon icon = QMessageBox::Warning;
    const QWindow* owner = nullptr;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        // It belongs to the board, so it can never fall behind it.
        owner = box->windowHandle()->transientParent();
        title = box->windowTitle(), text = box->text(), icon = box->icon();
        buttons = int(box->buttons().size());
        box->button(QMessageBox::Ok)->click();
    });
    form().message("Vince il giocatore 1");
    QCOMPARE(title, QStringLiteral("Vortalin"));
    QCOMPARE(text, QStringLiteral("Vince il giocatore 1"));
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons, 1);
    QCOMPARE(owner, form().windowHandle());
}

// Yields pass through the event loop at most once a millisecond, yet a
// command chosen during a flight still runs between two of them.
void TestForm2::commandsRunBetweenStepsOfAFlight() {
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    QElapsedTimer clock; // only bounds a failing run
    clock.start();
    while (!ran && clock.elapsed() < 10000)
        QVERIFY(form().yield());
    QVERIFY(ran);
}

void TestForm2::menuCommandRunsInTheWaitOfAPacedFlight_data() {
    QTest::addColumn<bool>("loadAWall");
    QTest::addColumn<ShotOutcome>("outcome");
    QTest::newRow("no command: the shot reaches the ship") << false << ShotOutcome::win1;
    QTest::newRow("Carica mappa in the wait: a body in the way") << true << ShotOutcome::body;
}

// A paced shot at the opponent's ship; five frames in, from inside the wait
// for the next frame, "Carica mappa" loads a map with a body on the shot's
// path. The flight reads the tables live and ends on it. Frames hold at most
// a frame and a quarter of steps, so the shot is then still seven frames
// from the body, however fast or slow the machine.
void TestForm2::menuCommandRunsInTheWaitOfAPacedFlight() {
    QFETCH(bool, loadAWall);
    QFETCH(ShotOutcome, outcome);
    app->setPaced(true);
    GameState& s = state();
    s.planets = {};
    putBody(s, 1, 100, 100, 1, 10); // massless, out of the way; the trail is drawn from it
    s.ships.x(0) = 200, s.ships.y(0) = 500;
    s.ships.x(1) = 1000, s.ships.y(1) = 500;
    s.options[Option::animationDelay] = 600;
    GameState walled = s;
    putBody(walled, 2, 700, 500, 1, 35);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    {
        const vortalin::MapBytes bytes = vortalin::encodeMap(walled.planets, walled.ships);
        QFile file(dir.filePath("muro.vmp"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    }
    form().show();

    const long long fifth = form().framesWaited() + 5;
    long long commandAt = -1;
    QTimer command;
    command.setInterval(0);
    connect(&command, &QTimer::timeout, [&] {
        if (!loadAWall || !form().waitingForFrame() || form().framesWaited() < fifth)
            return;
        command.stop();
        commandAt = form().framesWaited();
        form().Carmap->trigger();
        vortalin::ui::Form5& dialog = app->form5();
        QVERIFY(!form().isEnabled());
        dialog.Dir1->setPath(dir.path());
        dialog.Text1->setText(QStringLiteral("muro.vmp"));
        dialog.Command1->click();
    });
    command.start();
    const vortalin::ShotResult result = vortalin::fuoco(app->game(), " 0", " 13000");
    command.stop();

    QCOMPARE(result.outcome, outcome);
    QVERIFY(form().isEnabled());
    if (loadAWall) {
        QCOMPARE(commandAt, fifth);
        QVERIFY2(result.lastX > 665 && result.lastX < 666,
                 qPrintable(QString::number(result.lastX)));
        QCOMPARE(state().planets, walled.planets);
        QVERIFY(app->form5().isHidden());
        QVERIFY(form().spara->isEnabled()); // a body hit gives the turn on
        QVERIFY(messages.isEmpty());
    } else {
        QCOMPARE(messages, QStringList{"Vince il giocatore 1"});
    }
}

// A flight yields once a step; "Esci" chosen meanwhile ends it and then the
// program, with status 0.
void TestForm2::esciEndsAFlightAndTheProgram() {
    form().show();
    int steps = 0;
    QTimer::singleShot(0, [&] {
        while (form().yield())
            if (++steps == 100)
                form().esci->trigger();
    });
    QTimer safety;
    safety.setSingleShot(true);
    connect(&safety, &QTimer::timeout, [] { QCoreApplication::exit(3); });
    safety.start(5000);
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(steps, 100);
    QVERIFY(app->ending());
    QVERIFY(!form().isVisible());
}

void TestForm2::closingTheFrameEndsTheProgram() {
    form().show();
    QVERIFY(QTest::qWaitForWindowExposed(&form()));
    form().close();
    QVERIFY(app->ending());
    QVERIFY(!form().yield());
}

VORTALIN_FIXED_SCREEN_TEST_MAIN(TestForm2)
#include "test_form2.moc"
