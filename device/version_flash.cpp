#include "device/version_flash.h"

#include "device/clock.h"

namespace {
constexpr int kBreakMs = 1500;
}

VersionFlash::VersionFlash(SerialLink& link, Clock& clock) : m_link(link), m_clock(clock) {}

bool VersionFlash::start(const QString& portName) {
    if (m_running)
        return false;
    m_running = true;
    m_problem.reset();
    const int attempt = ++m_attempt;
    // A hang-up during the break is told at once, not when the break would end.
    m_link.setLineLostHandler([this](const SerialError& error) { fail(error); });
    m_link.configure(portName, LineSettings{});
    SerialResult error = m_link.open();
    if (!error)
        error = m_link.setBreak(true);
    if (error) {
        fail(*error);
        return true;
    }
    m_clock.after(kBreakMs, [this, attempt] { endBreak(attempt); });
    return true;
}

void VersionFlash::endBreak(int attempt) {
    if (!m_running || attempt != m_attempt)
        return;
    if (SerialResult error = m_link.setBreak(false)) {
        fail(*error);
        return;
    }
    m_link.close();
    m_link.setLineLostHandler({});
    m_running = false;
    emit finished(true);
}

void VersionFlash::fail(const SerialError& error) {
    ++m_attempt;
    m_link.close();
    m_link.setLineLostHandler({});
    m_problem = error;
    m_running = false;
    emit finished(false);
}
