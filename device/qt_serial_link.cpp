#include "device/qt_serial_link.h"

#include <QSocketNotifier>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <termios.h>
#endif

namespace {
// Far longer than three bytes take at 2400 baud, short enough that a dead line is
// reported instead of hanging the upload.
constexpr int kWriteTimeoutMs = 2000;
constexpr int kErrorBase = 8100;

SerialError lineLost() {
    return {kErrorBase + static_cast<int>(QSerialPort::ResourceError),
            LocalText::entry(MessageId::LineLostDetail)};
}

QSerialPort::Parity parityOf(char parity) {
    switch (parity) {
    case 'e':
        return QSerialPort::EvenParity;
    case 'o':
        return QSerialPort::OddParity;
    default:
        return QSerialPort::NoParity;
    }
}
} // namespace

QtSerialLink::QtSerialLink() = default;

QtSerialLink::~QtSerialLink() {
    close();
}

void QtSerialLink::configure(const QString& portName, const LineSettings& settings) {
    m_settings = settings;
    m_port.setPortName(portName);
    m_port.setBaudRate(settings.baudRate);
    m_port.setParity(parityOf(settings.parity));
    m_port.setDataBits(static_cast<QSerialPort::DataBits>(settings.dataBits));
    m_port.setStopBits(settings.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
}

SerialError QtSerialLink::currentError() const {
    if (hungUp())
        return lineLost();
    if (m_port.error() == QSerialPort::DeviceNotFoundError)
        return {kPortMissingError, m_port.errorString()};
    return {kErrorBase + static_cast<int>(m_port.error()), m_port.errorString()};
}

SerialResult QtSerialLink::open() {
    close();
    m_port.clearError();
    // A list item with no port behind it resolves to no name: the port does not exist.
    if (m_port.portName().isEmpty())
        return SerialError{kPortMissingError, QStringLiteral("No such port")};
    // Nothing is ever read; write-only, the port keeps no watch on input of its own.
    if (!m_port.open(QIODevice::WriteOnly))
        return currentError();
    SerialResult error = setLine(&QSerialPort::setDataTerminalReady, m_settings.dataTerminalReady);
    if (!error)
        error = setLine(&QSerialPort::setRequestToSend, m_settings.requestToSend);
    if (error)
        close();
    else
        watchLine();
    return error;
}

// A line the device cannot drive (a pseudo-terminal has no DTR) is no failure.
SerialResult QtSerialLink::setLine(bool (QSerialPort::*setter)(bool), bool on) {
    if ((m_port.*setter)(on))
        return std::nullopt;
    if (m_port.error() == QSerialPort::UnsupportedOperationError) {
        m_port.clearError();
        return std::nullopt;
    }
    return currentError();
}

SerialResult QtSerialLink::setBreak(bool on) {
    if (!m_port.setBreakEnabled(on))
        return currentError();
    return std::nullopt;
}

SerialResult QtSerialLink::write(const QByteArray& bytes) {
    if (m_port.write(bytes) != bytes.size())
        return writeError();
    while (m_port.bytesToWrite() > 0)
        if (!m_port.waitForBytesWritten(kWriteTimeoutMs))
            return writeError();
    return drain();
}

SerialError QtSerialLink::writeError() const {
    if (hungUp() || m_port.error() == QSerialPort::TimeoutError)
        return currentError();
    return {kErrorBase + static_cast<int>(QSerialPort::WriteError),
            LocalText::entry(MessageId::WriteFailedDetail)};
}

// Qt hands the bytes to the driver; the driver's queue is waited out here so that the
// caller's progress follows the line, not the buffer.
SerialResult QtSerialLink::drain() {
#ifdef Q_OS_WIN
    if (FlushFileBuffers(m_port.handle()))
        return std::nullopt;
    return writeError();
#else
    int result;
    do
        result = tcdrain(m_port.handle());
    while (result != 0 && errno == EINTR);
    if (result == 0)
        return std::nullopt;
    const int cause = errno; // before the hang-up check can change it
    if (hungUp())
        return lineLost();
    return SerialError{kErrorBase + static_cast<int>(QSerialPort::WriteError),
                       QString::fromLocal8Bit(std::strerror(cause))};
#endif
}

void QtSerialLink::close() {
    // Only disabled: close() may run from the watch's own signal.
    if (m_watch)
        m_watch->setEnabled(false);
    if (m_port.isOpen())
        m_port.close();
}

// The far end hanging up shows as a hang-up on our side of the line.
bool QtSerialLink::hungUp() const {
#ifdef Q_OS_WIN
    return false;
#else
    if (!m_port.isOpen())
        return false;
    pollfd line{static_cast<int>(m_port.handle()), 0, 0};
    return poll(&line, 1, 0) > 0 && (line.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
#endif
}

// A hang-up while the port is open (during a break, say) is told at once. Windows tells
// a lost device through the next call on the port instead.
void QtSerialLink::watchLine() {
#ifndef Q_OS_WIN
    m_watch.reset();
    m_watch = std::make_unique<QSocketNotifier>(m_port.handle(), QSocketNotifier::Read);
    QObject::connect(m_watch.get(), &QSocketNotifier::activated, [this] { onLineActivity(); });
#endif
}

void QtSerialLink::onLineActivity() {
#ifndef Q_OS_WIN
    if (hungUp()) {
        close();
        reportLineLost(lineLost());
        return;
    }
    // What the device sends is of no use here; dropped, it does not wake the watch again.
    tcflush(static_cast<int>(m_port.handle()), TCIFLUSH);
#endif
}
