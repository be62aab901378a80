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
                QTest::addRow("%s %s", name, locale) << name << locale;
    }
    void frameAgreesWithTheDeviceRules() {
        QFETCH(QString, name);
        QFETCH(QString, locale);
        const Run run = runCli({"frame", source("storage/golden/" + name + ".klv")}, locale);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QString::fromLatin1(readAll(source("cli/golden/" + name + ".frame"))));
    }

    // One run per row on a golden map with some lines replaced: the exit code, and a
    // text that standard output (exit 0) or standard error (else) must hold; a refused
    // run writes nothing on standard output.
    void commands_data() {
        QTest::addColumn<QStringList>("arguments"); // FILE stands for the changed map
        QTest::addColumn<QString>("name");
        QTest::addColumn<LineChanges>("changes");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("expected"); // compared with blanks simplified
        const QString hu = "hu_HU.UTF-8";
        const QStringList frame = {"frame", "FILE"}, show = {"show", "FILE"};
        const auto row = [](const char* name, const QStringList& arguments, const char* file,
                            const LineChanges& changes, const QString& locale, int exitCode,
                            const QString& expected) {
            QTest::newRow(name) << arguments << QString(file) << changes << locale << exitCode
                                << expected;
        };
        row("image settings", {"image", "FILE"}, "shape2_time", {}, "C", 0,
            "91 15 23 31 35 48 63 63 63 63 63 63 244 47 255 0 15 78 19");
        row("show percent", show, "shape2_time", {}, "C", 0,
            "RPM 30% 45% 61% 70% 95% 100% REV Limit 700 0.0 2.9 5.8 8.7 11.6 14.5 0%");
        row("show bar, comma", show, "shape1_time", {}, hu, 0,
            "RPM 1,32 1,74 2,28 3,00 REV Limit 650 0,0 1,3 2,6 3,9 0%");
        // The MAP maximum is stored as typed; either separator is read, so a map saved on
        // a Hungarian PC works on an English one and back.
        row("MAP maximum , in C", show, "shape1_time", {{10, "2,5"}}, "C", 0, "2.50 REV Limit");
        row("rev limit rounding carries into the high byte", frame, "shape2_time", {{10, "6111"}},
            "C", 0, "18 0F FF");
        row("no command", {}, "", {}, "C", 1, "Usage:");
        row("missing file", {"frame", "/nonexistent/map.klv"}, "", {}, "C", 2, "Wrong File!");
        row("wrong magic", frame, "shape2_time", {{1, "kelvor300"}}, "C", 2, "Wrong File!");
        // Values out of range are named and never become a frame.
        const QString cell = "The advance in row 2, column 1 (64.0) is outside 0.0 .. 63.5";
        row("image", {"image", "FILE"}, "shape2_time", {{31, "640"}}, "C", 3, cell);
        // A first load boundary above 3.1 V with the top dwell correction overflows byte 240.
        row("send names the overflowing byte", {"send", "FILE", "--port", "/nonexistent/tty"},
            "shape3_dwell",
            {{11, "400"},
             {12, "410"},
             {13, "420"},
             {14, "430"},
             {15, "440"},
             {16, "450"},
             {17, "460"},
             {20, "181.5"}},
            "C", 3, "frame byte 240 is 256");
        row("send", {"send", "FILE", "--port", "/nonexistent/tty"}, "shape2_time", {{18, "99"}},
            "C", 3, "The Spark Time (9.9)");
    }
    void commands() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, name);
        QFETCH(LineChanges, changes);
        QFETCH(QString, locale);
        QFETCH(int, exitCode);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        if (arguments.contains("FILE"))
            arguments.replace(1, variant(dir, name, changes));
        const Run run = runCli(arguments, locale);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2((exitCode == 0 ? run.out : run.err).simplified().contains(expected),
                 qPrintable(run.out + run.err));
        QCOMPARE(exitCode == 0 ? run.err : run.out, QString());
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
};

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"
