#include "core/find_widget.h"
#include "core/map_document.h"
#include "core/twips.h"
#include "storage/map_file.h"
#include "tests/support/pty_pair.h"
#include "tests/support/scripted_dialogs.h"
#include "ui/main_window.h"
#include "ui/serial_actions.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QtTest>

namespace {
const QString kLost = "[ERROR: Serial Port]: 'The device was disconnected.' Error Code: 8106";

struct Run {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

// Every wait is bounded: a hang fails the test instead of blocking it (the process
// object kills the program it still runs).
Run runCli(const QStringList& args) {
    QProcess cli;
    cli.start(QStringLiteral(KELVOR_CLI), args);
    if (!cli.waitForFinished(30000) || cli.exitStatus() != QProcess::NormalExit)
        return {};
    return {cli.exitCode(), cli.readAllStandardOutput(),
            QString::fromUtf8(cli.readAllStandardError())};
}

// The simulator says "ready" on stderr once it listens; the rest of stderr stays unread.
bool startSimulator(QProcess& sim, const PtyPair& pair) {
    sim.start(QStringLiteral(KELVOR_CONTROLLER_SIM),
              {pair.far(), QStringLiteral("--timeout-ms"), QStringLiteral("20000")});
    if (!pair.isReady() || !sim.waitForStarted(10000))
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

// Both programs against a controller simulator on a pseudo-terminal pair, and a line
// that is cut under them.
class TestSerial : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("socat")).isEmpty())
            QSKIP("socat is not installed");
        Twips::setLogicalDpi(96);
        MapDocument document = MapDocument::startupDefaults(QStringLiteral("."));
        document.revLimit = QStringLiteral("6000");
        document.cells[0][0] = QStringLiteral("12.5");
        document.cells[39][5] = QStringLiteral("63.5");
        document.revCutLevel[2] = 3;
        QVERIFY(saveMapFile(m_map, document, QStringLiteral(".")).saved);
    }

    void commandLineSendDeliversTheFrame() {
        PtyPair pair;
        QProcess sim;
        QVERIFY(startSimulator(sim, pair));
        const Run send =
            runCli({QStringLiteral("send"), m_map, QStringLiteral("--port"), pair.near()});
        QCOMPARE(send.exitCode, 0);
        QVERIFY2(send.err.contains(QStringLiteral("Data has been sent!")), qPrintable(send.err));

        QVERIFY(sim.waitForFinished(30000));
        const QString simErr = QString::fromUtf8(sim.readAllStandardError());
        QVERIFY2(sim.exitCode() == 0, qPrintable(simErr));
        QCOMPARE(sim.readAllStandardOutput(), runCli({QStringLiteral("frame"), m_map}).out);
        // The simulator's reading of the settings: a wrong one names what went wrong.
        for (const char* line : {"(bytes 24, 127)", "shape 40 x 6", "first cell: 12.5 degrees"})
            QVERIFY2(simErr.contains(QLatin1String(line)), qPrintable(simErr));
    }

    // A missing port, and a line cut while the program holds the port (during the wake-up
    // break or the version break): one message naming the cause, exit 4, nothing sent.
    void commandLineFailures_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        const QString missing = "The selected 'Com Port' does not exist! Choose another one!";
        QTest::newRow("send to a missing port")
            << QStringList{"send", "@map", "--port", "/nonexistent/ttyKELVOR"} << missing;
        QTest::newRow("version, line cut") << QStringList{"version", "--port", "@pty"} << kLost;
    }
    // "@map" stands for the test map, "@pty" for a pseudo-terminal that is cut.
    void commandLineFailures() {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        PtyPair pair;
        QVERIFY(pair.isReady());
        const bool cut = args.contains(QStringLiteral("@pty"));
        args.replaceInStrings(QStringLiteral("@map"), m_map);
        args.replaceInStrings(QStringLiteral("@pty"), pair.near());
        QProcess cli;
        cli.start(QStringLiteral(KELVOR_CLI), args);
        QVERIFY(cli.waitForStarted(10000));
        QDeadlineTimer deadline(10000);
        const QString device = QFileInfo(pair.near()).symLinkTarget();
        while (cut && !holdsOpen(cli.processId(), device) && !deadline.hasExpired())
            QThread::msleep(5);
        QVERIFY(!deadline.hasExpired());
        pair.kill();
        QVERIFY(cli.waitForFinished(30000));
        const QString err = QString::fromUtf8(cli.readAllStandardError());
        QCOMPARE(cli.exitCode(), 4);
        QVERIFY2(err.contains(message), qPrintable(err));
        QVERIFY(!err.contains(QStringLiteral("Data has been sent!")));
    }

    // The send button; "cutAt" is the percentage after which the line is cut, -1 for none.
    void windowSend_data() {
        QTest::addColumn<int>("cutAt");
        QTest::newRow("delivered") << -1;
        QTest::newRow("line cut mid-upload") << 20;
    }
    void windowSend() {
        QFETCH(int, cutAt);
        PtyPair pair;
        QProcess sim;
        QVERIFY(startSimulator(sim, pair));
        ScriptedDialogs dialogs;
        MainWindow window(dialogs, m_dir.filePath(QStringLiteral("kelvor-310.ini")));
        window.show();
        window.openCommandLineMap(m_map);
        window.serialActions().setPortResolver([&pair](int) { return pair.near(); });
        QSignalSpy finished(&window.serialActions(), &SerialActions::sendFinished);
        // Runs between the packets, which go out one per pass of the event loop.
        QTimer cutter;
        connect(&cutter, &QTimer::timeout, this, [&] {
            auto* progress = window.findChild<QWidget*>(QStringLiteral("Form2"));
            auto* percent = progress ? progress->findChild<QLabel*>("Label2") : nullptr;
            if (percent && percent->text().chopped(1).toInt() >= cutAt) {
                cutter.stop();
                pair.kill();
            }
        });
        if (cutAt >= 0) {
            cutter.start(0);
            dialogs.answerMessage(Dialogs::Answer::Ok);
        }

        QTest::mouseClick(findNamed<QPushButton>(window.form(), QStringLiteral("Command1")),
                          Qt::LeftButton);
        QVERIFY(window.serialActions().isBusy());
        // A click on the save button while the map goes out must not reach it: an
        // unexpected save dialog would end this test at once.
        QTest::mouseClick(findNamed<QPushButton>(window.form(), QStringLiteral("Command2")),
                          Qt::LeftButton);
        QVERIFY(finished.wait(20000));
        QTest::qWait(0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window.findChild<QWidget*>(QStringLiteral("Form2")));
        if (cutAt >= 0) {
            QCOMPARE(dialogs.calls().size(), 1);
            QCOMPARE(dialogs.lastCall().text, kLost);
            sim.kill();
            sim.waitForFinished(5000);
            return;
        }
        QVERIFY(dialogs.calls().isEmpty());
        // The event loop of the window may have seen the simulator end already.
        QVERIFY(sim.state() == QProcess::NotRunning || sim.waitForFinished(30000));
        QCOMPARE(sim.exitCode(), 0);
        QCOMPARE(sim.readAllStandardOutput(), runCli({QStringLiteral("frame"), m_map}).out);
    }

  private:
    QTemporaryDir m_dir;
    const QString m_map = m_dir.filePath(QStringLiteral("test.klv"));
};

QTEST_MAIN(TestSerial)
#include "tst_serial.moc"
