#include "language/language_texts.h"
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
    // byte; "read" pins what the reading means: shape, cylinders, coil control mode * 10 +
    // operation mode, the dwell angle in Dwell mode (else the spark time), the cell of
    // row 1, column 0, the first inner load boundary.
    void goldenFilesRoundTrip_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<int>("headerLines");
        QTest::addColumn<QString>("read");
        QTest::addColumn<QString>("note");
        const QList<QStringList> files = {
            {"shape0_dwell", "15", "0 5 10 44 1.1 5", ""},
            {"shape1_time", "19", "1 2 0 1.2 0.7 2.2", "Tuned at Győr\r\nsecond line"},
            {"shape2_time", "21", "2 2 0 2.0 0.3 1.5", "Első sor\r\n\r\nharmadik ŐŰ őű"},
            {"shape3_dwell", "21", "3 0 11 180 1.7 1.85", "bipolar"},
            {"shape4_time", "27", "4 4 0 0.5 3.1 1.75", "a\r\nb\r\n"}};
        for (const QStringList& f : files)
            for (const QString sep : {".", ","})
                QTest::addRow("%s %s", qPrintable(f[0]), qPrintable(sep))
                    << f[0] << sep << f[1].toInt() << QString(f[2]).replace(".", sep) << f[3];
    }
    void goldenFilesRoundTrip() {
        QFETCH(QString, name);
        QFETCH(QString, separator);
        const MapDocument doc = loadGolden(name, separator);
        QTEST(
            QStringList({QString::number(doc.resolution), QString::number(doc.cylinders),
                         QString::number(doc.coilControlMode * 10 + doc.operationMode),
                         doc.coilControlMode == 1 ? doc.dwellAngle : doc.sparkTime, doc.cells[1][0],
                         QString::number(doc.loadBreakpoints[1]).replace(".", separator)})
                .join(' '),
            "read");
        QTEST(doc.note, "note");
        const Outcome<QByteArray, LocalText> bytes = writeMapFile(doc, separator);
        QVERIFY2(bytes.ok(), qPrintable(LanguageTexts().words(bytes.reason())));
        QCOMPARE(bytes.value(), golden(name));
    }

    // A file cut between rows is read; rows it does not reach keep the base's rows when
    // the shape is the base's own, else the defaults of the file's shape: never empty
    // cells, so the map can be saved again. A file cut inside a row is refused.
    void truncatedFilesFailOrKeepTheBaseRows_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<int>("headerLines");
        QTest::newRow("the base's shape") << QString("shape2_time") << "." << 21;
        QTest::newRow("another shape") << QString("shape4_time") << "," << 27;
    }
    void truncatedFilesFailOrKeepTheBaseRows() {
        QFETCH(QString, name);
        QFETCH(QString, separator);
        QFETCH(int, headerLines);
        const QList<QByteArray> lines = fileLines(golden(name));
        const MapDocument base = distinctBase(separator);
        const MapDocument full = loadGolden(name, separator);
        const int rowLines = full.columnCount() + 2, last = full.columnCount() - 1;
        const int rowsEnd = headerLines + full.rowCount() * rowLines;
        for (int count = 0; count < lines.size(); ++count) {
            const Outcome<MapDocument> doc = readMapFile(firstLines(lines, count), base, separator);
            const int intoRows = count - headerLines, rowsRead = intoRows / rowLines;
            const bool complete = count >= rowsEnd || (intoRows >= 0 && intoRows % rowLines == 0);
            QVERIFY2(doc.ok() == complete, qPrintable(QString::number(count)));
            if (!doc.ok() || count >= rowsEnd)
                continue;
            const QString kept = full.resolution == base.resolution ? base.cells[rowsRead][last]
                                                                    : "0" + separator + "5";
            QCOMPARE(doc.value().cells[rowsRead][last], kept);
            QVERIFY(rowsRead == 0 ||
                    doc.value().cells[rowsRead - 1][0] == full.cells[rowsRead - 1][0]);
            QVERIFY(writeMapFile(doc.value(), separator).ok());
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
    // separator; an empty expectation means the read must fail. Reading the MAP maximum
    // and the dwell correction in the other locale is covered through the window.
    void changedLineReadsAs_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("cell"); // row 0, column 0
        const auto row = [](const char* name, int line, const char* text, const char* separator,
                            const char* cell) {
            QTest::newRow(name) << line << QByteArray(text) << QString(separator) << QString(cell);
        };
        row("point file, comma locale", 23, "12.5", ",", "1,3");
        row("negative cell", 23, "-5", ".", "-0.5");
        row("cell just below a half", 23, "12.4999999999", ".", "1.2");
        // Lines that are not what their place requires fail the whole read.
        row("empty file", 0, "", ".", "");
        row("other magic", 1, "kelvor311", ".", "");
        row("cylinder beyond the list", 2, "6", ".", "");
        row("huge interval count", 6, "99999999999", ".", "");
        row("spark text", 18, "1.2ms", ".", "");
        row("cell text", 23, "x", ".", "");
        row("later cut level", 22 + 8 * 39 + 7, "-1", ".", "");
    }
    void changedLineReadsAs() {
        QFETCH(int, line);
        QFETCH(QByteArray, text);
        QFETCH(QString, separator);
        QFETCH(QString, cell);
        QList<QByteArray> lines = fileLines(golden("shape2_time"));
        if (line > 0)
            lines[line - 1] = text + '\r';
        const Outcome<MapDocument> read = readMapFile(
            line > 0 ? firstLines(lines, lines.size()) : text, distinctBase(separator), separator);
        QCOMPARE(read.reason().isEmpty(), read.ok());
        QCOMPARE(read.ok() ? read.value().cells[0][0] : QString(), cell);
    }

    // Inner empty lines stay, leading ones go, bare line feeds become line ends.
    void notesKeepInnerAndDropLeadingEmptyLines() {
        QStringList loaded;
        for (const char* note : {"first\r\n\r\nthird", "\r\nsecond", "one\ntwo"}) {
            MapDocument doc = MapDocument::startupDefaults(".");
            doc.note = note;
            loaded
                << readMapFile(writeMapFile(doc, ".").value(), distinctBase("."), ".").value().note;
        }
        QCOMPARE(loaded, (QStringList{"first\r\n\r\nthird", "second", "one\r\ntwo"}));
    }

    // An empty cell, or a line break that would forge further lines, is refused by name.
    void unwritableDocumentsAreRefused() {
        MapDocument doc = MapDocument::startupDefaults(".");
        doc.cells[2][1].clear();
        QVERIFY(LanguageTexts().words(writeMapFile(doc, ".").reason()).contains("row 3, column 2"));
        doc = MapDocument::startupDefaults(".");
        doc.revLimit = "6000\r\nkelvor310";
        QVERIFY(LanguageTexts().words(writeMapFile(doc, ".").reason()).contains("rev limit"));
    }

    // A failed save, for want of a folder or of a valid document, keeps the old file.
    void failedSaveKeepsTheOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("map.klv");
        MapDocument doc = loadGolden("shape3_dwell", ".");
        QVERIFY(saveMapFile(path, doc, ".").saved);
        const SaveResult nowhere = saveMapFile(dir.filePath("missing/folder/map.klv"), doc, ".");
        QVERIFY(!nowhere.saved && !nowhere.reason.isEmpty());
        doc.cells[2][1] = "x";
        const SaveResult result = saveMapFile(path, doc, ".");
        QVERIFY(!result.saved && !result.reason.isEmpty());
        QVERIFY(loadMapFile(path, distinctBase("."), ".").value() ==
                loadGolden("shape3_dwell", "."));
        QVERIFY(!loadMapFile(dir.path(), MapDocument(), ".").ok());
    }
};

QTEST_GUILESS_MAIN(MapFileTest)
#include "tst_map_file.moc"
