#include "pacer.h"

#include <algorithm>
#include <cmath>

namespace vortalin::ui {

Pacer::Pacer(double unitsPerSecond, Nanoseconds frame, double mostFramesEarned)
    : m_perNanosecond(unitsPerSecond / 1e9), m_perFrame(m_perNanosecond * double(frame)),
      m_mostFramesEarned(mostFramesEarned), m_credit(m_perFrame) {}

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
    m_credit = std::min(m_credit + earned, m_mostFramesEarned * m_perFrame);
    m_last = now;
    m_started = true;
}

} // namespace vortalin::ui
