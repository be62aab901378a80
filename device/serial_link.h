#pragma once

#include "core/local_text.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <utility>

// An error of the serial line as the user sees it: a number and a description.
struct SerialError {
    int number = 0;
    LocalText description;
};

// The numbers the messages depend on: a port that does not exist gets its own message;
// a frame byte that does not fit and a field that is not a number are reported like
// serial errors with these numbers.
constexpr int kPortMissingError = 8002;
constexpr int kOverflowError = 6;
constexpr int kTypeMismatchError = 13;

using SerialResult = std::optional<SerialError>;

// "2400,n,8,1" with DTR on and RTS off; the controller reads nothing else.
struct LineSettings {
    int baudRate = 2400;
    char parity = 'n';
    int dataBits = 8;
    int stopBits = 1;
    bool dataTerminalReady = true;
    bool requestToSend = false;
};

// The serial port as the upload and the version flash drive it. Nothing is ever read.
class SerialLink {
  public:
    virtual ~SerialLink() = default;

    // Chooses the port and its line parameters; they take effect, in this order, on open.
    virtual void configure(const QString& portName, const LineSettings& settings) = 0;
    virtual SerialResult open() = 0;
    virtual SerialResult setBreak(bool on) = 0;
    // Returns only once the bytes have left the port.
    virtual SerialResult write(const QByteArray& bytes) = 0;
    // Harmless when the port is not open.
    virtual void close() = 0;

    // Called from the event loop when the far end hangs up while the port is open, so a
    // wait (the break) can end at once; the port is closed by then.
    void setLineLostHandler(std::function<void(const SerialError&)> handler) {
        m_lineLost = std::move(handler);
    }

  protected:
    void reportLineLost(const SerialError& error) {
        // A copy: the handler may replace itself.
        if (const auto handler = m_lineLost)
            handler(error);
    }

  private:
    std::function<void(const SerialError&)> m_lineLost;
};
