#pragma once

#include "device/serial_link.h"

#include <QList>
#include <QMap>
#include <QPair>

class Clock;

// A SerialLink double: records every call with the clock's time and fails the calls the
// test scripted (say the 101st write) with the given error.
class RecordingSerialLink : public SerialLink {
  public:
    struct Call {
        QString op; // "configure", "open", "break on", "break off", "write", "close"
        QByteArray bytes;
        qint64 timeMs = 0;
    };

    explicit RecordingSerialLink(const Clock* clock = nullptr) : m_clock(clock) {}

    // Fails the call number `occurrence` (0-based) of the operation `op`.
    void failAt(const QString& op, int occurrence, const SerialError& error);

    const QList<Call>& calls() const { return m_calls; }
    QStringList ops() const;
    QByteArray written() const;
    QString portName() const { return m_portName; }
    LineSettings settings() const { return m_settings; }
    bool isOpen() const { return m_open; }
    // The far end hangs up now, while the port is open.
    void loseLine(const SerialError& error) {
        m_open = false;
        reportLineLost(error);
    }
    void clear();

    void configure(const QString& portName, const LineSettings& settings) override;
    SerialResult open() override;
    SerialResult setBreak(bool on) override;
    SerialResult write(const QByteArray& bytes) override;
    void close() override;

  private:
    SerialResult record(const QString& op, const QByteArray& bytes = {});

    const Clock* m_clock;
    QList<Call> m_calls;
    QMap<QPair<QString, int>, SerialError> m_failures;
    QMap<QString, int> m_counts;
    QString m_portName;
    LineSettings m_settings;
    bool m_open = false;
};
