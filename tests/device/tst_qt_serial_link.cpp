#include "device/qt_serial_link.h"
#include "tests/support/pty_pair.h"

#include <QDeadlineTimer>
#include <QSerialPort>
#include <QTemporaryFile>
#include <QtTest>

// The real port against a pseudo-terminal pair: what the sequences rely on.
class TestQtSerialLink : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        if (QStandardPaths::findExecutable("socat").isEmpty())
            QSKIP("socat is not installed");
    }

    void bytesReachTheFarEnd() {
        PtyPair pair;
        QVERIFY(pair.isReady());
        QSerialPort far(pair.far());
        QVERIFY(far.open(QIODevice::ReadOnly));
        QtSerialLink link;
        link.configure(pair.near(), LineSettings{});
        // A pseudo-terminal has no DTR or RTS line; that must not stop the upload.
        QVERIFY(!link.open() && !link.setBreak(true) && !link.setBreak(false));
        const QByteArray packets("\x12\xFF\xFF\x00\xFF\xFF\xFE\xFF\xFF", 9);
        for (int i = 0; i < 3; ++i)
            QVERIFY(!link.write(packets.mid(3 * i, 3)));
        link.close();
        QByteArray received;
        QDeadlineTimer deadline(5000);
        while (received.size() < 9 && !deadline.hasExpired())
            if (far.waitForReadyRead(50) || far.bytesAvailable() > 0)
                received += far.readAll();
        QCOMPARE(received, packets);
    }

    // Only a port that does not exist is error 8002; any other refusal has its own text.
    void openErrors() {
        QTemporaryFile file;
        QVERIFY(file.open());
        PtyPair pair;
        QVERIFY(pair.isReady());
        QtSerialLink holder;
        holder.configure(pair.near(), LineSettings{});
        QVERIFY(!holder.open());
        for (const QString& port :
             {QStringLiteral("/nonexistent/ttyKELVOR"), QString(), file.fileName(), pair.near()}) {
            QtSerialLink link;
            link.configure(port, LineSettings{});
            const SerialResult error = link.open();
            QVERIFY2(error && !error->description.isEmpty(), qPrintable(port));
            QCOMPARE(error->number == 8002, port.isEmpty() || port.startsWith("/nonexistent"));
            link.close();
        }
        // The holder is not disturbed by the refused second opener.
        QVERIFY(!holder.write(QByteArray("\x01\xFF\xFF", 3)));
    }
};

QTEST_GUILESS_MAIN(TestQtSerialLink)
#include "tst_qt_serial_link.moc"
