#include "support/fixedscreen.h"
#include "ui/application.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/filelists.h"
#include "ui/form5.h"
#include "ui/platform.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <functional>
#include <map>
#include <memory>
#include <vector>

using vortalin::ui::Application;
using vortalin::ui::Form2;

namespace {

// A tap of Alt alone, as the window system reports it: pressed with the Alt
// modifier already set, released with none.
constexpr int altTap = -1;

// A notch of the mouse wheel, turned away from the player or towards.
constexpr int wheelUp = -2;
constexpr int wheelDown = -3;

std::unique_ptr<Application> quietApp() {
    auto app = std::make_unique<Application>();
    app->setPaced(false);
    auto readings = std::make_shared<long long>(0);
    app->speedClock = [readings] { return double((*readings)++) / 3700.0; };
    return app;
}

// The window a keyboard's keys reach: the window manager's active one. (The
// offscreen platform also activates menus, and activates nothing when they
// close; on a desktop a menu never takes the focus from its window.)
QWindow* keyboardWindow() {
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup->windowHandle();
    if (QWidget* active = QApplication::activeWindow())
        return active->windowHandle();
    return QGuiApplication::focusWindow();
}

// A key as a keyboard sends it: to the active window, which hands it to the
// open menu, the modal box or the focused control.
void press(int key) {
    QWindow* window = keyboardWindow();
    QVERIFY(window);
    if (key == altTap) {
        QTest::keyPress(window, Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(window, Qt::Key_Alt);
    } else if (key == Qt::Key_Backtab) {
        QTest::keyClick(window, Qt::Key_Tab, Qt::ShiftModifier);
    } else {
        QTest::keyClick(window, Qt::Key(key));
    }
}

void type(const QString& text) {
    for (const QChar c : text)
        QTest::keyClick(keyboardWindow(), c.toLatin1());
}

bool isActive(const QWidget& window) {
    return QApplication::activeWindow() == &window && !QApplication::activePopupWidget();
}

// Where the keyboard stands on the menu bar: the selected title, and after a
// slash the selected item of the open menu; empty when it has left the bar.
QString menuPlace(const QMenuBar& bar) {
    const QAction* title = bar.activeAction();
    const auto* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    // Without a menu open, the bar has the keys only while it has the focus.
    if (!title || (!open && !bar.hasFocus()))
        return {};
    QString place = title->text();
    if (open)
        place += u'/' + (open->activeAction() ? open->activeAction()->text() : QString());
    return place;
}

// Keys pressed once their window is ready: each step waits for a state of the
// program, never for a time.
struct Step {
    std::function<bool()> ready;
    std::function<void()> keys;
};

class Route : public QObject {
public:
    explicit Route(std::vector<Step> steps) : m_steps(std::move(steps)) {
        connect(&m_poll, &QTimer::timeout, this, &Route::advance);
        m_poll.start(5);
    }
    bool finished() const { return m_next == m_steps.size(); }
    std::size_t reached() const { return m_next; }

private:
    void advance() {
        if (finished() || !m_steps[m_next].ready())
            return;
        // Queued, so that a command that runs a flight or a message box
        // keeps this poll going underneath.
        QTimer::singleShot(0, this, m_steps[m_next].keys);
        ++m_next;
    }

    std::vector<Step> m_steps;
    std::size_t m_next = 0;
    QTimer m_poll;
};

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        m_style = QApplication::style()->name();
        QApplication::setWheelScrollLines(1); // a notch of the wheel moves one small change
    }
    void init() { app = quietApp(); }
    void cleanup() {
        app.reset();
        if (QApplication::style()->name() != m_style)
            QApplication::setStyle(m_style);
    }

    void menuBarFollowsTheKeys_data();
    void menuBarFollowsTheKeys();
    void selectedTitleShowsInEveryStyle_data();
    void selectedTitleShowsInEveryStyle();
    void sparaIsChosenOnTheBar();
    void barsMoveAsOnEveryDesktop_data();
    void barsMoveAsOnEveryDesktop();
    void wholeMatchFromTheKeyboard();
    void phoneKeyboardFitsWhatTheControlTakes_data();
    void phoneKeyboardFitsWhatTheControlTakes();

private:
    Form2& board() { return app->form2(); }
    void showBoard() {
        app->form1().open();
        app->form1().Command1_Click();
        QTRY_VERIFY(isActive(board()));
    }
    std::unique_ptr<Application> app;
    QString m_style;
};

// F10 opens the first menu and a tap of Alt selects the first title, in any
// style; from there arrows, Enter and Escape work as on any desktop.
void TestKeyboard::menuBarFollowsTheKeys_data() {
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("place");
    QTest::newRow("Alt selects the first title") << QList<int>{altTap} << "Gioco";
    QTest::newRow("Alt again leaves") << QList<int>{altTap, altTap} << "";
    QTest::newRow("Alt, Down opens the menu")
        << QList<int>{altTap, Qt::Key_Down} << "Gioco/Nuova Mappa";
    QTest::newRow("Alt, Right moves along the bar")
        << QList<int>{altTap, Qt::Key_Right} << "Opzioni gioco";
    QTest::newRow("F10 opens the first menu") << QList<int>{Qt::Key_F10} << "Gioco/Nuova Mappa";
    QTest::newRow("Down moves in the menu")
        << QList<int>{Qt::Key_F10, Qt::Key_Down, Qt::Key_Down} << "Gioco/Inizia Partita";
    QTest::newRow("Right opens the next menu")
        << QList<int>{Qt::Key_F10, Qt::Key_Right} << "Opzioni gioco/Opzioni";
    QTest::newRow("a disabled Spara is passed over")
        << QList<int>{Qt::Key_F10, Qt::Key_Right, Qt::Key_Right} << "Help/Help";
    QTest::newRow("Left from the first reaches the last")
        << QList<int>{Qt::Key_F10, Qt::Key_Left} << "Fine/Esci";
    QTest::newRow("Escape closes the menu, keeps the title")
        << QList<int>{Qt::Key_F10, Qt::Key_Escape} << "Gioco";
    QTest::newRow("Escape twice leaves")
        << QList<int>{Qt::Key_F10, Qt::Key_Escape, Qt::Key_Escape} << "";
}

void TestKeyboard::menuBarFollowsTheKeys() {
    QFETCH(QList<int>, keys);
    QFETCH(QString, place);
    showBoard();
    for (const int key : keys)
        press(key);
    const QMenuBar& bar = *board().menuBar();
    QCOMPARE(menuPlace(bar), place);
    if (place.isEmpty()) // the keys left the bar: it keeps neither focus nor title
        QTRY_VERIFY(!bar.hasFocus() && !bar.activeAction());
    QVERIFY(board().isVisible()); // nothing was chosen
    QVERIFY(!board().spara->isEnabled());
}

// A tap of Alt visibly selects "Gioco" whatever the style; Fusion by itself
// shows a title only while its menu is open, so the key seemed to do nothing.
void TestKeyboard::selectedTitleShowsInEveryStyle_data() {
    QTest::addColumn<QString>("style");
    for (const QString& style : QStyleFactory::keys())
        QTest::newRow(qPrintable(style)) << style;
}

void TestKeyboard::selectedTitleShowsInEveryStyle() {
    QFETCH(QString, style);
    app.reset();
    QApplication::setStyle(style);
    app = quietApp();
    showBoard();
    QMenuBar& bar = *board().menuBar();
    const auto* drawn = qobject_cast<const QProxyStyle*>(bar.style());
    QVERIFY(drawn);
    QCOMPARE(drawn->baseStyle()->name().toLower(), style.toLower()); // the style named
    const QRect title = bar.actionGeometry(board().gioco);
    const QImage before = bar.grab(title).toImage();
    press(altTap);
    QCOMPARE(menuPlace(bar), QStringLiteral("Gioco"));
    QVERIFY(bar.grab(title).toImage() != before);
    press(Qt::Key_F10);
    QCOMPARE(menuPlace(bar), QStringLiteral("Gioco/Nuova Mappa"));
}

// "Spara" sits on the bar without a menu: Enter on it opens the fire dialog.
void TestKeyboard::sparaIsChosenOnTheBar() {
    showBoard();
    board().inizia->trigger();
    const QString caption = board().spara->text();
    for (const int key : {int(Qt::Key_F10), int(Qt::Key_Right), int(Qt::Key_Right)})
        press(key);
    QCOMPARE(menuPlace(*board().menuBar()), caption);
    press(Qt::Key_Return);
    QTRY_VERIFY(isActive(app->form3()));
    QVERIFY(!board().isEnabled());
    QCOMPARE(board().spara->text(), caption); // captions as they were
}

// Every key and the wheel move the bars as on any desktop: Left, Up,
// PageUp and the wheel turned up lower the value, also on the vertical bar
// whose top arrow lowers it; their partners raise it; Home and End go to the
// ends. Arrows and the wheel step by the small change, the page keys by the
// large one. Each bar starts halfway.
void TestKeyboard::barsMoveAsOnEveryDesktop_data() {
    QTest::addColumn<QString>("bar");
    QTest::addColumn<int>("input");
    QTest::addColumn<int>("after");
    struct Bar {
        const char* name;
        const char* control;
        int middle, small, large, min, max;
    };
    const Bar bars[] = {{"planets", "Form1.HScroll1", 5, 1, 1, 1, 10},
                        {"speed", "Form1.HScroll2", 3005, 10, 20, 10, 6000},
                        {"force", "Form3.HScroll1", 6550, 1, 50, 100, 13000},
                        {"angle", "Form3.VScroll1", 179, 1, 10, 0, 359}};
    for (const Bar& b : bars) {
        const auto row = [&](const char* input, int code, int after) {
            QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(b.name, input)))
                << b.control << code << after;
        };
        row("Left", Qt::Key_Left, b.middle - b.small);
        row("Up", Qt::Key_Up, b.middle - b.small);
        row("PageUp", Qt::Key_PageUp, b.middle - b.large);
        row("wheel up", wheelUp, b.middle - b.small);
        row("Right", Qt::Key_Right, b.middle + b.small);
        row("Down", Qt::Key_Down, b.middle + b.small);
        row("PageDown", Qt::Key_PageDown, b.middle + b.large);
        row("wheel down", wheelDown, b.middle + b.small);
        row("Home", Qt::Key_Home, b.min);
        row("End", Qt::Key_End, b.max);
    }
}

void TestKeyboard::barsMoveAsOnEveryDesktop() {
    QFETCH(QString, bar);
    QFETCH(int, input);
    QFETCH(int, after);
    QScrollBar* scroll = bar == "Form1.HScroll1"   ? app->form1().HScroll1
                         : bar == "Form1.HScroll2" ? app->form1().HScroll2
                         : bar == "Form3.HScroll1" ? app->form3().HScroll1
                                                   : app->form3().VScroll1;
    scroll->setValue((scroll->minimum() + scroll->maximum()) / 2);
    if (input == wheelUp || input == wheelDown) {
        const QPoint inside = scroll->rect().center();
        QWheelEvent notch(inside, scroll->mapToGlobal(inside), {},
                          {0, input == wheelUp ? 120 : -120}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(scroll, &notch);
    } else {
        QTest::keyClick(scroll, Qt::Key(input));
    }
    QCOMPARE(scroll->value(), after);
}

// Options, "Inizia Partita", "Spara", angle and force, the shot, the
// winner's box and "Esci", all with key events alone.
void TestKeyboard::wholeMatchFromTheKeyboard() {
    vortalin::GameState& state = app->state();
    auto& form3 = app->form3();
    QString announced;
    QString winner;
    const auto keys = [](std::initializer_list<int> list) {
        return [list = std::vector<int>(list)] {
            for (const int key : list)
                press(key);
        };
    };
    Route route({
        // One planet (down from six), then Shift+Tab to "Fatto" and Space.
        {[&] { return isActive(app->form1()); },
         keys({Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left,
               Qt::Key_Backtab, Qt::Key_Space})},
        // The board for a sure hit: the two ships face to face, nothing between.
        {[&] { return isActive(board()) && board().isEnabled(); },
         [&] {
             QCOMPARE(state.options[vortalin::Option::planetCount], 1);
             state.planets = {};
             state.ships.x(0) = 300, state.ships.y(0) = 500;
             state.ships.x(1) = 1000, state.ships.y(1) = 500;
             board().drawplanet();
             keys({Qt::Key_F10, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return})();
         }},
        {[&] { return board().spara->isEnabled() && isActive(board()); },
         keys({Qt::Key_F10, Qt::Key_Right, Qt::Key_Right, Qt::Key_Return})},
        {[&] { return isActive(form3) && form3.Text1->hasFocus(); },
         [&] {
             const int shooter = state.shooterIndex();
             winner = QStringLiteral("Vince il giocatore %1").arg(shooter + 1);
             type(shooter == 0 ? "0" : "180"); // straight at the other ship
             press(Qt::Key_Tab);
             type("5000");
             press(Qt::Key_Tab);
             press(Qt::Key_Space);
         }},
        {[&] {
             auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
             if (box && QApplication::activeWindow() == box)
                 announced = box->text();
             return !announced.isEmpty();
         },
         keys({Qt::Key_Return})},
        {[&] { return !QApplication::activeModalWidget() && isActive(board()); },
         keys({Qt::Key_F10, Qt::Key_Left, Qt::Key_Return})},
    });
    app->form1().open(); // as the splash leaves it
    QTRY_VERIFY2_WITH_TIMEOUT(
        app->ending(), qPrintable(QStringLiteral("steps taken: %1").arg(route.reached())), 30000);
    QVERIFY(route.finished());
    QCOMPARE(announced, winner);
    QVERIFY(!board().spara->isEnabled()); // the match is over
}

// What a phone's keyboard the browser asks for as each control takes the
// focus: the keypad with a point and a sign for every box of numbers, the
// text keyboard for the map's name, none for a control that takes no text.
void TestKeyboard::phoneKeyboardFitsWhatTheControlTakes_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("keyboard");
    QTest::newRow("angle") << "Form3.Text1" << "decimal";
    QTest::newRow("force") << "Form3.Text2" << "decimal";
    QTest::newRow("map name") << "Form5.Text1" << "text";
    QTest::newRow("Spara") << "Form3.Command1" << "none";
    QTest::newRow("angle bar") << "Form3.VScroll1" << "none";
    QTest::newRow("drive list") << "Form5.Drive1" << "none";
    QTest::newRow("file list") << "Form5.File1" << "none";
    QTest::newRow("options' bar") << "Form1.HScroll1" << "none";
    QTest::newRow("check box") << "Form1.Check1" << "none";
    QTest::newRow("no focus") << "" << "none";
}

void TestKeyboard::phoneKeyboardFitsWhatTheControlTakes() {
    QFETCH(QString, control);
    QFETCH(QString, keyboard);
    std::map<QString, QWidget*> controls;
    controls["Form3.Text1"] = app->form3().Text1;
    controls["Form3.Text2"] = app->form3().Text2;
    controls["Form5.Text1"] = app->form5().Text1;
    controls["Form3.Command1"] = app->form3().Command1;
    controls["Form3.VScroll1"] = app->form3().VScroll1;
    controls["Form5.Drive1"] = app->form5().Drive1;
    controls["Form5.File1"] = app->form5().File1;
    controls["Form1.HScroll1"] = app->form1().HScroll1;
    controls["Form1.Check1"] = app->form1().Check1;
    controls[""] = nullptr;
    QCOMPARE(vortalin::ui::platform::keyboardFor(controls.at(control)), keyboard);
}

VORTALIN_FIXED_SCREEN_TEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
