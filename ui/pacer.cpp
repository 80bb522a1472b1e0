#include "pacer.h"

#include <algorithm>
#include <cmath>

namespace vortalin::ui {

namespace {

// A little over one frame, so a wait that ends late still earns its time.
constexpr double mostFramesEarned = 1.25;

} // namespace

Pacer::Pacer(double unitsPerSecond, Nanoseconds frame)
    : m_perNanosecond(unitsPerSecond / 1e9), m_perFrame(m_perNanosecond * double(frame)),
      m_credit(m_perFrame) {}

Pacer::Nanoseconds Pacer::nextFrameAfter(Nanoseconds now) {
    refill(now);
    const double missing = m_perFrame - m_credit;
    if (missing <= 0)
        return now;
    return now + Nanoseconds(std::ceil(missing / m_perNanosecond));
}

void Pacer::refill(Nanoseconds now) {
    // The first refill has no earlier time to count from.
    const double earned = m_started ? double(now - m_last) * m_perNanosecond : 0;
    m_credit = std::min(m_credit + earned, mostFramesEarned * m_perFrame);
    m_last = now;
    m_started = true;
}

} // namespace vortalin::ui
