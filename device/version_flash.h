#pragma once

#include "device/serial_link.h"

#include <QObject>

class Clock;

// Asks the controller to flash its version: a 1.5 s break on the line, nothing else.
// An error leaves the port closed and is kept for the caller to tell.
class VersionFlash : public QObject {
    Q_OBJECT
  public:
    VersionFlash(SerialLink& link, Clock& clock);

    // Returns false, doing nothing, while a request runs.
    bool start(const QString& portName);
    bool isRunning() const { return m_running; }
    // What ended the last request without success, until the next start.
    const SerialResult& problem() const { return m_problem; }

  signals:
    void finished(bool ok);

  private:
    void endBreak(int attempt);
    void fail(const SerialError& error);

    SerialLink& m_link;
    Clock& m_clock;
    SerialResult m_problem;
    int m_attempt = 0;
    bool m_running = false;
};
