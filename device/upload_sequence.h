#pragma once

#include "device/frame_build.h"
#include "device/serial_problem.h"

#include <QObject>

class Clock;
class UploadProgress;

// The upload to the controller as a chain of steps on the event loop: check the frame,
// open the port, hold a 0.5 s break, send 256 packets (frame byte, 0xFF, 0xFF) while
// the progress counts, close the port, confirm and close the progress. Any error ends it
// with the port closed and the progress gone, and is kept for the caller to tell.
class UploadSequence : public QObject {
    Q_OBJECT
  public:
    enum class Outcome { Sent, Refused, Failed };
    Q_ENUM(Outcome)

    UploadSequence(SerialLink& link, Clock& clock, UploadProgress& progress);

    // Returns false, doing nothing, while an upload runs.
    bool start(const QString& portName, const FrameBuild& build);
    bool isRunning() const { return m_running; }
    // What ended the last upload without sending, until the next start.
    const std::optional<SerialProblem>& problem() const { return m_problem; }

  signals:
    void finished(UploadSequence::Outcome outcome);

  private:
    void after(int ms, std::function<void()> step);
    void endBreak();
    void sendPacket(int k);
    void showSent();
    void fail(Outcome outcome, SerialProblem problem);
    void finish(Outcome outcome);

    SerialLink& m_link;
    Clock& m_clock;
    UploadProgress& m_progress;
    std::optional<SerialProblem> m_problem;
    DeviceFrame m_frame{};
    int m_squaresShown = 0;
    int m_attempt = 0;
    bool m_running = false;
};
