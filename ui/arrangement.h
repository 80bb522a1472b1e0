#pragma once

#include <QObject>
#include <QRect>
#include <QSize>

#include <utility>
#include <vector>

class QWidget;

namespace vortalin::ui {

// A window wider than a phone held upright has a second, narrow
// arrangement of the same controls: the same sizes, captions and tab order,
// placed one group under another. It takes it only on a screen narrower than
// the window as designed, frame included; everywhere else the window stays
// as catalogued. The window owns its arrangement as a child.
class Arrangement : public QObject {
public:
    // Built once the window's controls lie at their catalogued places: those
    // and the window's size are its designed arrangement. `narrow` gives the
    // window's client size and each moved control's place in the other one.
    Arrangement(QWidget& window, QSize narrowSize,
                const std::vector<std::pair<QWidget*, QRect>>& narrow);

    bool isNarrow() const { return m_narrow; }

    // Lays the window out for a screen `screenWidth` pixels wide; true when
    // that changed its arrangement.
    bool fitTo(int screenWidth);

    // The window's own, if it has one.
    static Arrangement* of(const QWidget& window);

private:
    struct Place {
        QWidget* control;
        QRect designed;
        QRect narrow;
    };

    void apply(bool narrow);

    QWidget& m_window;
    QSize m_designedSize;
    QSize m_narrowSize;
    std::vector<Place> m_places;
    bool m_narrow = false;
};

// The one rule: a screen narrower than the window as designed, with its
// frame (the frame it has, or a browser's 8 pixels before it has one), takes
// the narrow arrangement.
bool screenTooNarrow(int screenWidth, const QWidget& window, int designedWidth);

// The primary screen's width in pixels (0 without a screen).
int screenWidth();

// Lays every window that has an arrangement out for the primary screen;
// gives those whose arrangement changed.
std::vector<QWidget*> arrangeWindowsForScreen();

} // namespace vortalin::ui
