#include "core/default_axes.h"
#include "core/number_rules.h"
#include "storage/map_file.h"
#include "storage/map_file_format.h"

#include <QTemporaryDir>
#include <QtTest>
#include <functional>

namespace {

QByteArray golden(const QString& name) {
    QFile file(QStringLiteral(KELVOR_SOURCE_DIR "/tests/storage/golden/%1.klv").arg(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing golden file %s", qPrintable(name));
    return file.readAll();
}

void fill(MapDocument& doc, const QString& sep, const std::function<int(int, int)>& tenths,
          const std::function<int(int)>& level) {
    for (int r = 0; r < doc.rowCount(); ++r) {
        for (int c = 0; c < doc.columnCount(); ++c)
            doc.cells[r][c] = formatFixed(tenths(r, c) / 10.0, 1, sep);
        doc.revCutLevel[r] = level(r);
    }
}

void setAxis(MapDocument& doc, std::initializer_list<double> inner) {
    int i = 1;
    for (double v : inner)
        doc.loadBreakpoints[i++] = v;
    doc.loadBreakpoints[i] = 5.0;
}

// The documents the golden files were written from, as the window would hold them.
MapDocument goldenDocument(const QString& name, const QString& sep) {
    MapDocument doc = MapDocument::startupDefaults(sep);
    const auto tenths = [&sep](int t) { return formatFixed(t / 10.0, 1, sep); };
    if (name == "shape0_dwell") {
        doc.cylinders = 5;
        doc.inputPolarity = 1;
        doc.transparentIntervals = 2;
        doc.resolution = 0;
        doc.loadInputUsed = false;
        doc.coilControlMode = 1;
        doc.dwellAngle = "44";
        doc.inputDwellMode = true;
        doc.inputChargeDwell = "30";
        DefaultRpmBreakpoints(doc.rpmBreakpoints, 60);
        setAxis(doc, {});
        fill(
            doc, sep, [](int r, int) { return r * 11 % 636; },
            [](int r) {
                return r < 20 ? 0 : r < 40 ? 1 : r < 50 ? 2 : 3;
            });
    } else if (name == "shape1_time") {
        doc.outputPolarity = 1;
        doc.chargeCorrectionIntervals = 3;
        doc.resolution = 1;
        doc.loadUnit = 2;
        doc.mapMaxPressure = "3";
        doc.revLimit = "6000";
        doc.sparkTime = tenths(12);
        doc.chargeTime = tenths(50);
        DefaultRpmBreakpoints(doc.rpmBreakpoints, 60);
        setAxis(doc, {2.2, 2.9, 3.8});
        fill(
            doc, sep, [](int r, int c) { return (r * 7 + c * 13) % 636; },
            [](int r) { return r >= 55 ? 3 : 0; });
        doc.note = QString::fromUtf8("Tuned at Győr\r\nsecond line");
    } else if (name == "shape2_time") {
        doc.loadUnit = 1;
        doc.revLimit = "600";
        doc.sparkTime = tenths(20);
        doc.chargeTime = tenths(80);
        doc.inputDwellMode = true;
        doc.inputChargeDwell = "60";
        for (int r = 0; r < 40; ++r)
            doc.rpmBreakpoints[r] = qint16(700 + 200 * r);
        setAxis(doc, {1.5, 2.25, 3.05, 3.5, 4.75});
        fill(
            doc, sep, [](int r, int c) { return (r * 3 + c * 29) % 636; },
            [](int r) { return r % 4; });
        doc.note = QString::fromUtf8("Első sor\r\n\r\nharmadik ŐŰ őű");
    } else if (name == "shape3_dwell") {
        doc.cylinders = 0;
        doc.transparentIntervals = 5;
        doc.resolution = 3;
        doc.revLimit = "30000";
        doc.operationMode = 1;
        doc.coilControlMode = 1;
        doc.dwellAngle = "180";
        DefaultRpmBreakpoints(doc.rpmBreakpoints, 30);
        setAxis(doc, {1.85, 2.15, 2.5, 2.9, 3.35, 3.85, 4.4});
        fill(
            doc, sep, [](int r, int c) { return (r * 17 + c * 5) % 636; },
            [](int r) { return r / 8; });
        doc.note = "bipolar";
    } else {
        doc.cylinders = 4;
        doc.inputPolarity = 1;
        doc.outputPolarity = 1;
        doc.transparentIntervals = 15;
        doc.chargeCorrectionIntervals = 15;
        doc.resolution = 4;
        doc.loadUnit = 2;
        doc.mapMaxPressure = "10";
        doc.sparkTime = tenths(5);
        doc.chargeTime = tenths(20);
        DefaultRpmBreakpoints(doc.rpmBreakpoints, 20);
        setAxis(doc, {1.75, 2.0, 2.25, 2.5, 2.75, 3.0, 3.3, 3.6, 3.95, 4.3, 4.65});
        fill(
            doc, sep, [](int r, int c) { return (r * 31 + c * 7) % 636; },
            [](int r) { return qMin(3, r / 5); });
        doc.note = "a\r\nb\r\n";
    }
    return doc;
}

// A base that differs from every golden document in every row.
MapDocument distinctBase(const QString& sep) {
    MapDocument base = MapDocument::startupDefaults(sep);
    for (auto& row : base.cells)
        row.fill(formatFixed(9.9, 1, sep));
    base.rpmBreakpoints.fill(1234);
    base.revCutLevel.fill(2);
    base.note = "old note";
    return base;
}

QList<QByteArray> fileLines(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast(); // after the final line end
    return lines;
}

QByteArray firstLines(const QList<QByteArray>& lines, int count) {
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += lines[i] + '\n';
    return bytes;
}

QString differences(const MapDocument& a, const MapDocument& b) {
    QStringList out;
    if (a.resolution != b.resolution)
        out << "resolution";
    if (a.note != b.note)
        out << "note [" + a.note + "] vs [" + b.note + "]";
    if (a.sparkTime != b.sparkTime || a.chargeTime != b.chargeTime)
        out << "coil times " + a.sparkTime + "/" + a.chargeTime + " vs " + b.sparkTime + "/" +
                   b.chargeTime;
    for (int r = 0; r < a.rowCount(); ++r)
        for (int c = 0; c < a.columnCount(); ++c)
            if (a.cells[r][c] != b.cells[r][c])
                out << QStringLiteral("cell %1,%2: %3 vs %4")
                           .arg(r)
                           .arg(c)
                           .arg(a.cells[r][c], b.cells[r][c]);
    return out.mid(0, 5).join("; ");
}

void addGoldenRows() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<int>("headerLines");
    const QList<QPair<QString, int>> files = {{"shape0_dwell", 15},
                                              {"shape1_time", 19},
                                              {"shape2_time", 21},
                                              {"shape3_dwell", 21},
                                              {"shape4_time", 27}};
    for (const auto& [name, header] : files)
        for (const QString sep : {".", ","})
            QTest::newRow(qPrintable(name + " " + sep)) << name << sep << header;
}

} // namespace

class MapFileTest : public QObject {
    Q_OBJECT
  private slots:
    void savingWritesTheGoldenBytes_data() { addGoldenRows(); }
    void savingWritesTheGoldenBytes() {
        QFETCH(QString, name);
        QFETCH(QString, separator);
        const Outcome<QByteArray> bytes = writeMapFile(goldenDocument(name, separator), separator);
        QVERIFY2(bytes.ok(), qPrintable(bytes.reason()));
        QCOMPARE(bytes.value(), golden(name));
    }

    void loadingGivesTheGoldenDocument_data() { addGoldenRows(); }
    void loadingGivesTheGoldenDocument() {
        QFETCH(QString, name);
        QFETCH(QString, separator);
        const Outcome<MapDocument> doc =
            readMapFile(golden(name), MapDocument::startupDefaults(separator), separator);
        QVERIFY2(doc.ok(), qPrintable(doc.reason()));
        const MapDocument expected = goldenDocument(name, separator);
        QVERIFY2(doc.value() == expected, qPrintable(differences(doc.value(), expected)));
    }

    void truncatedFilesFailOrKeepTheBaseRows_data() { addGoldenRows(); }
    void truncatedFilesFailOrKeepTheBaseRows() {
        QFETCH(QString, name);
        QFETCH(QString, separator);
        QFETCH(int, headerLines);
        const QList<QByteArray> lines = fileLines(golden(name));
        const MapDocument base = distinctBase(separator);
        const MapDocument full = goldenDocument(name, separator);
        const int rowLines = full.columnCount() + 2;
        const int rowsEnd = headerLines + full.rowCount() * rowLines;
        for (int count = 0; count < lines.size(); ++count) {
            const Outcome<MapDocument> doc = readMapFile(firstLines(lines, count), base, separator);
            const int intoRows = count - headerLines;
            const bool complete = count >= rowsEnd || (intoRows >= 0 && intoRows % rowLines == 0);
            QVERIFY2(doc.ok() == complete, qPrintable(QStringLiteral("%1 lines").arg(count)));
            if (!doc.ok()) {
                QVERIFY(!doc.reason().isEmpty());
                continue;
            }
            if (count >= rowsEnd)
                continue;
            const int rowsRead = intoRows / rowLines;
            const MapDocument& got = doc.value();
            QCOMPARE(got.note, QString());
            if (rowsRead > 0)
                QCOMPARE(got.cells[rowsRead - 1][0], full.cells[rowsRead - 1][0]);
            QCOMPARE(got.cells[rowsRead][0], base.cells[rowsRead][0]);
            QCOMPARE(got.rpmBreakpoints[rowsRead], base.rpmBreakpoints[rowsRead]);
            QCOMPARE(got.revCutLevel[rowsRead], base.revCutLevel[rowsRead]);
        }
    }

    void malformedLinesFail_data() {
        QTest::addColumn<int>("line"); // 1-based line of shape2_time.klv, 0 = whole file
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("empty file") << 0 << QByteArray();
        QTest::newRow("only line ends") << 0 << QByteArray("\r\n\r\n");
        QTest::newRow("binary") << 0 << QByteArray("\x00\xff\x10kelvor310", 13);
        QTest::newRow("other magic") << 1 << QByteArray("kelvor311");
        QTest::newRow("magic in capitals") << 1 << QByteArray("KELVOR310");
        QTest::newRow("magic with a blank") << 1 << QByteArray("kelvor310 ");
        QTest::newRow("cylinder beyond the list") << 2 << QByteArray("6");
        QTest::newRow("negative cylinder") << 2 << QByteArray("-1");
        QTest::newRow("polarity text") << 3 << QByteArray("x");
        QTest::newRow("transparent 16") << 5 << QByteArray("16");
        QTest::newRow("huge interval count") << 6 << QByteArray("99999999999");
        QTest::newRow("resolution 5") << 7 << QByteArray("5");
        QTest::newRow("resolution with a zero") << 7 << QByteArray("02");
        QTest::newRow("resolution with a blank") << 7 << QByteArray(" 2");
        QTest::newRow("empty resolution") << 7 << QByteArray("");
        QTest::newRow("load unit 3") << 9 << QByteArray("3");
        QTest::newRow("load boundary text") << 12 << QByteArray("abc");
        QTest::newRow("empty load boundary") << 14 << QByteArray("");
        QTest::newRow("operation 2") << 16 << QByteArray("2");
        QTest::newRow("spark text") << 18 << QByteArray("1.2ms");
        QTest::newRow("spark beyond a word") << 18 << QByteArray("99999");
        QTest::newRow("charge empty") << 19 << QByteArray("");
        QTest::newRow("row RPM text") << 22 << QByteArray("rpm");
        QTest::newRow("cell text") << 23 << QByteArray("x");
        QTest::newRow("cut level 4") << 29 << QByteArray("4");
        QTest::newRow("later cut level") << 22 + 8 * 39 + 7 << QByteArray("-1");
    }
    void malformedLinesFail() {
        QFETCH(int, line);
        QFETCH(QByteArray, text);
        QByteArray bytes = text;
        if (line > 0) {
            QList<QByteArray> lines = fileLines(golden("shape2_time"));
            lines[line - 1] = text + '\r';
            bytes = firstLines(lines, lines.size());
        }
        const MapDocument base = distinctBase(".");
        const Outcome<MapDocument> doc = readMapFile(bytes, base, ".");
        QVERIFY(!doc.ok());
        QVERIFY(!doc.reason().isEmpty());
    }

    void scaledValuesRoundTrip_data() {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("sparkTyped");
        QTest::addColumn<QByteArray>("sparkLine");
        QTest::addColumn<QString>("sparkLoaded");
        QTest::addColumn<QString>("chargeTyped");
        QTest::addColumn<QString>("chargeLoaded");
        QTest::newRow("1.25 ms") << "."
                                 << "1.25" << QByteArray("12.5") << "1.2"
                                 << "5"
                                 << "5.0";
        QTest::newRow("1,25 ms") << ","
                                 << "1,25" << QByteArray("12,5") << "1,2"
                                 << "5"
                                 << "5,0";
        QTest::newRow("1.35 ms to even") << "."
                                         << "1.35" << QByteArray("13.5") << "1.4"
                                         << "6.5"
                                         << "6.5";
        QTest::newRow("whole") << "."
                               << "2" << QByteArray("20") << "2.0"
                               << "8.0"
                               << "8.0";
    }
    void scaledValuesRoundTrip() {
        QFETCH(QString, separator);
        QFETCH(QString, sparkTyped);
        QFETCH(QByteArray, sparkLine);
        QFETCH(QString, sparkLoaded);
        QFETCH(QString, chargeTyped);
        QFETCH(QString, chargeLoaded);
        MapDocument doc = MapDocument::startupDefaults(separator);
        doc.sparkTime = sparkTyped;
        doc.chargeTime = chargeTyped;
        const QByteArray bytes = writeMapFile(doc, separator).value();
        QCOMPARE(fileLines(bytes)[17], sparkLine + '\r');
        const Outcome<MapDocument> loaded = readMapFile(bytes, MapDocument(), separator);
        QVERIFY(loaded.ok());
        QCOMPARE(loaded.value().sparkTime, sparkLoaded);
        QCOMPARE(loaded.value().chargeTime, chargeLoaded);
    }

    void cellsWithFractionsReadWithEitherSeparator_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("cell");
        QTest::newRow("whole") << QByteArray("123") << ","
                               << "12,3";
        QTest::newRow("point file, comma locale") << QByteArray("12.5") << ","
                                                  << "1,3";
        QTest::newRow("comma file, point locale") << QByteArray("12,5") << "."
                                                  << "1.3";
        QTest::newRow("negative") << QByteArray("-5") << "."
                                  << "-0.5";
    }
    void cellsWithFractionsReadWithEitherSeparator() {
        QFETCH(QByteArray, line);
        QFETCH(QString, separator);
        QFETCH(QString, cell);
        QList<QByteArray> lines = fileLines(golden("shape2_time"));
        lines[22] = line + '\r';
        const Outcome<MapDocument> doc =
            readMapFile(firstLines(lines, lines.size()), MapDocument(), separator);
        QVERIFY(doc.ok());
        QCOMPARE(doc.value().cells[0][0], cell);
    }

    void notesKeepInnerAndDropLeadingEmptyLines_data() {
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("loaded");
        QTest::newRow("inner empty line") << "first\r\n\r\nthird"
                                          << "first\r\n\r\nthird";
        QTest::newRow("leading empty line") << "\r\nsecond"
                                            << "second";
        QTest::newRow("bare line feeds") << "one\ntwo"
                                         << "one\r\ntwo";
        QTest::newRow("accents") << QString::fromUtf8("ÁÉÍÓÖŐÚÜŰ áéíóöőúüű €")
                                 << QString::fromUtf8("ÁÉÍÓÖŐÚÜŰ áéíóöőúüű €");
        QTest::newRow("outside the code page") << QString::fromUtf8("snow ☃ 😀") << "snow ? ?";
        QTest::newRow("empty") << ""
                               << "";
    }
    void notesKeepInnerAndDropLeadingEmptyLines() {
        QFETCH(QString, note);
        QFETCH(QString, loaded);
        MapDocument doc = MapDocument::startupDefaults(".");
        doc.note = note;
        const Outcome<MapDocument> back =
            readMapFile(writeMapFile(doc, ".").value(), distinctBase("."), ".");
        QVERIFY(back.ok());
        QCOMPARE(back.value().note, loaded);
    }

    void accentsAreStoredInTheCentralEuropeanCodePage() {
        MapDocument doc = MapDocument::startupDefaults(".");
        doc.note = QString::fromUtf8("őŰ€");
        QVERIFY(writeMapFile(doc, ".").value().endsWith("\r\n\xf5\xdb\x80\r\n"));
    }

    void unwritableDocumentsAreRefused_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("reasonNames");
        QTest::newRow("empty cell") << "cell"
                                    << "row 3, column 2";
        QTest::newRow("spark text") << "spark"
                                    << "spark time";
        QTest::newRow("rev limit with a line break") << "rev"
                                                     << "rev limit";
    }
    void unwritableDocumentsAreRefused() {
        QFETCH(QString, field);
        QFETCH(QString, reasonNames);
        MapDocument doc = MapDocument::startupDefaults(".");
        if (field == "cell")
            doc.cells[2][1].clear();
        else if (field == "spark")
            doc.sparkTime = "fast";
        else
            doc.revLimit = "6000\r\nkelvor310";
        const Outcome<QByteArray> bytes = writeMapFile(doc, ".");
        QVERIFY(!bytes.ok());
        QVERIFY2(bytes.reason().contains(reasonNames), qPrintable(bytes.reason()));
    }

    void savingToDisk() {
        QTemporaryDir dir;
        const QString path = dir.filePath("map.klv");
        const MapDocument doc = goldenDocument("shape3_dwell", ".");
        QVERIFY(saveMapFile(path, doc, ".").saved);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), golden("shape3_dwell"));
        const Outcome<MapDocument> loaded = loadMapFile(path, distinctBase("."), ".");
        QVERIFY(loaded.ok());
        QVERIFY(loaded.value() == doc);
    }

    void failedSavesKeepTheOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("map.klv");
        QVERIFY(saveMapFile(path, goldenDocument("shape0_dwell", "."), ".").saved);
        MapDocument broken = goldenDocument("shape4_time", ".");
        broken.cells[19][11] = "x";
        const SaveResult result = saveMapFile(path, broken, ".");
        QVERIFY(!result.saved);
        QVERIFY(!result.reason.isEmpty());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), golden("shape0_dwell"));

        const SaveResult nowhere = saveMapFile(dir.filePath("missing/folder/map.klv"),
                                               goldenDocument("shape0_dwell", "."), ".");
        QVERIFY(!nowhere.saved);
        QVERIFY(!nowhere.reason.isEmpty());
    }

    void unreadablePathsFail() {
        QTemporaryDir dir;
        QVERIFY(!loadMapFile(dir.filePath("none.klv"), MapDocument(), ".").ok());
        QVERIFY(!loadMapFile(dir.path(), MapDocument(), ".").ok());
    }
};

QTEST_GUILESS_MAIN(MapFileTest)
#include "tst_map_file.moc"
