#pragma once

#include <cstdint>

namespace vortalin::ui {

// Holds a run of small units of work (flight steps, explosion passes) to a
// rate of so many a second, a display frame at a time. Time is handed in, in
// nanoseconds of a steady clock, so the rule can be checked without waiting.
class Pacer {
public:
    using Nanoseconds = std::int64_t;

    Pacer(double unitsPerSecond, Nanoseconds frame);

    // Takes one unit's credit; false once the credit is spent: the caller
    // then refills, waits until nextFrame() and refills again.
    bool spend() { return --m_credit >= 0; }

    // When a frame's worth of credit will have been earned; `now` or earlier
    // when it already has been.
    Nanoseconds nextFrame(Nanoseconds now) const;

    // Credits the time since the last refill. A long hold-up (a message box,
    // a dragged window) earns little more than a frame: the pace starts
    // again from the present instead of racing to catch up.
    void refill(Nanoseconds now);

    double unitsPerFrame() const { return m_perFrame; }

private:
    double m_perNanosecond;
    double m_perFrame;
    double m_credit;
    Nanoseconds m_last = 0;
    bool m_started = false;
};

} // namespace vortalin::ui
