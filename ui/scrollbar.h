#pragma once

#include <QScrollBar>

namespace vortalin::ui {

// A scroll bar whose keys and wheel move it as on every desktop: Left, Up,
// PageUp and the wheel turned up lower the value; Right, Down, PageDown and
// the wheel turned down raise it. Qt's own bar does all of that but Left and
// Right, which it ties to the same switch (inverted controls) and so runs
// the wrong way round; that switch keeps its default here.
class ScrollBar : public QScrollBar {
public:
    ScrollBar(Qt::Orientation orientation, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace vortalin::ui
