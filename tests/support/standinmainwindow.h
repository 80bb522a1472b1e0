#pragma once

#include "game/flight.h"
#include "ui/mainwindow.h"

#include <QWidget>

namespace vortalin::test {

// A plain window in the main window's place for a dialog under test; its
// shots fly on the game the dialog works on.
class StandInMainWindow final : public ui::MainWindow {
public:
    explicit StandInMainWindow(Game& game) : m_game(game) {}
    QWidget& window() override { return widget; }
    ShotResult fuoco(std::string_view angleText, std::string_view forceText) override {
        return vortalin::fuoco(m_game, angleText, forceText);
    }

    QWidget widget;

private:
    Game& m_game;
};

} // namespace vortalin::test
