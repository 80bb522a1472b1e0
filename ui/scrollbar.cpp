#include "scrollbar.h"

#include <QKeyEvent>

namespace vortalin::ui {

ScrollBar::ScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent) {}

void ScrollBar::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key != Qt::Key_Left && key != Qt::Key_Right) {
        QScrollBar::keyPressEvent(event);
        return;
    }
    // The thumb goes the way the arrow points; a mirrored bar has its
    // minimum on the right.
    const bool mirrored = orientation() == Qt::Horizontal && isRightToLeft();
    const bool lower = (key == Qt::Key_Left) != mirrored;
    triggerAction(lower ? SliderSingleStepSub : SliderSingleStepAdd);
}

} // namespace vortalin::ui
