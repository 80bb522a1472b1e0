#pragma once

#include "speed.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace vortalin::ui {

class Application;

// The options dialog: how the next maps are built and how fast shots fly.
// Top-level and modeless; created once, afterwards hidden and shown as left.
class Form1 : public QWidget {
public:
    Form1(Application& app, SpeedClock clock);

    // Shows the dialog; the first time, Form_Load measures and sets it up.
    void open();

    // Handlers.
    void Form_Load();
    void HScroll1_Change();
    void HScroll2_Change();
    void Command1_Click();
    void Command2_Click();

    QLabel* Label1 = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QLabel* Label2 = nullptr;
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QCheckBox* Check3 = nullptr;
    QCheckBox* Check4 = nullptr;
    QScrollBar* HScroll2 = nullptr;
    std::array<QLabel*, 2> Label3{};
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QCheckBox* Check5 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command1 = nullptr;

protected:
    // Only this dialog is on screen then: closing it ends the program.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildNarrowArrangement();
    void buildChecks();
    void buildSpeedControls();
    void connectHandlers();
    void storeOptions();

    Application& m_app;
    SpeedClock m_clock;
    bool m_loaded = false;
    bool m_boardShown = false;
};

} // namespace vortalin::ui
