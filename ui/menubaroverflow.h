#pragma once

class QMenu;
class QMenuBar;

namespace vortalin::ui {

// On a screen too narrow for the menu bar (a phone held upright) its last
// titles give way to an overflow button, whose menu held them as submenus.
// The browser's Qt takes no tap in a submenu of a popup, so the overflow's
// menu lists the items of those menus itself, each menu's after the last,
// with the same captions and commands, each run once the menu has closed.
void listOverflowFlat(QMenuBar& bar);

// Does so to one overflow menu now: each submenu's place taken by its items.
void flattenOverflow(QMenu& overflow);

} // namespace vortalin::ui
