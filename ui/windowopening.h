#pragma once

#include <QWidget>

namespace vortalin::ui {

// A window loads once, when it is first opened; every opening brings it to
// the front.
template <typename Load> void openWindow(QWidget& window, bool& loaded, Load load) {
    if (!loaded) {
        loaded = true;
        load();
    }
    window.show();
    window.raise();
    window.activateWindow();
}

// A dialog over the main window: the main window stays disabled while the
// dialog is open. The dialog is top-level, so it stays usable.
template <typename Open> void openOverMainWindow(QWidget& mainWindow, Open open) {
    mainWindow.setEnabled(false);
    open();
}

// Every way out of a dialog over the main window gives it back usable and in
// front.
inline void giveBackMainWindow(QWidget& mainWindow) {
    mainWindow.setEnabled(true);
    mainWindow.show();
    mainWindow.raise();
    mainWindow.activateWindow();
}

} // namespace vortalin::ui
