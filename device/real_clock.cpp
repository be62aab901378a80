#include "device/real_clock.h"

#include <QTimer>

RealClock::RealClock() {
    m_elapsed.start();
}

qint64 RealClock::nowMs() const {
    return m_elapsed.elapsed();
}

void RealClock::after(int ms, std::function<void()> then) {
    // Precise timers never fire early, so a break is never shorter than asked.
    QTimer::singleShot(ms, Qt::PreciseTimer, this, std::move(then));
}
