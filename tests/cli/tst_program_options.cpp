#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

class ProgramOptionsTest : public QObject {
    Q_OBJECT
  private slots:
    // Without a display: the window program answers before it starts the window system.
    // Any other argument is the map file, which may be missing or odd; the window stays.
    // The version both programs give is checked with the installed package.
    void answersHelpOrStays_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("pattern"); // empty: the window keeps running
        for (const auto& [command, pattern] :
             std::initializer_list<std::pair<const char*, const char*>>{
                 {"kelvor310-cli --help", "(?s)^Usage: kelvor310-cli .*Exit status:"},
                 {"kelvor310 --help", "^Usage: kelvor310 \\[options\\] \\[FILE.klv\\]"},
                 {"kelvor310 --bogus", ""}})
            QTest::newRow(command) << QString(command) << QString(pattern);
    }
    void answersHelpOrStays() {
        QFETCH(QString, command);
        QFETCH(QString, pattern);
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!pattern.isEmpty())
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("none"));
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(QDir::tempPath());
        process.start(command.startsWith("kelvor310-cli") ? KELVOR_CLI : KELVOR_APP,
                      {command.section(' ', 1)});
        QVERIFY(process.waitForStarted());
        if (pattern.isEmpty()) {
            QVERIFY2(!process.waitForFinished(2000), process.readAllStandardError().constData());
            return process.kill(); // the process object waits for its end
        }
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        QVERIFY2(out.contains(QRegularExpression(pattern)), qPrintable(out));
    }
};

QTEST_GUILESS_MAIN(ProgramOptionsTest)
#include "tst_program_options.moc"
