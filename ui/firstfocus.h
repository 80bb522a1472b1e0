#pragma once

#include <QWidget>

namespace vortalin::ui {

// As a window opens: the focus goes to `first` or, when it cannot take it
// (disabled, hidden), to the next control in the tab order that can. Called
// at every opening, so a reopened window does not keep the focus where the
// player left it (a Space on "Fatto" would build a new map at once).
inline void focusFirstControl(QWidget& first) {
    QWidget* candidate = &first;
    do {
        if (candidate->window() == first.window() && candidate->isEnabled() &&
            candidate->isVisibleTo(first.window()) && (candidate->focusPolicy() & Qt::TabFocus)) {
            candidate->setFocus(Qt::TabFocusReason);
            return;
        }
        candidate = candidate->nextInFocusChain();
    } while (candidate && candidate != &first);
}

} // namespace vortalin::ui
