#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

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
QString golden(const QString& name) {
    return source("storage/golden/" + name + ".klv");
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

// A golden map file with some lines replaced, written into `dir`. `changes` reads
// "LINE=TEXT ..." with 1-based lines; a "|" in TEXT ends a line, so lines can be added.
QString variant(const QTemporaryDir& dir, const QString& name, const QString& changes) {
    QList<QByteArray> lines = readAll(golden(name)).split('\n');
    for (const QString& change : changes.split(' ', Qt::SkipEmptyParts))
        lines[change.section('=', 0, 0).toInt() - 1] =
            change.section('=', 1).replace('|', "\r\n").toUtf8() + '\r';
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
    // The frames agree with the device rules in either locale. Maps of other shapes are
    // compared by their settings only.
    void outputsMatchTheirGoldenFiles_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("output"); // in tests/cli/golden
        for (const char* name :
             {"shape0_dwell", "shape1_time", "shape2_time", "shape3_dwell", "shape4_time"})
            for (const char* locale : {"C", "hu_HU.UTF-8"})
                QTest::addRow("frame %s %s", name, locale)
                    << QStringList{"frame", golden(name)} << locale << QString(name) + ".frame";
        QTest::newRow("diff of two shapes")
            << QStringList{"diff", golden("shape2_time"), golden("shape4_time")} << "C"
            << "shape2_shape4.diff";
    }
    void outputsMatchTheirGoldenFiles() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, locale);
        QFETCH(QString, output);
        const Run run = runCli(arguments, locale);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, arguments[0] == "diff" ? 5 : 0);
        QCOMPARE(run.out, QString::fromUtf8(readAll(source("cli/golden/" + output))));
    }

    // One run per row on a golden map with some lines replaced: the exit code, and a
    // text that standard output (exit 0, or 5 for maps that differ) or standard error
    // (else) must hold; a refused run writes nothing on standard output.
    void commands_data() {
        QTest::addColumn<QStringList>("arguments"); // FILE stands for the changed map
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("changes");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("expected"); // compared with blanks simplified
        const QString hu = "hu_HU.UTF-8";
        const QStringList frame = {"frame", "FILE"}, show = {"show", "FILE"},
                          image = {"image", "FILE"}, diff = {"diff", golden("shape2_time"), "FILE"};
        const auto row = [](const char* name, const QStringList& arguments, const char* file,
                            const char* changes, const QString& locale, int exitCode,
                            const QString& expected) {
            QTest::newRow(name) << arguments << QString(file) << QString(changes) << locale
                                << exitCode << expected;
        };
        // Rev limit words: high byte, low byte rounded half to even, the fixed 255; the
        // spark time, and a charge time whose whole milliseconds round half up.
        row("image settings", image, "shape2_time", "10=6064 18=12 19=55", "C", 0,
            "91 15 23 31 35 48 63 63 63 63 63 63 24 47 255 0 7 59 19");
        // A single-column row fills four words, its cut level's bits alternating in bit 7.
        row("image cut levels of 60 x 1", image, "shape0_dwell",
            "125=100 126=0 128=100 129=1 131=100 132=2 134=100 135=3", "C", 0,
            "20 20 20 20 148 20 148 20 20 148 20 148 148 148 148 148");
        // The top dwell correction fills the doubled first field; the input charge dwell
        // is not read in that mode.
        row("frame of a bipolar map", frame, "shape3_dwell", "20=181.5 21=1|junk", "C", 0,
            "FF 35 99 76 29 EC FF FF FF 04 EF FF 05 80 B4 21");
        row("rev limit rounding carries into the high byte", frame, "shape2_time", "10=6111", "C",
            0, "18 0F FF");
        row("show percent", show, "shape2_time", "", "C", 0,
            "RPM 30% 45% 61% 70% 95% 100% REV Limit 700 0.0 2.9 5.8 8.7 11.6 14.5 0%");
        row("show bar, comma", show, "shape1_time", "", hu, 0,
            "RPM 1,32 1,74 2,28 3,00 REV Limit 650 0,0 1,3 2,6 3,9 0%");
        // The MAP maximum is stored as typed; either separator is read, so a map saved on
        // a Hungarian PC works on an English one and back.
        row("MAP maximum , in C", show, "shape1_time", "10=2,5", "C", 0, "2.50 REV Limit");
        row("diff, same", diff, "shape2_time", "", "C", 0, "");
        row("diff, one cell", diff, "shape2_time", "31=125", "C", 5,
            "cell RPM 900, load 30%: 0.3 -> 12.5 (+12.2)");
        row("diff, setting and row rpm", diff, "shape2_time", "10=700 30=950", "C", 5,
            "setting REV Limit (RPM): 600 -> 700 setting Row 2 RPM: 900 -> 950");
        row("diff, wrong file", diff, "shape2_time", "1=kelvor300", "C", 2, "Wrong File!");
        // Cell lines in tenths: a fraction from a point file is read in a comma locale and
        // rounded half away from zero; a value just below a half is not rounded up.
        row("cell fraction, comma", show, "shape2_time", "23=12.5", hu, 0, "700 1,3 2,9");
        row("cell just below a half", show, "shape2_time", "23=12.4999999999", "C", 0,
            "700 1.2 2.9");
        row("no command", {}, "", "", "C", 1, "Usage:");
        row("missing file", {"frame", "/nonexistent/map.klv"}, "", "", "C", 2, "Wrong File!");
        // A line that is not what its place requires fails the whole read.
        for (const char* wrong : {"1=kelvor300", "2=6", "6=99999999999", "18=1.2ms", "23=x",
                                  "341=-1"}) // magic, lists, a count, a time, a cell, a cut level
            row(wrong, frame, "shape2_time", wrong, "C", 2, "Wrong File!");
        // Values out of range are named and never become a frame.
        row("cell", image, "shape2_time", "31=640", "C", 3,
            "The advance in row 2, column 1 (64.0) is outside 0.0 .. 63.5");
        row("negative cell", image, "shape2_time", "23=-5", "C", 3,
            "The advance in row 1, column 1 (-0.5) is outside 0.0 .. 63.5");
        row("load boundary", image, "shape2_time", "13=225", "C", 3,
            "The 3. load boundary (2.25 V) must be higher than 2.25 V and lower than 5.00 V!");
        row("dwell correction", image, "shape3_dwell", "20=182", "C", 3,
            "The Input Charge Dwell Correction (182) is outside 178.5 .. 181.5 crankshaft "
            "degrees!");
        row("send", {"send", "FILE", "--port", "/nonexistent/tty"}, "shape2_time", "18=99", "C", 3,
            "The Spark Time (9.9)");
        // A first load boundary above 3.1 V with the top dwell correction overflows byte 240.
        row("send names the overflowing byte", {"send", "FILE", "--port", "/nonexistent/tty"},
            "shape3_dwell", "11=400 12=410 13=420 14=430 15=440 16=450 17=460 20=181.5", "C", 3,
            "frame byte 240 is 256");
    }
    void commands() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, name);
        QFETCH(QString, changes);
        QFETCH(QString, locale);
        QFETCH(int, exitCode);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        if (arguments.contains("FILE"))
            arguments.replaceInStrings("FILE", variant(dir, name, changes));
        const Run run = runCli(arguments, locale);
        QCOMPARE(run.exitCode, exitCode);
        const bool done = exitCode == 0 || exitCode == 5;
        QVERIFY2((done ? run.out : run.err).simplified().contains(expected),
                 qPrintable(run.out + run.err));
        QCOMPARE(done ? run.err : run.out, QString());
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"
