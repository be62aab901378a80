#pragma once

#include "device/frame_build.h"

#include <QObject>

class Clock;
class Dialogs;
class LanguageTexts;
class UploadProgress;

// The upload to the controller as a chain of steps on the event loop: check the frame,
// open the port, hold a 0.5 s break, send 256 packets (frame byte, 0xFF, 0xFF) while
// the progress counts, close the port, confirm and close the progress. Any error ends it
// with one message, the port closed and the progress gone.
class UploadSequence : public QObject {
    Q_OBJECT
  public:
    enum class Outcome { Sent, Refused, Failed };
    Q_ENUM(Outcome)

    UploadSequence(SerialLink& link, Clock& clock, UploadProgress& progress, Dialogs& dialogs,
                   const LanguageTexts& texts);

    // Returns false, doing nothing, while an upload runs.
    bool start(const QString& portName, const FrameBuild& build);
    bool isRunning() const { return m_running; }

  signals:
    void finished(UploadSequence::Outcome outcome);

  private:
    void after(int ms, std::function<void()> step);
    void endBreak();
    void sendPacket(int k);
    void showSent();
    void fail(Outcome outcome, const SerialError& error);
    void finish(Outcome outcome);

    SerialLink& m_link;
    Clock& m_clock;
    UploadProgress& m_progress;
    Dialogs& m_dialogs;
    const LanguageTexts& m_texts;
    DeviceFrame m_frame{};
    int m_squaresShown = 0;
    int m_attempt = 0;
    bool m_running = false;
};
