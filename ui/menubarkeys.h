#pragma once

class QMenuBar;

namespace vortalin::ui {

// Puts the menu bar within reach of a player without a mouse, alike in every
// style and on every platform: a tap of Alt selects the first title, F10
// opens the first menu; then the arrows move, Enter chooses, Escape leaves.
// The captions stay as they are: no access keys, no shortcuts.
void reachFromKeyboard(QMenuBar& bar);

} // namespace vortalin::ui
