#pragma once

#include "aimdial.h"
#include "game/game.h"
#include "mainwindow.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QWindow;

namespace vortalin::ui {

// The fire dialog: the player on turn sets angle and force and fires.
// Top-level, so that disabling the main window leaves it usable; every way
// out enables the main window again.
class Form3 : public QWidget {
public:
    Form3(Game& game, MainWindow& mainWindow);

    // Shows the dialog for the player on turn, over the main window; the
    // caller has set the caption.
    void open();

    // Handlers.
    void Form_Activate();
    void VScroll1_Change();
    void HScroll1_Change();
    void Text1_LostFocus();
    void Text2_lostfocus();
    void Command1_Click();

    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Command1 = nullptr;
    QScrollBar* VScroll1 = nullptr;
    QScrollBar* HScroll1 = nullptr;
    AimDial* Shape1 = nullptr;
    // The needle starts at the dial's centre; only its end point moves.
    LineControl Line1{3690, 570, 3690, 1005};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The frame's close box: hide, fire nothing, give the main window back.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void drawAimLine(double angle);
    void centre();
    void focusWindowChanged(QWindow* window);
    bool ownsWindow(const QWindow* window) const;

    Game& m_game;
    MainWindow& m_mainWindow;
    // Another window of the program was active since the dialog last was:
    // coming back to the dialog then counts as an activation.
    bool m_leftForOwnWindow = false;
};

} // namespace vortalin::ui
