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

// Every wait is bounded: a hang fails the test instead of blocking it (the process
// object kills the program it still runs).
bool finished(QProcess& process) {
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit;
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
        QProcess frame;
        frame.start(QStringLiteral(KELVOR_CLI), {QStringLiteral("frame"), m_map});
        QVERIFY(finished(frame));
        m_frame = frame.readAllStandardOutput();
    }

    // A send from the command line or from the window's button; "cutAt" is the percentage
    // after which the line is cut, -1 for none.
    void sendReachesTheController_data() {
        QTest::addColumn<bool>("window");
        QTest::addColumn<int>("cutAt");
        QTest::newRow("command line") << false << -1;
        QTest::newRow("window") << true << -1;
        QTest::newRow("window, line cut mid-upload") << true << 20;
    }
    void sendReachesTheController() {
        QFETCH(bool, window);
        QFETCH(int, cutAt);
        PtyPair pair;
        QProcess sim;
        QVERIFY(startSimulator(sim, pair));
        if (window) {
            sendFromTheWindow(pair, cutAt);
        } else {
            QProcess cli;
            cli.start(QStringLiteral(KELVOR_CLI),
                      {QStringLiteral("send"), m_map, QStringLiteral("--port"), pair.near()});
            QVERIFY(finished(cli));
            QCOMPARE(cli.exitCode(), 0);
            QVERIFY(cli.readAllStandardError().contains("Data has been sent!"));
        }
        if (QTest::currentTestFailed() || cutAt >= 0)
            return;
        // The event loop of the window may have seen the simulator end already.
        QVERIFY(sim.state() == QProcess::NotRunning || finished(sim));
        const QString simErr = QString::fromUtf8(sim.readAllStandardError());
        QVERIFY2(sim.exitCode() == 0, qPrintable(simErr));
        QCOMPARE(sim.readAllStandardOutput(), m_frame);
        // The simulator's reading of the settings: a wrong one names what went wrong.
        for (const char* line : {"(bytes 24, 127)", "shape 40 x 6", "first cell: 12.5 degrees"})
            QVERIFY2(simErr.contains(QLatin1String(line)), qPrintable(simErr));
    }

    // A line cut while the command line holds the port, during the version break: one
    // message naming the cause, exit 4. A missing port is told through the window.
    void commandLineVersionOnACutLine() {
        PtyPair pair;
        QVERIFY(pair.isReady());
        QProcess cli;
        cli.start(QStringLiteral(KELVOR_CLI), {"version", "--port", pair.near()});
        QVERIFY(cli.waitForStarted(10000));
        QDeadlineTimer deadline(10000);
        const QString device = QFileInfo(pair.near()).symLinkTarget();
        while (!holdsOpen(cli.processId(), device) && !deadline.hasExpired())
            QThread::msleep(5);
        QVERIFY(!deadline.hasExpired());
        pair.kill();
        QVERIFY(finished(cli));
        const QString err = QString::fromUtf8(cli.readAllStandardError());
        QCOMPARE(cli.exitCode(), 4);
        QVERIFY2(err.contains(kLost), qPrintable(err));
    }

  private:
    void sendFromTheWindow(PtyPair& pair, int cutAt) {
        ScriptedDialogs dialogs;
        MainWindow window(dialogs, m_dir.filePath(QStringLiteral("kelvor-310.ini")));
        window.show();
        window.openCommandLineMap(m_map);
        window.serialActions().setPortResolver([&pair](int) { return pair.near(); });
        QSignalSpy sent(&window.serialActions(), &SerialActions::sendFinished);
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
        QVERIFY(sent.wait(20000));
        QTest::qWait(0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window.findChild<QWidget*>(QStringLiteral("Form2")));
        QCOMPARE(dialogs.calls().size(), cutAt >= 0 ? 1 : 0);
        QVERIFY(cutAt < 0 || dialogs.lastCall().text == kLost);
    }

    QTemporaryDir m_dir;
    const QString m_map = m_dir.filePath(QStringLiteral("test.klv"));
    QByteArray m_frame;
};

QTEST_MAIN(TestSerial)
#include "tst_serial.moc"
