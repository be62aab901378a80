#include "tests/support/recording_serial_link.h"

#include "device/clock.h"

void RecordingSerialLink::failAt(const QString& op, int occurrence, const SerialError& error) {
    m_failures.insert({op, occurrence}, error);
}

QStringList RecordingSerialLink::ops() const {
    QStringList result;
    for (const Call& call : m_calls)
        result.append(call.op);
    return result;
}

QByteArray RecordingSerialLink::written() const {
    QByteArray result;
    for (const Call& call : m_calls)
        result += call.bytes;
    return result;
}

void RecordingSerialLink::clear() {
    m_calls.clear();
    m_failures.clear();
    m_counts.clear();
}

SerialResult RecordingSerialLink::record(const QString& op, const QByteArray& bytes) {
    const int occurrence = m_counts[op]++;
    const auto failure = m_failures.constFind({op, occurrence});
    if (failure != m_failures.cend())
        return *failure;
    m_calls.append({op, bytes, m_clock ? m_clock->nowMs() : 0});
    return std::nullopt;
}

void RecordingSerialLink::configure(const QString& portName, const LineSettings& settings) {
    m_portName = portName;
    m_settings = settings;
    record(QStringLiteral("configure"));
}

SerialResult RecordingSerialLink::open() {
    SerialResult error = record(QStringLiteral("open"));
    m_open = !error;
    return error;
}

SerialResult RecordingSerialLink::setBreak(bool on) {
    return record(on ? QStringLiteral("break on") : QStringLiteral("break off"));
}

SerialResult RecordingSerialLink::write(const QByteArray& bytes) {
    return record(QStringLiteral("write"), bytes);
}

void RecordingSerialLink::close() {
    if (m_open)
        record(QStringLiteral("close"));
    m_open = false;
}
