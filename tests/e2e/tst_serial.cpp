#include "core/map_document.h"
#include "storage/map_file.h"
#include "tests/support/pty_pair.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

namespace {
struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

// Every wait is bounded: a hang fails the test instead of blocking it (the process
// object kills the program it still runs).
Run runCli(const QStringList& args) {
    QProcess cli;
    cli.start(QStringLiteral(KELVOR_CLI), args);
    if (!cli.waitForFinished(30000) || cli.exitStatus() != QProcess::NormalExit)
        return {};
    return {cli.exitCode(), QString::fromUtf8(cli.readAllStandardOutput()),
            QString::fromUtf8(cli.readAllStandardError())};
}

// The simulator says "ready" on stderr once it listens; the rest of stderr stays unread.
bool waitForReady(QProcess& sim) {
    if (!sim.waitForStarted(10000))
        return false;
    sim.setReadChannel(QProcess::StandardError);
    QDeadlineTimer deadline(10000);
    bool ready = false;
    while (!ready && !deadline.hasExpired() && sim.state() == QProcess::Running)
        ready = sim.waitForReadyRead(50) && sim.canReadLine() && sim.readLine() == "ready\n";
    sim.setReadChannel(QProcess::StandardOutput);
    return ready;
}

// True once process `pid` holds the terminal `device` open.
bool holdsOpen(qint64 pid, const QString& device) {
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QFileInfo& fd : fds.entryInfoList(QDir::System | QDir::NoDotAndDotDot))
        if (fd.symLinkTarget() == device)
            return true;
    return false;
}
} // namespace

// The command-line program against a controller simulator on a pseudo-terminal pair.
class TestSerial : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("socat")).isEmpty())
            QSKIP("socat is not installed");
        MapDocument document = MapDocument::startupDefaults(QStringLiteral("."));
        document.revLimit = QStringLiteral("6000");
        document.cells[0][0] = QStringLiteral("12.5");
        document.cells[39][5] = QStringLiteral("63.5");
        document.revCutLevel[2] = 3;
        QVERIFY(saveMapFile(m_map, document, QStringLiteral(".")).saved);
    }

    void sendDeliversTheFrame() {
        PtyPair pair;
        QVERIFY(pair.isReady());
        QProcess sim;
        sim.start(QStringLiteral(KELVOR_CONTROLLER_SIM),
                  {pair.far(), QStringLiteral("--timeout-ms"), QStringLiteral("20000")});
        QVERIFY(waitForReady(sim));

        const Run send =
            runCli({QStringLiteral("send"), m_map, QStringLiteral("--port"), pair.near()});
        QCOMPARE(send.exitCode, 0);
        QVERIFY2(send.err.contains(QStringLiteral("Data has been sent!")), qPrintable(send.err));

        QVERIFY(sim.waitForFinished(30000));
        const QString simErr = QString::fromUtf8(sim.readAllStandardError());
        QVERIFY2(sim.exitCode() == 0, qPrintable(simErr));
        const Run frame = runCli({QStringLiteral("frame"), m_map});
        QCOMPARE(frame.exitCode, 0);
        QCOMPARE(QString::fromUtf8(sim.readAllStandardOutput()), frame.out);
        // The simulator's reading of the settings: a wrong one names what went wrong.
        for (const char* line : {"(bytes 24, 127)", "shape 40 x 6", "first cell: 12.5 degrees"})
            QVERIFY2(simErr.contains(QLatin1String(line)), qPrintable(simErr));
    }

    void lineCutDuringUploadIsReported() {
        PtyPair pair;
        QVERIFY(pair.isReady());
        const QString device = QFileInfo(pair.near()).symLinkTarget();
        QProcess cli;
        cli.start(QStringLiteral(KELVOR_CLI),
                  {QStringLiteral("send"), m_map, QStringLiteral("--port"), pair.near()});
        QVERIFY(cli.waitForStarted(10000));
        // Cut the line while the program holds the port, during the wake-up break.
        QDeadlineTimer deadline(10000);
        while (!holdsOpen(cli.processId(), device) && !deadline.hasExpired())
            QThread::msleep(5);
        QVERIFY(!deadline.hasExpired());
        pair.kill();

        QVERIFY(cli.waitForFinished(30000));
        const QString err = QString::fromUtf8(cli.readAllStandardError());
        QCOMPARE(cli.exitCode(), 4);
        QVERIFY2(err.contains(QStringLiteral("VORTAMIX: [ERROR: Serial Port]: '")),
                 qPrintable(err));
        QVERIFY(!err.contains(QStringLiteral("Data has been sent!")));
    }

    void failures_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const QString missing = "The selected 'Com Port' does not exist! Choose another one!";
        QTest::newRow("send to a missing port")
            << QStringList{"send", "@map", "--port", "/nonexistent/ttyKELVOR"} << 4 << missing;
        QTest::newRow("version to a missing port")
            << QStringList{"version", "--port", "/nonexistent/ttyKELVOR"} << 4 << missing;
    }
    // "@map" stands for the test map.
    void failures() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const Run run = runCli(args.replaceInStrings(QStringLiteral("@map"), m_map));
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
    }

  private:
    QTemporaryDir m_dir;
    const QString m_map = m_dir.filePath(QStringLiteral("test.klv"));
};

QTEST_GUILESS_MAIN(TestSerial)
#include "tst_serial.moc"
