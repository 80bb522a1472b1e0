#pragma once

#include "game/game.h"
#include "game/gamestate.h"
#include "game/random.h"
#include "speed.h"

#include <memory>

class QWidget;

namespace vortalin::ui {

class Form1;
class Form2;
class Form3;
class Form4;
class Form5;
class Form6;

// The one object that owns the game's tables, its random generator and the
// six windows. Each window is created on first use, then only hidden and shown.
//
//   window  what it is                      opened by                      opens
//   Form4   splash                          Modulo1::Main                  Form1, by its timer
//   Form1   options dialog                  Form4; Form2 "Opzioni"         Form2, by "Fatto"
//   Form2   main window: board and menus    Form1 "Fatto"                  Form3, Form5 over
//   itself;
//                                                                          Form1, Form6 beside it
//   Form3   fire dialog                     Form2 "Spara", over Form2      fires through
//   Form2::fuoco Form5   map file dialog                 Form2 "Carica/Salva mappa",    -
//                                           over Form2
//   Form6   about box                       Form2 "About"                  -
//
// Windows reach each other through this object. A dialog "over" the main
// window opens through openOverMainWindow() and every way out of it goes
// through giveBackMainWindow() (ui/windowopening.h); the others open
// through openWindow().
class Application {
public:
    Application();
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    GameState& state() { return m_state; }
    Random& random() { return m_random; }
    // The game's procedures work on this; it draws on the main window.
    Game& game();

    // Windows. Dialogs are top-level, not children of Form2: disabling the
    // main window must leave them usable.
    Form1& form1();
    Form2& form2();
    Form4& form4();
    Form3& form3();
    Form5& form5();
    Form6& form6();

    // The clock the options dialog measures the machine's speed with.
    SpeedClock speedClock = monotonicSeconds;

    // Flights and explosions on the main window keep the pace of the
    // animation value instead of the machine's; tests and benchmarks that
    // only need the outcome switch it off.
    bool paced() const { return m_paced; }
    void setPaced(bool paced) { m_paced = paced; }

    // Ends the program at once, even from inside a flight: the flight sees
    // the ending at its next yield and returns, then the event loop ends.
    void quit();
    bool ending() const { return m_ending; }

    // The fire dialog or the map file dialog, whichever is open over the
    // main window; null when neither is.
    QWidget* openDialog() const;
    // Brings it to the front.
    void raiseOpenDialog();

private:
    GameState m_state;
    GameRandom m_random;
    // Windows, declared before the game that draws on them.
    std::unique_ptr<Form2> m_form2;
    std::unique_ptr<Game> m_game;
    // Dialogs that reach the game, declared after it so they go first.
    std::unique_ptr<Form3> m_form3;
    std::unique_ptr<Form5> m_form5;
    std::unique_ptr<Form1> m_form1;
    std::unique_ptr<Form4> m_form4;
    std::unique_ptr<Form6> m_form6;
    bool m_ending = false;
    bool m_paced = true;
};

} // namespace vortalin::ui
