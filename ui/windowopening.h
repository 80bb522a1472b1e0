#pragma once

#include <QWidget>
#include <QWindow>

namespace vortalin::ui {

// A window loads once, when it is first opened; every opening brings it to
// the front. Shown as it is: show() would give it the screen where the
// platform wants every window so (the browser's Qt).
template <typename Load> void openWindow(QWidget& window, bool& loaded, Load load) {
    if (!loaded) {
        loaded = true;
        load();
    }
    window.setVisible(true);
    window.raise();
    window.activateWindow();
}

// Tells the window system that the dialog belongs to the main window, so
// that it stays above it whatever the player clicks; on Wayland nothing else
// can keep it in sight. A parent widget would do the same but would take the
// dialog down with the main window when that is disabled.
inline void keepAbove(QWidget& dialog, QWidget& mainWindow) {
    dialog.winId();
    mainWindow.winId();
    dialog.windowHandle()->setTransientParent(mainWindow.windowHandle());
}

// A dialog over the main window: the main window stays disabled while the
// dialog is open. The dialog is top-level, so it stays usable.
template <typename Open>
void openOverMainWindow(QWidget& mainWindow, QWidget& dialog, Open open) {
    mainWindow.setEnabled(false);
    keepAbove(dialog, mainWindow);
    open();
}

// Every way out of a dialog over the main window gives it back usable and in
// front.
inline void giveBackMainWindow(QWidget& mainWindow) {
    mainWindow.setEnabled(true);
    mainWindow.setVisible(true);
    mainWindow.raise();
    mainWindow.activateWindow();
}

} // namespace vortalin::ui
