#pragma once

#include "device/clock.h"

#include <QList>
#include <map>

// A Clock whose waits cost nothing: run() fires the pending waits in time order,
// advancing the clock to each.
class FakeClock : public Clock {
  public:
    qint64 nowMs() const override { return m_now; }
    void after(int ms, std::function<void()> then) override;

    // Fires the earliest pending wait; false when none is left.
    bool step();
    // Fires waits until none is left.
    void run() {
        while (step()) {
        }
    }
    // The waits asked for that are more than a pass through the event loop.
    const QList<int>& realWaits() const { return m_realWaits; }

  private:
    qint64 m_now = 0;
    std::multimap<qint64, std::function<void()>> m_pending;
    QList<int> m_realWaits;
};
