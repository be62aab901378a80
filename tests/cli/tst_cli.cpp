#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using LineChanges = QList<QPair<int, QByteArray>>;

struct Run {
    int exitCode = -1;
    QString out, err;
};

Run runCli(const QStringList& arguments, const QString& locale = QStringLiteral("C")) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), locale);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(KELVOR_CLI), arguments);
    if (!process.waitForFinished(60000))
        qFatal("the command line program did not finish");
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString source(const QString& relative) {
    return QStringLiteral(KELVOR_SOURCE_DIR "/tests/") + relative;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

// A golden map file with some of its lines (1-based) replaced, written into `dir`.
QString variant(const QTemporaryDir& dir, const QString& name, const LineChanges& changes) {
    QList<QByteArray> lines = readAll(source("storage/golden/" + name + ".klv")).split('\n');
    for (const auto& [line, text] : changes)
        lines[line - 1] = text + '\r';
    const QString path = dir.filePath(name + "_variant.klv");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(lines.join('\n')) < 0)
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

} // namespace

class CliTest : public QObject {
    Q_OBJECT
  private slots:
    void frameAgreesWithTheDeviceRules_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("locale");
        for (const char* name :
             {"shape0_dwell", "shape1_time", "shape2_time", "shape3_dwell", "shape4_time"})
            for (const char* locale : {"C", "hu_HU.UTF-8"})
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(name, locale)))
                    << name << locale;
    }
    void frameAgreesWithTheDeviceRules() {
        QFETCH(QString, name);
        QFETCH(QString, locale);
        const Run run = runCli({"frame", source("storage/golden/" + name + ".klv")}, locale);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QString::fromLatin1(readAll(source("cli/golden/" + name + ".frame"))));
    }

    void imageListsTheWords() {
        const Run run = runCli({"image", source("storage/golden/shape2_time.klv")});
        QCOMPARE(run.exitCode, 0);
        const QStringList words = run.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(words.size(), 259);
        QCOMPARE(words.mid(240),
                 (QStringList{"91", "15", "23", "31", "35", "48", "63", "63", "63", "63", "63",
                              "63", "244", "47", "255", "0", "15", "78", "19"}));
        QCOMPARE(words[6], QStringLiteral("129")); // 0.3 degrees -> 0.5, row 1 level 1 on column 0
    }

    void showUsesTheLoadUnitAndTheLocale_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("firstRow");
        QTest::addColumn<QString>("setting");
        QTest::newRow("percent") << "shape2_time" << "C" << "RPM 30% 45% 61% 70% 95% 100% REV Limit"
                                 << "700 0.0 2.9 5.8 8.7 11.6 14.5 0%" << "Rev limit: 600 RPM";
        QTest::newRow("bar, comma") << "shape1_time" << "hu_HU.UTF-8"
                                    << "RPM 1,32 1,74 2,28 3,00 REV Limit"
                                    << "650 0,0 1,3 2,6 3,9 0%" << "Spark time: 1,2 ms";
    }
    void showUsesTheLoadUnitAndTheLocale() {
        QFETCH(QString, name);
        QFETCH(QString, locale);
        QFETCH(QString, header);
        QFETCH(QString, firstRow);
        QFETCH(QString, setting);
        const Run run = runCli({"show", source("storage/golden/" + name + ".klv")}, locale);
        QCOMPARE(run.exitCode, 0);
        QStringList lines;
        for (const QString& line : run.out.split('\n'))
            lines << line.simplified();
        const int headerAt = lines.indexOf(header);
        QVERIFY2(headerAt > 0 && lines[headerAt + 1] == firstRow, qPrintable(run.out));
        QVERIFY2(lines.contains(setting), qPrintable(run.out));
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<LineChanges>("changes"); // applied to shape2_time
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const LineChanges none;
        QTest::newRow("no command") << QStringList{} << none << 1 << "Usage:";
        QTest::newRow("two files") << QStringList{"show", "a", "b"} << none << 1 << "Usage:";
        QTest::newRow("missing file") << QStringList{"frame", "/nonexistent/map.klv"} << none << 2
                                      << "Wrong File!";
        QTest::newRow("wrong magic") << QStringList{"frame", "FILE"}
                                     << LineChanges{{1, "kelvor300"}} << 2 << "Wrong File!";
        QTest::newRow("cell beyond a byte") << QStringList{"frame", "FILE"}
                                            << LineChanges{{31, "640"}} << 3
                                            << "frame byte 6 is 256";
    }
    void refusals() {
        QFETCH(QStringList, arguments);
        QFETCH(LineChanges, changes);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QTemporaryDir dir;
        if (arguments.size() == 2 && arguments[1] == "FILE")
            arguments[1] = variant(dir, "shape2_time", changes);
        const Run run = runCli(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.out, QString());
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
    }

    void diffListsEachDifference_data() {
        QTest::addColumn<QString>("other"); // shape2_time with these changes, or another file
        QTest::addColumn<LineChanges>("changes");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::newRow("same") << "" << LineChanges{} << 0 << "";
        QTest::newRow("one cell") << "" << LineChanges{{31, "125"}} << 5
                                  << "cell RPM 900, load 30%: 0.3 -> 12.5 (+12.2)\n";
        QTest::newRow("setting and row rpm")
            << "" << LineChanges{{10, "700"}, {30, "950"}} << 5
            << "setting REV Limit (RPM): 600 -> 700\nsetting Row 2 RPM: 900 -> 950\n";
        QTest::newRow("other shape") << "shape4_time" << LineChanges{} << 5
                                     << "setting Resolution (RPM x Load): 40 x 6 -> 20 x 12";
        QTest::newRow("wrong file") << "" << LineChanges{{1, "kelvor300"}} << 2 << "";
    }
    void diffListsEachDifference() {
        QFETCH(QString, other);
        QFETCH(LineChanges, changes);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QTemporaryDir dir;
        const QString otherPath = other.isEmpty() ? variant(dir, "shape2_time", changes)
                                                  : source("storage/golden/" + other + ".klv");
        const Run run = runCli({"diff", source("storage/golden/shape2_time.klv"), otherPath});
        QCOMPARE(run.exitCode, exitCode);
        if (other.isEmpty()) // cells of another shape are not compared
            QCOMPARE(run.out, out);
        else
            QVERIFY2(run.out.startsWith(out) && !run.out.contains("cell"), qPrintable(run.out));
    }

    void revLimitRoundingCarriesIntoTheHighByte() {
        QTemporaryDir dir;
        const Run run = runCli({"frame", variant(dir, "shape2_time", {{10, "6111"}})});
        QCOMPARE(run.exitCode, 0);
        const QStringList last = run.out.split('\n')[15].split(' ');
        QCOMPARE(last.mid(9, 3), (QStringList{"18", "0F", "FF"}));
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"
