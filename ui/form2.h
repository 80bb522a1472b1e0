#pragma once

#include "boardwidget.h"
#include "game/board.h"
#include "game/flight.h"
#include "mainwindow.h"
#include "pacer.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>

#include <functional>

class QAction;

namespace vortalin::ui {

class Application;

// The main window: the board and the menu bar. It is the window the game
// sees around its canvas, the board widget.
class Form2 : public QMainWindow, public vortalin::BoardWindow, public MainWindow {
public:
    explicit Form2(Application& app);

    // Brings the body and ship pictures in line with the tables.
    int drawplanet();
    // Fires the shot of the player on turn with the fire dialog's texts.
    ShotResult fuoco(std::string_view angleText, std::string_view forceText) override;
    QWidget& window() override { return *this; }

    BoardWidget& board() { return *m_board; }
    const BoardWidget& board() const { return *m_board; }

    // Menu commands.
    void mappa_Click();
    void astronavi_Click();
    void inizia_Click();
    void Carmap_Click();
    void salvmap_Click();
    void opzionifuori_Click();
    void spara_Click();
    void help_Click();
    void about_Click();
    void esci_Click();

    // vortalin::BoardWindow; the board widget is the game's canvas.
    void repaint() override;
    void setFireEnabled(bool enabled) override;
    void setFireCaption(std::string_view caption) override;
    void message(std::string_view text) override;
    void explosionStep() override;
    [[nodiscard]] bool yield() override;
    ScreenSize screenSize() const override;

    // Where messages go instead of a message box; tests read them here.
    std::function<void(const QString&)> messageSink;

    // What a test of a paced flight waits for, instead of a time: the yields
    // so far, the waits for a next frame so far, and whether one is on now.
    long long yields() const { return m_yields; }
    long long framesWaited() const { return m_framesWaited; }
    bool waitingForFrame() const { return m_waitingForFrame; }

    // The menu tree, named as the menu items.
    QAction* gioco = nullptr;
    QAction* mappa = nullptr;
    QAction* astronavi = nullptr;
    QAction* inizia = nullptr;
    QAction* Carmap = nullptr;
    QAction* salvmap = nullptr;
    QAction* opzionigioco = nullptr;
    QAction* opzionifuori = nullptr;
    QAction* spara = nullptr;
    QAction* hel = nullptr;
    QAction* help = nullptr;
    QAction* t = nullptr;
    QAction* about = nullptr;
    QAction* fine = nullptr;
    QAction* esci = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildMenus();
    QWidget* messageOwner();
    bool paced() const;
    bool waitForNextFlightFrame();
    void waitInEventLoop(Pacer::Nanoseconds until);

    static constexpr qint64 yieldIntervalNs = 1'000'000;
    static constexpr long long stepsPerClockReading = 32;

    Application& m_app;
    BoardWidget* m_board = nullptr;
    QElapsedTimer m_sinceEvents; // since the last pass of the event loop
    QElapsedTimer m_clock;       // the pacers' time
    Pacer m_flightPace;
    Pacer m_explosionPace;
    QTimer m_wake; // ends a wait for the next frame when no event comes first
    long long m_yields = 0;
    long long m_framesWaited = 0;
    bool m_waitingForFrame = false;
};

} // namespace vortalin::ui
