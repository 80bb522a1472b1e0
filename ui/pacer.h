#pragma once

#include <cstdint>

namespace vortalin::ui {

// Holds a run of small units of work (flight steps, explosion passes) to a
// rate of so many a second, a display frame at a time. Time is handed in, in
// nanoseconds of a steady clock, so the rule can be checked without waiting.
class Pacer {
public:
    using Nanoseconds = std::int64_t;

    // A wait may end late by up to `mostFramesEarned` - 1 frames and still
    // earn its time; a little over one frame, unless the system's waits run
    // later than that.
    Pacer(double unitsPerSecond, Nanoseconds frame, double mostFramesEarned = 1.25);

    // Takes one unit's credit; false once the credit is spent: the caller
    // then waits until nextFrameAfter() and refills.
    bool spend() { return --m_credit >= 0; }

    // Credits the time up to `now`, then tells when a frame's worth of
    // credit will have been earned: `now` when it already has been.
    Nanoseconds nextFrameAfter(Nanoseconds now);

    // Credits the time since the last refill. A long hold-up (a message box,
    // a dragged window) earns little more than a frame: the pace starts
    // again from the present instead of racing to catch up.
    void refill(Nanoseconds now);

    double unitsPerFrame() const { return m_perFrame; }

private:
    double m_perNanosecond;
    double m_perFrame;
    double m_mostFramesEarned;
    double m_credit;
    Nanoseconds m_last = 0;
    bool m_started = false;
};

} // namespace vortalin::ui
