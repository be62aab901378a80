#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

class ProgramOptionsTest : public QObject {
    Q_OBJECT
  private slots:
    void answersHelpAndVersion_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("pattern");
        const QString cli = QStringLiteral(KELVOR_CLI);
        const QString app = QStringLiteral(KELVOR_APP);
        QTest::newRow("cli help") << cli << "--help"
                                  << "^Usage: kelvor310-cli .*Exit status:";
        QTest::newRow("cli version") << cli << "--version"
                                     << "^kelvor310-cli \\d+\\.\\d+\\.\\d+\n$";
        QTest::newRow("app help") << app << "--help"
                                  << "^Usage: kelvor310 \\[options\\] \\[FILE.klv\\]";
        QTest::newRow("app version") << app << "--version"
                                     << "^kelvor310 \\d+\\.\\d+\\.\\d+\n$";
    }
    // Without a display: the window program answers before it starts the window system.
    void answersHelpAndVersion() {
        QFETCH(QString, program);
        QFETCH(QString, option);
        QFETCH(QString, pattern);
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("none"));
        process.setProcessEnvironment(env);
        process.start(program, {option});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        QVERIFY2(QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption)
                     .match(out)
                     .hasMatch(),
                 qPrintable(out));
    }

    // Any other argument is the map file, which may be missing or odd; the window stays.
    void windowKeepsRunningForOtherArguments_data() {
        QTest::addColumn<QString>("argument");
        QTest::newRow("unknown option") << "--bogus";
    }
    void windowKeepsRunningForOtherArguments() {
        QFETCH(QString, argument);
        QProcess process;
        process.setWorkingDirectory(QDir::tempPath());
        process.start(QStringLiteral(KELVOR_APP), {argument});
        QVERIFY(process.waitForStarted());
        QVERIFY2(!process.waitForFinished(2000), process.readAllStandardError().constData());
        process.kill();
        process.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(ProgramOptionsTest)
#include "tst_program_options.moc"
