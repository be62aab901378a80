#include "core/twips.h"
#include "tests/storage/test_files.h"
#include "tests/support/find_named.h"
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
    }

    // A send from the command line or from the window's button; "cutAt" is the percentage
    // after which the line is cut, -1 for none.
    void sendReachesTheController_data() {
        QTest::addColumn<bool>("fromWindow");
        QTest::addColumn<int>("cutAt");
        QTest::newRow("command line") << false << -1;
        QTest::newRow("window") << true << -1;
        QTest::newRow("window, line cut mid-upload") << true << 20;
    }
    void sendReachesTheController() {
        QFETCH(bool, fromWindow);
        QFETCH(int, cutAt);
        const QString map = goldenMap("shape1_time");
        PtyPair pair;
        QProcess sim;
        sim.start(QStringLiteral(KELVOR_CONTROLLER_SIM),
                  {pair.far(), QStringLiteral("--timeout-ms"), QStringLiteral("20000")});
        QVERIFY(pair.isReady() && sim.waitForStarted(10000));
        // The simulator says "ready" on stderr once it listens; the rest of stderr stays
        // unread until it ends.
        sim.setReadChannel(QProcess::StandardError);
        QTRY_VERIFY_WITH_TIMEOUT(sim.canReadLine(), 10000);
        QCOMPARE(sim.readLine(), "ready\n");
        sim.setReadChannel(QProcess::StandardOutput);
        if (!fromWindow) {
            QProcess cli;
            cli.start(QStringLiteral(KELVOR_CLI), {"send", map, "--port", pair.near()});
            QVERIFY(finished(cli));
            QCOMPARE(cli.exitCode(), 0);
            QVERIFY(cli.readAllStandardError().contains("Data has been sent!"));
        } else {
            ScriptedDialogs dialogs;
            MainWindow window(dialogs, m_dir.filePath(QStringLiteral("kelvor-310.ini")));
            window.show();
            window.openCommandLineMap(map);
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
            QTest::mouseClick(findNamed<QPushButton>(window.form(), "Command1"), Qt::LeftButton);
            QVERIFY(window.serialActions().isBusy());
            // A click on the save button while the map goes out must not reach it: an
            // unexpected save dialog would end this test at once.
            QTest::mouseClick(findNamed<QPushButton>(window.form(), "Command2"), Qt::LeftButton);
            QVERIFY(sent.wait(20000));
            QTRY_VERIFY(!window.findChild<QWidget*>(QStringLiteral("Form2")));
            QCOMPARE(dialogs.calls().size(), cutAt >= 0 ? 1 : 0);
            QVERIFY(cutAt < 0 || dialogs.lastCall().text == kLost);
        }
        if (QTest::currentTestFailed() || cutAt >= 0)
            return;
        // The event loop of the window may have seen the simulator end already.
        QVERIFY(sim.state() == QProcess::NotRunning || finished(sim));
        QCOMPARE(sim.readAllStandardOutput(), testFile("cli/golden/shape1_time.frame"));
        // The simulator's reading of the settings; a wrong frame adds what went wrong (and
        // only then does the simulator fail).
        QCOMPARE(sim.readAllStandardError(), testFile("e2e/golden/shape1_time.reading"));
    }

    // A line cut while the command line holds the port, during the version break: one
    // message naming the cause, exit 4. A missing port is told through the window.
    void commandLineVersionOnACutLine() {
        PtyPair pair;
        QVERIFY(pair.isReady());
        QProcess cli;
        cli.start(QStringLiteral(KELVOR_CLI), {"version", "--port", pair.near()});
        QVERIFY(cli.waitForStarted(10000));
        // Cut once the program holds the terminal open.
        const QString device = QFileInfo(pair.near()).symLinkTarget();
        QDeadlineTimer deadline(10000);
        const auto holdsOpen = [&] {
            const QDir fds(QStringLiteral("/proc/%1/fd").arg(cli.processId()));
            for (const QFileInfo& fd : fds.entryInfoList(QDir::System | QDir::NoDotAndDotDot))
                if (fd.symLinkTarget() == device)
                    return true;
            return false;
        };
        while (!holdsOpen() && !deadline.hasExpired())
            QThread::msleep(5);
        QVERIFY(!deadline.hasExpired());
        pair.kill();
        QVERIFY(finished(cli));
        const QString err = QString::fromUtf8(cli.readAllStandardError());
        QCOMPARE(cli.exitCode(), 4);
        QVERIFY2(err.contains(kLost), qPrintable(err));
    }

  private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestSerial)
#include "tst_serial.moc"
