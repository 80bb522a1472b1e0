#pragma once

class QWidget;

namespace vortalin::ui {

// The one centring rule of every window: left = screen width / 2 - window
// width / 2, top likewise, in twips, single precision, on the primary
// screen, by the outer size. A window not yet framed is centred again once
// the window manager has given it its frame.
void centreOnScreen(QWidget& window);

// A screen that turned or shrank (a phone's browser) may leave a shown
// window partly off it: each such window is centred again by the same rule.
// The board, maximised, follows the screen by itself.
void centreWindowsLeftOffScreen();

// Lays the windows out for the screen as it is now (a narrow screen takes
// the narrow arrangements), then centres again each shown window that changed
// its arrangement or was left partly off the screen.
void fitWindowsToScreen();

// Does so whenever the primary screen changes its size.
void keepWindowsOnScreen();

} // namespace vortalin::ui
