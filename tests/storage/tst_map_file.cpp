#include "core/default_axes.h"
#include "storage/map_file.h"
#include "storage/map_file_format.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray golden(const QString& name) {
    QFile file(QStringLiteral(KELVOR_SOURCE_DIR "/tests/storage/golden/%1.klv").arg(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing golden file %s", qPrintable(name));
    return file.readAll();
}

// A base that differs from every golden document in every field and row, so a value
// the reader leaves alone shows up when the document is written back.
MapDocument distinctBase(const QString& sep) {
    MapDocument base = MapDocument::startupDefaults(sep);
    // As the window hands it over: texts only where its own 40 x 6 shape reaches.
    for (int r = 0; r < kMaxRows; ++r)
        for (int c = 0; c < kMaxColumns; ++c)
            base.cells[r][c] = r < 40 && c < 6 ? QStringLiteral("9") + sep + "9" : QString();
    base.rpmBreakpoints.fill(1234);
    base.loadBreakpoints.fill(0.25);
    base.revCutLevel.fill(2);
    base.cylinders = 1;
    base.inputPolarity = base.outputPolarity = 1;
    base.transparentIntervals = base.chargeCorrectionIntervals = 7;
    base.loadInputUsed = true;
    base.loadUnit = 1;
    base.revLimit = "7777";
    base.inputDwellMode = false;
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

MapDocument loadGolden(const QString& name, const QString& separator) {
    const Outcome<MapDocument> doc = readMapFile(golden(name), distinctBase(separator), separator);
    if (!doc.ok())
        qFatal("golden file %s: %s", qPrintable(name), qPrintable(doc.reason()));
    return doc.value();
}

} // namespace

class MapFileTest : public QObject {
    Q_OBJECT
  private slots:
    // Each file is read over a base that differs everywhere and written back byte for
    // byte; the columns pin what the reading means.
    void goldenFilesRoundTrip_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<int>("headerLines");
        QTest::addColumn<int>("resolution");
        QTest::addColumn<int>("cylinders");
        QTest::addColumn<int>("coilAndOperation"); // coil control mode * 10 + operation mode
        QTest::addColumn<QString>("timing");       // dwell angle in Dwell mode, else spark time
        QTest::addColumn<QString>("cell");         // row 1, column 0
        QTest::addColumn<double>("load");          // first inner load boundary
        QTest::addColumn<QString>("note");
        const QList<QVariantList> files = {
            {"shape0_dwell", 15, 0, 5, 10, "44", "1.1", 5.0, ""},
            {"shape1_time", 19, 1, 2, 0, "1.2", "0.7", 2.2, "Tuned at Győr\r\nsecond line"},
            {"shape2_time", 21, 2, 2, 0, "2.0", "0.3", 1.5, "Első sor\r\n\r\nharmadik ŐŰ őű"},
            {"shape3_dwell", 21, 3, 0, 11, "180", "1.7", 1.85, "bipolar"},
            {"shape4_time", 27, 4, 4, 0, "0.5", "3.1", 1.75, "a\r\nb\r\n"}};
        for (const QVariantList& f : files)
            for (const QString sep : {".", ","})
                QTest::addRow("%s %s", qPrintable(f[0].toString()), qPrintable(sep))
                    << f[0].toString() << sep << f[1].toInt() << f[2].toInt() << f[3].toInt()
                    << f[4].toInt() << f[5].toString().replace(".", sep)
                    << f[6].toString().replace(".", sep) << f[7].toDouble() << f[8].toString();
    }
    void goldenFilesRoundTrip() {
        QFETCH(QString, name);
        QFETCH(QString, separator);
        QFETCH(int, resolution);
        QFETCH(int, cylinders);
        QFETCH(int, coilAndOperation);
        QFETCH(QString, timing);
        QFETCH(QString, cell);
        QFETCH(double, load);
        QFETCH(QString, note);
        const MapDocument doc = loadGolden(name, separator);
        QCOMPARE(doc.resolution, resolution);
        QCOMPARE(doc.cylinders, cylinders);
        QCOMPARE(doc.coilControlMode * 10 + doc.operationMode, coilAndOperation);
        QCOMPARE(doc.coilControlMode == 1 ? doc.dwellAngle : doc.sparkTime, timing);
        QCOMPARE(doc.cells[1][0], cell);
        QCOMPARE(doc.loadBreakpoints[1], load);
        QCOMPARE(doc.loadBreakpoints[doc.columnCount()], 5.0);
        QCOMPARE(doc.note, note);
        const Outcome<QByteArray, LocalText> bytes = writeMapFile(doc, separator);
        QVERIFY2(bytes.ok(), qPrintable(bytes.reason().in(LanguageTexts())));
        QCOMPARE(bytes.value(), golden(name));
    }

    void truncatedFilesFailOrKeepTheBaseRows_data() { goldenFilesRoundTrip_data(); }
    void truncatedFilesFailOrKeepTheBaseRows() {
        QFETCH(QString, name);
        QFETCH(QString, separator);
        QFETCH(int, headerLines);
        const QList<QByteArray> lines = fileLines(golden(name));
        const MapDocument base = distinctBase(separator);
        const MapDocument full = loadGolden(name, separator);
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
            // Rows the file does not reach keep the base's rows when the shape is the
            // base's own, else the defaults of the file's shape: never empty cells.
            const int rowsRead = intoRows / rowLines;
            const MapDocument& got = doc.value();
            const bool sameShape = full.resolution == base.resolution;
            MapDocument rest = MapDocument::startupDefaults(separator);
            DefaultRpmBreakpoints(rest.rpmBreakpoints, full.rowCount());
            const MapDocument& kept = sameShape ? base : rest;
            QCOMPARE(got.note, QString());
            if (rowsRead > 0)
                QCOMPARE(got.cells[rowsRead - 1][0], full.cells[rowsRead - 1][0]);
            QCOMPARE(got.cells[rowsRead][full.columnCount() - 1],
                     kept.cells[rowsRead][full.columnCount() - 1]);
            QCOMPARE(got.rpmBreakpoints[rowsRead], kept.rpmBreakpoints[rowsRead]);
            QCOMPARE(got.revCutLevel[rowsRead], kept.revCutLevel[rowsRead]);
            QVERIFY(writeMapFile(got, separator).ok());
        }
    }

    // Spark and charge times are stored in tenths of a millisecond, so a typed second
    // decimal is written as a fraction of a tenth and read back rounded half to even.
    void scaledTimesRoundTrip() {
        MapDocument doc = MapDocument::startupDefaults(",");
        doc.sparkTime = "1,25";
        const QByteArray bytes = writeMapFile(doc, ",").value();
        QCOMPARE(fileLines(bytes)[17], QByteArray("12,5\r"));
        const MapDocument loaded = readMapFile(bytes, MapDocument(), ",").value();
        QCOMPARE(loaded.sparkTime + " " + loaded.chargeTime, QStringLiteral("1,2 5,0"));
    }

    // One line of a golden file replaced (0: the whole file), then read with the locale's
    // separator; field "" means the read must fail. The MAP
    // maximum and the dwell correction are stored as typed: either separator is read,
    // so a map saved on a Hungarian PC loads on an English one and back.
    void changedLineReadsAs_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("line");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, const char* file, int line, const char* text,
                            const char* separator, const char* field, const char* expected) {
            QTest::newRow(name) << QString(file) << line << QByteArray(text) << QString(separator)
                                << QString(field) << QString(expected);
        };
        row("whole cell", "shape2_time", 23, "123", ",", "cell", "12,3");
        row("point file, comma locale", "shape2_time", 23, "12.5", ",", "cell", "1,3");
        row("comma file, point locale", "shape2_time", 23, "12,5", ".", "cell", "1.3");
        row("negative cell", "shape2_time", 23, "-5", ".", "cell", "-0.5");
        row("cell just below a half", "shape2_time", 23, "12.4999999999", ".", "cell", "1.2");
        row("cell a half", "shape2_time", 23, "11,5", ",", "cell", "1,2");
        row("MAP maximum , to .", "shape1_time", 10, "2,5", ".", "map", "2.5");
        row("MAP maximum . to ,", "shape1_time", 10, "2.5", ",", "map", "2,5");
        row("dwell correction , to .", "shape3_dwell", 20, "180,5", ".", "dwell", "180.5");
        row("dwell correction . to ,", "shape3_dwell", 20, "180.5", ",", "dwell", "180,5");
        // Lines that are not what their place requires fail the whole read.
        const char* t = "shape2_time";
        row("empty file", t, 0, "", ".", "", "");
        row("other magic", t, 1, "kelvor311", ".", "", "");
        row("cylinder beyond the list", t, 2, "6", ".", "", "");
        row("huge interval count", t, 6, "99999999999", ".", "", "");
        row("resolution 5", t, 7, "5", ".", "", "");
        row("load boundary text", t, 12, "abc", ".", "", "");
        row("spark text", t, 18, "1.2ms", ".", "", "");
        row("spark beyond a word", t, 18, "99999", ".", "", "");
        row("cell text", t, 23, "x", ".", "", "");
        row("cut level 4", t, 29, "4", ".", "", "");
        row("later cut level", t, 22 + 8 * 39 + 7, "-1", ".", "", "");
    }
    void changedLineReadsAs() {
        QFETCH(QString, name);
        QFETCH(int, line);
        QFETCH(QByteArray, text);
        QFETCH(QString, separator);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        QList<QByteArray> lines = fileLines(golden(name));
        if (line > 0)
            lines[line - 1] = text + '\r';
        const Outcome<MapDocument> read = readMapFile(
            line > 0 ? firstLines(lines, lines.size()) : text, distinctBase(separator), separator);
        QCOMPARE(read.ok(), !field.isEmpty());
        QCOMPARE(read.reason().isEmpty(), read.ok());
        if (!read.ok())
            return;
        const MapDocument& doc = read.value();
        const QHash<QString, QString> fields = {
            {"cell", doc.cells[0][0]}, {"map", doc.mapMaxPressure}, {"dwell", doc.dwellAngle}};
        QCOMPARE(fields[field], expected);
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

    // An empty cell, or a line break that would forge further lines, is refused by name.
    void unwritableDocumentsAreRefused() {
        MapDocument doc = MapDocument::startupDefaults(".");
        doc.cells[2][1].clear();
        QVERIFY(writeMapFile(doc, ".").reason().in(LanguageTexts()).contains("row 3, column 2"));
        doc = MapDocument::startupDefaults(".");
        doc.revLimit = "6000\r\nkelvor310";
        QVERIFY(writeMapFile(doc, ".").reason().in(LanguageTexts()).contains("rev limit"));
    }

    // A failed save, for want of a folder or of a valid document, keeps the old file.
    void savingToDisk() {
        QTemporaryDir dir;
        const QString path = dir.filePath("map.klv");
        const MapDocument doc = loadGolden("shape3_dwell", ".");
        QVERIFY(saveMapFile(path, doc, ".").saved);
        const Outcome<MapDocument> loaded = loadMapFile(path, distinctBase("."), ".");
        QVERIFY(loaded.ok());
        QVERIFY(loaded.value() == doc);

        MapDocument broken = loadGolden("shape4_time", ".");
        broken.cells[19][11] = "x";
        const SaveResult result = saveMapFile(path, broken, ".");
        QVERIFY(!result.saved && !result.reason.isEmpty());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), golden("shape3_dwell"));
        const SaveResult nowhere = saveMapFile(dir.filePath("missing/folder/map.klv"), doc, ".");
        QVERIFY(!nowhere.saved && !nowhere.reason.isEmpty());
        QVERIFY(!loadMapFile(dir.filePath("none.klv"), MapDocument(), ".").ok());
        QVERIFY(!loadMapFile(dir.path(), MapDocument(), ".").ok());
    }
};

QTEST_GUILESS_MAIN(MapFileTest)
#include "tst_map_file.moc"
