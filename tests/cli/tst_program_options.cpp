#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

class ProgramOptionsTest : public QObject {
    Q_OBJECT
  private slots:
    // Without a display: the window program answers before it starts the window system.
    // Any other argument is the map file, which may be missing or odd; the window stays.
    void answersHelpAndVersion_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("pattern"); // empty: the window keeps running
        const QString cli = QStringLiteral(KELVOR_CLI), app = QStringLiteral(KELVOR_APP);
        QTest::newRow("cli help") << cli << "--help"
                                  << "^Usage: kelvor310-cli .*Exit status:";
        QTest::newRow("cli version") << cli << "--version"
                                     << "^kelvor310-cli \\d+\\.\\d+\\.\\d+\n$";
        QTest::newRow("app help") << app << "--help"
                                  << "^Usage: kelvor310 \\[options\\] \\[FILE.klv\\]";
        QTest::newRow("app version") << app << "--version"
                                     << "^kelvor310 \\d+\\.\\d+\\.\\d+\n$";
        QTest::newRow("app, unknown option") << app << "--bogus"
                                             << "";
    }
    void answersHelpAndVersion() {
        QFETCH(QString, program);
        QFETCH(QString, option);
        QFETCH(QString, pattern);
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!pattern.isEmpty())
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("none"));
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(QDir::tempPath());
        process.start(program, {option});
        QVERIFY(process.waitForStarted());
        if (pattern.isEmpty()) {
            QVERIFY2(!process.waitForFinished(2000), process.readAllStandardError().constData());
            return process.kill(); // the process object waits for its end
        }
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        QVERIFY2(QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption)
                     .match(out)
                     .hasMatch(),
                 qPrintable(out));
    }
};

QTEST_GUILESS_MAIN(ProgramOptionsTest)
#include "tst_program_options.moc"
