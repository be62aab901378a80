#pragma once

#include "device/serial_link.h"

#include <QSerialPort>
#include <memory>

class QSocketNotifier;

// The serial port of the machine. A port that does not exist is error 8002; every other
// failure is numbered 8100 + QSerialPort's error code and described by Qt's text, except
// a line whose far end hung up and a write that failed, which say so in the user's words
// (Qt's text for them can be that of an older, unrelated system error).
class QtSerialLink : public SerialLink {
  public:
    QtSerialLink();
    ~QtSerialLink() override;

    void configure(const QString& portName, const LineSettings& settings) override;
    SerialResult open() override;
    SerialResult setBreak(bool on) override;
    SerialResult write(const QByteArray& bytes) override;
    void close() override;

  private:
    SerialError currentError() const;
    SerialError writeError() const;
    SerialResult setLine(bool (QSerialPort::*setter)(bool), bool on);
    SerialResult drain();
    bool hungUp() const;
    void watchLine();
    void onLineActivity();

    QSerialPort m_port;
    LineSettings m_settings;
    std::unique_ptr<QSocketNotifier> m_watch;
};
