#pragma once

#include <QtGlobal>
#include <functional>

// Time for the serial sequences. They never block: each wait hands the rest of the work
// to `after`, so the windows keep repainting and tests can run every wait at once.
class Clock {
  public:
    virtual ~Clock() = default;

    // Monotonic milliseconds.
    virtual qint64 nowMs() const = 0;
    // Runs `then` from the event loop once `ms` milliseconds have passed; 0 only lets
    // pending events run first.
    virtual void after(int ms, std::function<void()> then) = 0;
};
