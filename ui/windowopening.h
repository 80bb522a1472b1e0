#pragma once

#include <QWidget>

namespace vortalin::ui {

// A window loads once, when it is first opened; every opening brings it to
// the front.
template <typename Load>
void openWindow(QWidget& window, bool& loaded, Load load) {
    if (!loaded) {
        loaded = true;
        load();
    }
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace vortalin::ui
