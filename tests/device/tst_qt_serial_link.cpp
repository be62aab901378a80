#include "device/qt_serial_link.h"
#include "tests/support/pty_pair.h"

#include <QDeadlineTimer>
#include <QSerialPort>
#include <QTemporaryFile>
#include <QtTest>

namespace {
QByteArray readAtLeast(QSerialPort& port, int count) {
    QByteArray data;
    QDeadlineTimer deadline(5000);
    while (data.size() < count && !deadline.hasExpired())
        if (port.waitForReadyRead(50) || port.bytesAvailable() > 0)
            data += port.readAll();
    return data;
}
} // namespace

// The real port against a pseudo-terminal pair: what the sequences rely on.
class TestQtSerialLink : public QObject {
    Q_OBJECT
private slots:
    void init();
    void bytesReachTheFarEnd();
    void missingPortIsError8002();
    void notASerialDevice();
    void busyPortIsAnError();
    void deadLineIsAnErrorNotAHang();
};

void TestQtSerialLink::init() {
    if (QStandardPaths::findExecutable("socat").isEmpty())
        QSKIP("socat is not installed");
}

void TestQtSerialLink::bytesReachTheFarEnd() {
    PtyPair pair;
    QVERIFY(pair.isReady());
    QSerialPort far(pair.far());
    QVERIFY(far.open(QIODevice::ReadOnly));

    QtSerialLink link;
    link.configure(pair.near(), LineSettings{});
    // A pseudo-terminal has no DTR or RTS line; that must not stop the upload.
    QCOMPARE(link.open().has_value(), false);
    QCOMPARE(link.setBreak(true).has_value(), false);
    QCOMPARE(link.setBreak(false).has_value(), false);
    const QByteArray packets("\x12\xFF\xFF\x00\xFF\xFF\xFE\xFF\xFF", 9);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(link.write(packets.mid(3 * i, 3)).has_value(), false);
    link.close();
    QCOMPARE(readAtLeast(far, 9), packets);
}

void TestQtSerialLink::missingPortIsError8002() {
    QtSerialLink link;
    link.configure(QStringLiteral("/nonexistent/ttyKELVOR"), LineSettings{});
    const SerialResult error = link.open();
    QVERIFY(error.has_value());
    QCOMPARE(error->number, 8002);
}

void TestQtSerialLink::notASerialDevice() {
    QTemporaryFile file;
    QVERIFY(file.open());
    QtSerialLink link;
    link.configure(file.fileName(), LineSettings{});
    const SerialResult error = link.open();
    QVERIFY(error.has_value());
    QVERIFY(error->number != 8002);
    QVERIFY(!error->description.isEmpty());
    link.close();
}

void TestQtSerialLink::busyPortIsAnError() {
    PtyPair pair;
    QVERIFY(pair.isReady());
    QtSerialLink first;
    first.configure(pair.near(), LineSettings{});
    QVERIFY(!first.open().has_value());
    QtSerialLink second;
    second.configure(pair.near(), LineSettings{});
    const SerialResult error = second.open();
    QVERIFY(error.has_value());
    QVERIFY(error->number != 8002);
    // The first holder is not disturbed by the refused second one.
    QVERIFY(!first.write(QByteArray("\x01\xFF\xFF", 3)).has_value());
}

void TestQtSerialLink::deadLineIsAnErrorNotAHang() {
    PtyPair pair;
    QVERIFY(pair.isReady());
    QtSerialLink link;
    link.configure(pair.near(), LineSettings{});
    QVERIFY(!link.open().has_value());
    pair.kill();
    SerialResult error;
    for (int i = 0; i < 10 && !error; ++i)
        error = link.write(QByteArray("\x01\xFF\xFF", 3));
    QVERIFY(error.has_value());
    QVERIFY(!error->description.isEmpty());
    link.close();
}

QTEST_GUILESS_MAIN(TestQtSerialLink)
#include "tst_qt_serial_link.moc"
