#include "game/memoryboard.h"
#include "support/fixedscreen.h"
#include "support/quietboard.h"
#include "support/scriptedrandom.h"
#include "support/standinmainwindow.h"
#include "ui/application.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/windowopening.h"

#include <QAction>

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <cmath>

using namespace vortalin;
using vortalin::ui::Application;
using vortalin::ui::Form2;
using vortalin::ui::Form3;

namespace {

// The fire dialog over a memory board, with a stand-in main window.
struct Desk {
    GameState state;
    MemoryBoard board;
    ScriptedRandom random;
    Game game{state, board, board, random};
    vortalin::test::StandInMainWindow stand{game};
    QWidget& mainWindow = stand.widget;
    Form3 form{game, stand};

    Desk() {
        setUpQuietBoard(state);
        mainWindow.resize(200, 100);
        mainWindow.show();
    }
    ~Desk() { form.hide(); }

    // What "Spara" in the menu does before the dialog takes over.
    void open() {
        vortalin::ui::openOverMainWindow(mainWindow, form, [this] { form.open(); });
        // Its own window, not only the main window it belongs to, has the keyboard.
        QTRY_COMPARE(QGuiApplication::focusWindow(), form.windowHandle());
    }
    void type(QLineEdit* box, const QString& text) {
        QTest::mouseClick(box, Qt::LeftButton);
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    void fire() {
        QTest::mouseClick(form.Command1, Qt::LeftButton);
        // The memory board's yield runs no events; the main window's
        // activation arrives here.
        QCoreApplication::processEvents();
    }
    QString stored(int slot, int column) const {
        const auto& last = state.lastShotInputs;
        return QString::fromStdString(column == 0 ? last.angle(slot) : last.force(slot));
    }
};

QPointF needleEnd(const Form3& form) {
    return {form.Line1.X2, form.Line1.Y2};
}

bool near(QPointF a, QPointF b) {
    return std::abs(a.x() - b.x()) < 0.01 && std::abs(a.y() - b.y()) < 0.01;
}

} // namespace

class TestForm3 : public QObject {
    Q_OBJECT

private slots:
    // A player who never fired sees 0 degrees and force 1000.
    void firstOpeningForEachPlayer_data() {
        QTest::addColumn<int>("turn");
        QTest::newRow("player 1") << 0;
        QTest::newRow("player 2") << 1;
    }
    void firstOpeningForEachPlayer() {
        QFETCH(int, turn);
        Desk d;
        d.state.currentTurn = turn;
        d.open();
        QCOMPARE(d.form.Text1->text(), " 0");
        QCOMPARE(d.form.Text2->text(), " 1000");
        QCOMPARE(d.form.VScroll1->value(), 0);
        QCOMPARE(d.form.HScroll1->value(), 1000);
        QVERIFY(near(needleEnd(d.form), {4140, 570}));
        QCOMPARE(QApplication::focusWidget(), d.form.Text1);
        QVERIFY(!d.mainWindow.isEnabled());
    }

    void catalogueLayout() {
        Desk d;
        QCOMPARE(d.form.size(), QSize(312, 213));
        QCOMPARE(d.form.Command1->text(), "Spara");
        QCOMPARE(d.form.Label1->text(), "Angolo  (0 - 360)");
        QCOMPARE(d.form.Label2->text(), "Forza  (100 - 13000)");
        QCOMPARE(d.form.windowTitle(), "Vortalin - Fuoco");
        d.open();
        // Centred: 1280 x 1024 screen, frame as the platform gives it.
        const QRect frame = d.form.frameGeometry();
        QVERIFY(std::abs(frame.center().x() - 640) <= 1);
        QVERIFY(std::abs(frame.center().y() - 512) <= 1);
        // Tab order: the boxes, the button, then the bars.
        QList<QWidget*> order{d.form.Text1};
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget();
        }
        QCOMPARE(order, (QList<QWidget*>{d.form.Text1, d.form.Text2, d.form.Command1,
                                         d.form.VScroll1, d.form.HScroll1}));
    }

    // What the angle box holds when "Spara" stores it, after its leave
    // handler ran; the bar may rewrite the box, or keep the typed text.
    void angleAsStored_data() {
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("bar");
        QTest::newRow("30 rewritten by the bar") << ""
                                                 << "30"
                                                 << " 30" << 30;
        QTest::newRow("0 kept as typed") << ""
                                         << "0"
                                         << "0" << 0;
        QTest::newRow("45.5, bar at 0") << ""
                                        << "45.5"
                                        << " 46" << 46;
        QTest::newRow("45.5, bar already at 46") << " 46"
                                                 << "45.5"
                                                 << "45.5" << 46;
        QTest::newRow("44.5 to the even 44") << ""
                                             << "44.5"
                                             << " 44" << 44;
        QTest::newRow("360 reset") << " 20"
                                   << "360"
                                   << " 0" << 0;
        QTest::newRow("359.5 reset") << " 20"
                                     << "359.5"
                                     << " 0" << 0;
        QTest::newRow("359.5 reset, bar at 0") << ""
                                               << "359.5"
                                               << " 0" << 0;
        QTest::newRow("-5") << " 20"
                            << "-5"
                            << " 0" << 0;
        QTest::newRow("comma reads as 45") << ""
                                           << "45,5"
                                           << " 45" << 45;
        QTest::newRow("not a number") << " 20"
                                      << "abc"
                                      << " 0" << 0;
    }
    void angleAsStored() {
        QFETCH(QString, remembered);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(int, bar);
        Desk d;
        d.state.lastShotInputs.angle(0) = remembered.toStdString();
        d.open();
        d.type(d.form.Text1, typed);
        d.fire(); // leaving the box by clicking "Spara"
        QVERIFY(d.board.messages.empty());
        QCOMPARE(d.stored(0, 0), stored);
        QCOMPARE(d.form.VScroll1->value(), bar);
        QCOMPARE(d.state.currentTurn, 1);
    }

    // The needle follows the number in the box, not the bar's value.
    void needleUsesTheTypedAngle() {
        Desk d;
        d.state.lastShotInputs.angle(0) = " 46";
        d.open();
        d.type(d.form.Text1, "45.5");
        QTest::keyClick(d.form.Text1, Qt::Key_Tab);
        const double theta = 45.5 * 3.14159265358979 / 180;
        QCOMPARE(d.form.Line1.X2, float(3690 + 450 * std::cos(theta)));
        QCOMPARE(d.form.Line1.Y2, float(570 - 450 * std::sin(theta)));
    }

    void forceLeavingTheBox_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("bar");
        QTest::newRow("50 up to 100") << "50"
                                      << " 100" << 100;
        QTest::newRow("20000 down to 13000") << "20000"
                                             << " 13000" << 13000;
        QTest::newRow("abc is 0, up to 100") << "abc"
                                             << " 100" << 100;
        QTest::newRow("2000") << "2000"
                              << " 2000" << 2000;
        QTest::newRow("1000 kept, bar already there") << "1000"
                                                      << "1000" << 1000;
        QTest::newRow("infinite") << "1e999"
                                  << " 13000" << 13000;
    }
    void forceLeavingTheBox() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, bar);
        Desk d;
        d.open();
        d.type(d.form.Text2, typed);
        QTest::keyClick(d.form.Text2, Qt::Key_Tab);
        QCOMPARE(d.form.Text2->text(), shown);
        QCOMPARE(d.form.HScroll1->value(), bar);
    }

    // Each player finds the texts of their own last shot.
    void memoryAcrossTurns() {
        Desk d;
        d.open();
        d.type(d.form.Text1, "0");
        d.form.HScroll1->setFocus();
        d.form.HScroll1->setValue(2000);
        d.fire();
        QCOMPARE(QString::fromStdString(d.board.fireCaption), "Spara Giocatore  2");
        QVERIFY(!d.form.isVisible());
        QVERIFY(d.mainWindow.isEnabled());

        d.open(); // player 2 has fired nothing yet
        QCOMPARE(d.form.Text1->text(), " 0");
        QCOMPARE(d.form.Text2->text(), " 1000");
        d.type(d.form.Text1, "45.5");
        d.type(d.form.Text2, "1000.5"); // the bar stays at the even 1000
        d.fire();
        QCOMPARE(d.stored(1, 0), " 46");
        QCOMPARE(d.stored(1, 1), "1000.5");
        QCOMPARE(QString::fromStdString(d.board.fireCaption), "Spara Giocatore  1");

        d.open();
        QCOMPARE(d.form.Text1->text(), " 0"); // "0" shows as " 0"
        QCOMPARE(d.form.Text2->text(), " 2000");
        QCOMPARE(d.form.HScroll1->value(), 2000);
        d.fire();
        d.open();
        QCOMPARE(d.form.Text1->text(), " 46");
        // The bar moves from player 1's 2000 and rewrites the box.
        QCOMPARE(d.form.Text2->text(), " 1000");
        QCOMPARE(d.form.HScroll1->value(), 1000);
        QCOMPARE(d.form.VScroll1->value(), 46);
    }

    // Values that only the program can put in the boxes are refused, and
    // the dialog stays as it was.
    void refusals_data() {
        QTest::addColumn<QString>("angle");
        QTest::addColumn<QString>("force");
        QTest::addColumn<QString>("message");
        QTest::newRow("angle 400") << "400"
                                   << " 1000"
                                   << "Attenzione inserire l'angolo tra 0 e 360";
        QTest::newRow("angle -1") << "-1"
                                  << " 1000"
                                  << "Attenzione inserire l'angolo tra 0 e 360";
        QTest::newRow("force 99") << " 0"
                                  << "99"
                                  << "Attenzione inserire la forza tra 100 e 13000";
        QTest::newRow("force 13001") << "360"
                                     << "13001"
                                     << "Attenzione inserire la forza tra 100 e 13000";
    }
    void refusals() {
        QFETCH(QString, angle);
        QFETCH(QString, force);
        QFETCH(QString, message);
        Desk d;
        d.open();
        d.form.Command1->setFocus();
        d.form.Text1->setText(angle);
        d.form.Text2->setText(force);
        QTest::keyClick(d.form.Command1, Qt::Key_Space);
        QCOMPARE(d.board.messages, std::vector<std::string>{message.toStdString()});
        QVERIFY(d.form.isVisible());
        QVERIFY(!d.mainWindow.isEnabled());
        QCOMPARE(d.form.Text1->text(), angle);
        QCOMPARE(d.form.Text2->text(), force);
        QVERIFY(d.state.lastShotInputs.angle(0).empty());
        QCOMPARE(d.state.currentTurn, 0);
        QCOMPARE(d.board.yields, 0);
    }

    // Closing through the frame fires nothing and frees the main window.
    void closingThroughTheFrame() {
        Desk d;
        d.open();
        d.type(d.form.Text1, "30");
        d.form.Command1->setFocus(); // where a Space would fire
        QVERIFY(d.form.close());
        QVERIFY(!d.form.isVisible());
        QVERIFY(d.mainWindow.isEnabled());
        QCOMPARE(d.state.currentTurn, 0);
        QVERIFY(d.state.lastShotInputs.angle(0).empty());
        QCOMPARE(d.board.yields, 0);
        d.open(); // opens again like new
        QCOMPARE(d.form.Text1->text(), " 0");
        QCOMPARE(QApplication::focusWidget(), d.form.Text1);
    }

    void barsUpdateTheBoxes() {
        Desk d;
        d.open();
        // A dragged thumb updates the box as it moves.
        d.form.HScroll1->setSliderDown(true);
        d.form.HScroll1->setSliderPosition(2500);
        QCOMPARE(d.form.Text2->text(), " 2500");
        d.form.HScroll1->setSliderDown(false);
        const QPointF needle = needleEnd(d.form);
        d.form.HScroll1->setValue(3000);
        QCOMPARE(needleEnd(d.form), needle); // force leaves the dial alone
        d.form.VScroll1->setSliderDown(true);
        d.form.VScroll1->setSliderPosition(90);
        QCOMPARE(d.form.Text1->text(), " 90");
        QVERIFY(near(needleEnd(d.form), {3690, 120}));
        d.form.VScroll1->setSliderDown(false);
        d.form.VScroll1->setValue(180);
        QVERIFY(near(needleEnd(d.form), {3240, 570}));
        d.form.VScroll1->setValue(270);
        QVERIFY(near(needleEnd(d.form), {3690, 1020}));
    }

    // Coming back from another window of the program reloads the texts;
    // the dialog's own message boxes and other applications do not.
    void activation() {
        Desk d;
        d.state.lastShotInputs.angle(0) = " 20";
        d.open();
        d.type(d.form.Text1, "360");

        QMessageBox box(QMessageBox::NoIcon, "Vortalin", "x", QMessageBox::Ok, &d.form);
        box.show();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        box.accept();
        d.form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d.form));
        QCOMPARE(d.form.Text1->text(), "360");

        emit qGuiApp->focusWindowChanged(nullptr); // away to another program
        emit qGuiApp->focusWindowChanged(d.form.windowHandle());
        QCOMPARE(d.form.Text1->text(), "360");

        QWidget about;
        about.show();
        about.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        // The whole window lost the focus: that is not leaving the box.
        QCOMPARE(d.form.Text1->text(), "360");
        d.form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d.form));
        QCOMPARE(d.form.Text1->text(), " 20");
        QCOMPARE(d.form.VScroll1->value(), 20);
    }

    // Two players through the real windows, from "Inizia Partita" to a win
    // and a new match after "Sposta Astronavi".
    void wholeMatch() {
        Application app;
        app.setPaced(false);
        Form2& main = app.form2();
        QStringList messages;
        main.messageSink = [&](const QString& text) { messages << text; };
        GameState& s = app.state();
        s.options[Option::planetCount] = 1;
        s.options[Option::animationDelay] = 20;
        s.planets.x(1) = 1200, s.planets.y(1) = 1000;
        s.planets.kind(1) = 1, s.planets.radius(1) = 35, s.planets.mass(1) = 1;
        s.ships.x(0) = 400, s.ships.y(0) = 500;
        s.ships.x(1) = 800, s.ships.y(1) = 500;
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));

        main.inizia->trigger();
        const int first = s.currentTurn;
        QVERIFY(main.spara->isEnabled());
        QCOMPARE(main.spara->text(), first == 0 ? "Spara Giocatore  1" : "Spara Giocatore  2");

        const auto shoot = [&](const QString& angle) {
            main.spara->trigger();
            Form3& dialog = app.form3();
            QVERIFY(!main.isEnabled());
            QCOMPARE(dialog.windowHandle()->transientParent(), main.windowHandle());
            QCOMPARE(dialog.windowTitle(), s.currentTurn % 2 == 0 ? "Giocatore 1" : "Giocatore 2");
            QTRY_COMPARE(QGuiApplication::focusWindow(), dialog.windowHandle());
            QTest::keyClicks(dialog.Text1, angle);
            QTest::mouseClick(dialog.Text2, Qt::LeftButton);
            dialog.Text2->selectAll();
            QTest::keyClicks(dialog.Text2, "13000");
            QTest::mouseClick(dialog.Command1, Qt::LeftButton);
            QVERIFY(!dialog.isVisible());
            QVERIFY(main.isEnabled());
        };
        shoot("90"); // straight up and away
        QCOMPARE(s.currentTurn, first + 1);
        QVERIFY(main.spara->isEnabled());
        QCOMPARE(main.spara->text(), first == 0 ? "Spara Giocatore  2" : "Spara Giocatore  1");
        QVERIFY(messages.isEmpty());

        const bool player1 = s.currentTurn % 2 == 0;
        shoot(player1 ? "0" : "180"); // straight at the other ship
        QCOMPARE(messages, QStringList{player1 ? "Vince il giocatore 1" : "Vince il giocatore 2"});
        QVERIFY(!main.spara->isEnabled());

        main.inizia->trigger();
        QCOMPARE(messages.last(), "Attenzione risettare la mappa o le astronavi prima");
        QVERIFY(!main.spara->isEnabled());
        main.astronavi->trigger();
        main.inizia->trigger();
        QCOMPARE(messages.size(), 2);
        QVERIFY(main.spara->isEnabled());
        main.messageSink = nullptr;
    }
};

VORTALIN_FIXED_SCREEN_TEST_MAIN(TestForm3)
#include "test_form3.moc"
