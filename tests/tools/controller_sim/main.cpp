// Stands in for the controller at the far end of a serial line: reads one upload,
// checks every packet, prints the frame as hex on stdout and the decoded settings and
// any problem on stderr. Exit code 0 for exactly 256 well-formed packets.
//
// controller_sim PORT [--timeout-ms N]
#include "frame_decoder.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QSerialPort>
#include <QTextStream>

namespace {
// Once a whole frame is in, this much silence ends the upload.
constexpr int kQuietMs = 500;
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QTextStream err(stderr);
    int timeoutMs = 30000;
    const int timeoutAt = args.indexOf(QStringLiteral("--timeout-ms"));
    if (timeoutAt >= 0 && timeoutAt + 1 < args.size()) {
        timeoutMs = args[timeoutAt + 1].toInt();
        args.remove(timeoutAt, 2);
    }
    if (args.size() != 1) {
        err << "Usage: controller_sim PORT [--timeout-ms N]\n";
        return 2;
    }

    QSerialPort port(args[0]);
    port.setBaudRate(2400);
    if (!port.open(QIODevice::ReadOnly)) {
        err << "cannot open " << args[0] << ": " << port.errorString() << '\n';
        return 2;
    }
    err << "ready\n";
    err.flush();

    QByteArray received;
    QElapsedTimer quiet;
    quiet.start();
    QDeadlineTimer deadline(timeoutMs);
    bool hungUp = false;
    while (!deadline.hasExpired()) {
        if (port.waitForReadyRead(50)) {
            received += port.readAll();
            quiet.restart();
        } else if (port.error() == QSerialPort::ResourceError) {
            hungUp = true; // the sender's side is gone
            break;
        }
        if (received.size() >= 768 && quiet.elapsed() >= kQuietMs)
            break;
    }
    received += port.readAll();

    QStringList problems;
    // A pseudo-terminal carries no break; a real line shows it as one zero byte first.
    if (received.size() == 769 && received.at(0) == 0) {
        err << "break seen\n";
        received.remove(0, 1);
    }
    if (deadline.hasExpired())
        problems << QStringLiteral("timed out after %1 ms").arg(timeoutMs);
    const QByteArray frame = frameFromPackets(received, problems);
    QTextStream(stdout) << frameAsHex(frame);
    for (const QString& line : describeFrame(frame))
        err << line << '\n';
    if (hungUp && frame.size() != 256)
        problems << QStringLiteral("the line went down");
    for (const QString& problem : problems)
        err << "problem: " << problem << '\n';
    return problems.isEmpty() ? 0 : 1;
}
