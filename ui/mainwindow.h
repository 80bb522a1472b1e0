#pragma once

#include "game/flight.h"

#include <string_view>

class QWidget;

namespace vortalin::ui {

// The main window as the dialogs opened over it see it: the window to give
// back when they close, and the shot the fire dialog fires. Form2 is the one
// for real; dialog tests stand in a plain window.
class MainWindow {
public:
    virtual ~MainWindow() = default;
    virtual QWidget& window() = 0;
    virtual ShotResult fuoco(std::string_view angleText, std::string_view forceText) = 0;
};

} // namespace vortalin::ui
