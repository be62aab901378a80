#include "device/qt_serial_link.h"
#include "tests/support/pty_pair.h"

#include <QSerialPort>
#include <QTemporaryFile>
#include <QtTest>

// The real port's refusals, against a pseudo-terminal pair.
class TestQtSerialLink : public QObject {
    Q_OBJECT
  private slots:
    // Only a port that does not exist is error 8002; any other refusal has its own text.
    void openErrors() {
        if (QStandardPaths::findExecutable("socat").isEmpty())
            QSKIP("socat is not installed");
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
