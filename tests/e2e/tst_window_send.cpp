#include "core/default_axes.h"
#include "core/find_widget.h"
#include "core/map_document.h"
#include "core/twips.h"
#include "storage/map_file.h"
#include "tests/support/pty_pair.h"
#include "tests/support/scripted_dialogs.h"
#include "ui/main_window.h"
#include "ui/serial_actions.h"

#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

// The window's send button over a pseudo-terminal pair to the controller simulator.
class TestWindowSend : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("socat")).isEmpty())
            QSKIP("socat is not installed");
        Twips::setLogicalDpi(96);
    }

    void sendButtonDeliversTheLoadedMap() {
        MapDocument document = MapDocument::startupDefaults(QStringLiteral("."));
        document.resolution = 4;
        DefaultLoadBreakpoints(document.loadBreakpoints, 12);
        document.revLimit = QStringLiteral("9000");
        document.cells[19][11] = QStringLiteral("40.0");
        const QString map = m_dir.filePath(QStringLiteral("window.klv"));
        QVERIFY(saveMapFile(map, document, QStringLiteral(".")).saved);

        PtyPair pair;
        QVERIFY(pair.isReady());
        QProcess sim;
        sim.start(QStringLiteral(KELVOR_CONTROLLER_SIM),
                  {pair.far(), QStringLiteral("--timeout-ms"), QStringLiteral("20000")});
        QVERIFY(sim.waitForStarted(10000));
        sim.setReadChannel(QProcess::StandardError);
        QVERIFY(sim.waitForReadyRead(10000) && sim.readLine() == "ready\n");
        sim.setReadChannel(QProcess::StandardOutput);

        ScriptedDialogs dialogs;
        MainWindow window(dialogs, m_dir.filePath(QStringLiteral("kelvor-310.ini")));
        window.show();
        window.openCommandLineMap(map);
        window.serialActions().setPortResolver([&pair](int) { return pair.near(); });
        QSignalSpy finished(&window.serialActions(), &SerialActions::sendFinished);

        QTest::mouseClick(findNamed<QPushButton>(window.form(), QStringLiteral("Command1")),
                          Qt::LeftButton);
        QVERIFY(window.serialActions().isBusy());
        // A click on the save button while the map goes out must not reach it: an
        // unexpected save dialog would end this test at once.
        QTest::mouseClick(findNamed<QPushButton>(window.form(), QStringLiteral("Command2")),
                          Qt::LeftButton);
        QVERIFY(QTest::qWaitFor(
            [&] {
                auto* progress = window.findChild<QWidget*>(QStringLiteral("Form2"));
                return progress && progress->isVisible();
            },
            10000));
        QVERIFY(finished.wait(20000));
        QTest::qWait(0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window.findChild<QWidget*>(QStringLiteral("Form2")));
        QVERIFY(dialogs.calls().isEmpty());

        // The event loop of the window may have seen the simulator end already.
        QVERIFY(sim.state() == QProcess::NotRunning || sim.waitForFinished(30000));
        QCOMPARE(sim.exitCode(), 0);
        QProcess cli;
        cli.start(QStringLiteral(KELVOR_CLI), {QStringLiteral("frame"), map});
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(sim.readAllStandardOutput(), cli.readAllStandardOutput());
    }

  private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestWindowSend)
#include "tst_window_send.moc"
