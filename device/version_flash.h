#pragma once

#include "device/serial_link.h"

#include <QObject>

class Clock;
class Dialogs;
class LanguageTexts;

// Asks the controller to flash its version: a 1.5 s break on the line, nothing else.
// Errors get the upload's messages and leave the port closed.
class VersionFlash : public QObject {
    Q_OBJECT
  public:
    VersionFlash(SerialLink& link, Clock& clock, Dialogs& dialogs, const LanguageTexts& texts);

    // Returns false, doing nothing, while a request runs.
    bool start(const QString& portName);
    bool isRunning() const { return m_running; }

  signals:
    void finished(bool ok);

  private:
    void endBreak(int attempt);
    void fail(const SerialError& error);

    SerialLink& m_link;
    Clock& m_clock;
    Dialogs& m_dialogs;
    const LanguageTexts& m_texts;
    int m_attempt = 0;
    bool m_running = false;
};
