#include "device/version_flash.h"

#include "device/clock.h"
#include "device/serial_error_message.h"

namespace {
constexpr int kBreakMs = 1500;
}

VersionFlash::VersionFlash(SerialLink& link, Clock& clock, Dialogs& dialogs,
                           const LanguageTexts& texts)
    : m_link(link), m_clock(clock), m_dialogs(dialogs), m_texts(texts) {}

bool VersionFlash::start(const QString& portName) {
    if (m_running)
        return false;
    m_running = true;
    m_link.configure(portName, LineSettings{});
    SerialResult error = m_link.open();
    if (!error)
        error = m_link.setBreak(true);
    if (error) {
        fail(*error);
        return true;
    }
    m_clock.after(kBreakMs, [this] { endBreak(); });
    return true;
}

void VersionFlash::endBreak() {
    if (SerialResult error = m_link.setBreak(false)) {
        fail(*error);
        return;
    }
    m_link.close();
    m_running = false;
    emit finished(true);
}

void VersionFlash::fail(const SerialError& error) {
    m_link.close();
    reportSerialError(error, m_dialogs, m_texts);
    m_running = false;
    emit finished(false);
}
