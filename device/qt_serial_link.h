#pragma once

#include "device/serial_link.h"

#include <QSerialPort>

// The serial port of the machine. A port that does not exist is error 8002; every other
// failure is numbered 8100 + QSerialPort's error code and described by Qt's text.
class QtSerialLink : public SerialLink {
public:
    void configure(const QString& portName, const LineSettings& settings) override;
    SerialResult open() override;
    SerialResult setBreak(bool on) override;
    SerialResult write(const QByteArray& bytes) override;
    void close() override;

private:
    SerialError currentError() const;
    SerialResult setLine(bool (QSerialPort::*setter)(bool), bool on);
    SerialResult drain();

    QSerialPort m_port;
    LineSettings m_settings;
};
