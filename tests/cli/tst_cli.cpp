#include "tests/storage/test_files.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Runs the command line program on the words of `command`. A first "LC_ALL=..." sets the
// locale (else C). A golden map's name stands for a copy of it; the last one takes the
// changes "LINE=TEXT" (1-based lines; a "|" in TEXT ends a line, so lines can be added).
std::tuple<int, QString, QString> runCli(const QString& command) {
    QStringList arguments, changes;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LC_ALL", "C");
    for (const QString& word : command.split(' ', Qt::SkipEmptyParts))
        if (word.startsWith("LC_ALL="))
            env.insert("LC_ALL", word.mid(7));
        else
            (word.contains('=') ? changes : arguments) << word;
    QTemporaryDir dir;
    for (qsizetype k = arguments.size() - 1; k >= 0; --k) {
        if (!QFile::exists(goldenMap(arguments[k])))
            continue;
        QList<QByteArray> lines = testFile(goldenMap(arguments[k])).split('\n');
        for (const QString& change : std::exchange(changes, {}))
            lines[change.section('=', 0, 0).toInt() - 1] =
                change.section('=', 1).replace('|', "\r\n").toUtf8() + '\r';
        QFile file(arguments[k] = dir.filePath(QString::number(k) + ".klv"));
        if (!file.open(QIODevice::WriteOnly) || file.write(lines.join('\n')) < 0)
            qFatal("cannot write %s", qPrintable(file.fileName()));
    }
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(KELVOR_CLI), arguments);
    if (!process.waitForFinished(60000))
        qFatal("the command line program did not finish");
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

class CliTest : public QObject {
    Q_OBJECT
  private slots:
    // One run per row: the exit code, and what standard output (exit 0, or 5 for maps that
    // differ) or standard error (else) holds: the whole of a file under tests/cli/golden,
    // or a text it must contain, blanks simplified. The other stream stays empty.
    void commands_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("expected");
        const auto add = [](const QString& command, int exitCode, const QString& expected) {
            QTest::newRow(qPrintable(command)) << command << exitCode << expected;
        };
        // The frames agree with the device rules in either locale, so a map carried between
        // a Hungarian and an English PC sends the same bytes. Maps of other shapes are
        // compared by their settings only.
        for (const char* name :
             {"shape0_dwell", "shape1_time", "shape2_time", "shape3_dwell", "shape4_time"})
            for (const QString locale : {"", "LC_ALL=hu_HU.UTF-8 "})
                add(locale + "frame " + name, 0, QString("cli/golden/%1.frame").arg(name));
        add("diff shape2_time shape4_time", 5, "cli/golden/shape2_shape4.diff");
        // Rev limit words: high byte, low byte rounded half to even, the fixed 255; the
        // spark time, and a charge time whose whole milliseconds round half up.
        add("image shape2_time 10=6064 18=12 19=55", 0,
            "91 15 23 31 35 48 63 63 63 63 63 63 24 47 255 0 7 59 19");
        // The top dwell correction fills the doubled first field; the input charge dwell
        // is not read in that mode.
        add("frame shape3_dwell 20=181.5 21=1|junk", 0,
            "FF 35 99 76 29 EC FF FF FF 04 EF FF 05 80 B4 21");
        // A rev limit whose low byte rounds up to 256 carries into the high byte.
        add("frame shape2_time 10=6111", 0, "18 0F FF");
        add("show shape2_time", 0,
            "RPM 30% 45% 61% 70% 95% 100% REV Limit 700 0.0 2.9 5.8 8.7 11.6 14.5 0%");
        add("LC_ALL=hu_HU.UTF-8 show shape1_time", 0,
            "RPM 1,32 1,74 2,28 3,00 REV Limit 650 0,0 1,3 2,6 3,9 0%");
        // The MAP maximum is stored as typed; either separator is read, so a map saved on
        // a Hungarian PC works on an English one and back.
        add("show shape1_time 10=2,5", 0, "2.50 REV Limit");
        add("diff shape2_time shape2_time", 0, "");
        add("diff shape2_time shape2_time 31=125", 5,
            "cell RPM 900, load 30%: 0.3 -> 12.5 (+12.2)");
        add("diff shape2_time shape2_time 10=700 30=950", 5,
            "setting REV Limit (RPM): 600 -> 700 setting Row 2 RPM: 900 -> 950");
        // Cell lines in tenths: a fraction from a point file is read in a comma locale and
        // rounded half away from zero; a value just below a half is not rounded up.
        add("LC_ALL=hu_HU.UTF-8 show shape2_time 23=12.5", 0, "700 1,3 2,9");
        add("show shape2_time 23=12.4999999999", 0, "700 1.2 2.9");
        add("", 1, "Usage:");
        add("frame /nonexistent/map.klv", 2, "Wrong File!");
        // A line that is not what its place requires fails the whole read: the magic, the
        // lists, a count, a time, a cell, a cut level.
        for (const char* wrong :
             {"1=kelvor300", "2=6", "6=99999999999", "18=1.2ms", "23=x", "341=-1"})
            add(QString("frame shape2_time ") + wrong, 2, "Wrong File!");
        // Values out of range are named and never become a frame.
        add("image shape2_time 31=640", 3,
            "The advance in row 2, column 1 (64.0) is outside 0.0 .. 63.5");
        add("image shape2_time 13=225", 3,
            "The 3. load boundary (2.25 V) must be higher than 2.25 V and lower than 5.00 V!");
        add("image shape3_dwell 20=182", 3,
            "The Input Charge Dwell Correction (182) is outside 178.5 .. 181.5 crankshaft "
            "degrees!");
        // A first load boundary above 3.1 V with the top dwell correction overflows byte 240.
        add("send shape3_dwell --port /nonexistent/tty 11=400 12=410 13=420 14=430 15=440 "
            "16=450 17=460 20=181.5",
            3, "frame byte 240 is 256");
    }
    void commands() {
        QFETCH(QString, command);
        QFETCH(int, exitCode);
        QFETCH(QString, expected);
        const auto [code, out, err] = runCli(command);
        QCOMPARE(code, exitCode);
        const bool done = exitCode == 0 || exitCode == 5;
        if (expected.startsWith("cli/golden/"))
            QCOMPARE(out, QString::fromUtf8(testFile(expected)));
        else
            QVERIFY2((done ? out : err).simplified().contains(expected), qPrintable(out + err));
        QCOMPARE(done ? err : out, QString());
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"
