#pragma once

class QWidget;

namespace vortalin::ui {

// The one centring rule of every window: left = screen width / 2 - window
// width / 2, top likewise, in twips, single precision, by the outer size
// (the inner size until the window has been shown with its frame).
void centreOnScreen(QWidget& window);

} // namespace vortalin::ui
