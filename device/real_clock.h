#pragma once

#include "device/clock.h"

#include <QElapsedTimer>
#include <QObject>

// The clock of the running program: the event loop's precise timers.
class RealClock : public QObject, public Clock {
    Q_OBJECT
  public:
    RealClock();

    qint64 nowMs() const override;
    void after(int ms, std::function<void()> then) override;

  private:
    QElapsedTimer m_elapsed;
};
