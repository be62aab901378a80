#include "language/language_texts.h"
#include "storage/central_european_code_page.h"
#include "storage/map_file.h"
#include "storage/map_file_format.h"
#include "tests/storage/test_files.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// A base that differs from every golden document in every field and row, so a value
// the reader leaves alone shows up when the document is written back.
MapDocument distinctBase(const QString& sep) {
    MapDocument base = MapDocument::startupDefaults(sep);
    for (auto& row : base.cells)
        row.fill(99);
    base.rpmBreakpoints.fill(1234);
    base.loadBreakpoints.fill(0.25);
    base.revCutLevel.fill(2);
    base.cylinders = base.inputPolarity = base.outputPolarity = base.loadUnit = 1;
    base.transparentIntervals = base.chargeCorrectionIntervals = 7;
    base.revLimit = "7777";
    base.note = "old note";
    return base;
}

} // namespace

class MapFileTest : public QObject {
    Q_OBJECT
  private slots:
    // Each file is read over a base that differs everywhere and written back byte for
    // byte; what the reading means is pinned by the frames the command line makes of them.
    // A file cut between rows is read; rows it does not reach keep the base's rows when
    // the shape is the base's own, else the defaults of the file's shape: never empty
    // cells, so the map can be saved again. A file cut inside a row is refused.
    void goldenFilesRoundTrip_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<int>("headerLines");
        QTest::addColumn<QString>("note");
        const QList<QStringList> files = {{"shape0_dwell", "15", ""},
                                          {"shape1_time", "19", "Tuned at Győr\r\nsecond line"},
                                          {"shape2_time", "21", "Első sor\r\n\r\nharmadik ŐŰ őű"},
                                          {"shape3_dwell", "21", "bipolar"},
                                          {"shape4_time", "27", "a\r\nb\r\n"}};
        for (const QStringList& f : files)
            for (const QString sep : {".", ","})
                QTest::addRow("%s %s", qPrintable(f[0]), qPrintable(sep))
                    << f[0] << sep << f[1].toInt() << f[2];
    }
    void goldenFilesRoundTrip() {
        QFETCH(QString, name);
        QFETCH(QString, separator);
        QFETCH(int, headerLines);
        const QByteArray bytes = testFile(goldenMap(name));
        const QList<QByteArray> lines = bytes.split('\n');
        const MapDocument base = distinctBase(separator);
        const MapDocument doc = readMapFile(bytes, base, separator).value();
        QTEST(doc.note, "note");
        const Outcome<QByteArray, LocalText> written = writeMapFile(doc, separator);
        QVERIFY2(written.ok(), qPrintable(LanguageTexts().words(written.reason())));
        QCOMPARE(written.value(), bytes);

        const int rowLines = doc.columnCount() + 2, last = doc.columnCount() - 1;
        const int rowsEnd = headerLines + doc.rowCount() * rowLines;
        for (int count = 0; count < lines.size() - 1; ++count) {
            const QByteArray head = count ? lines.mid(0, count).join('\n') + '\n' : "";
            const Outcome<MapDocument> cut = readMapFile(head, base, separator);
            const int intoRows = count - headerLines, rowsRead = intoRows / rowLines;
            const bool complete = count >= rowsEnd || (intoRows >= 0 && intoRows % rowLines == 0);
            QVERIFY2(cut.ok() == complete, qPrintable(QString::number(count)));
            if (!cut.ok() || count >= rowsEnd)
                continue;
            QCOMPARE(cut.value().cells[rowsRead][last],
                     doc.resolution == base.resolution ? base.cells[rowsRead][last] : 5);
        }
    }

    // Spark and charge times are stored in tenths of a millisecond, so a typed second
    // decimal is written as a fraction of a tenth and read back rounded half to even. Of
    // a note, inner empty lines stay, leading ones go, bare line feeds become line ends.
    // Cells are stored in tenths of a degree; a fraction in a hand-edited cell line is
    // rounded as a typed value is, either separator, and a value no map can hold makes
    // the file unreadable.
    void writtenValuesReadBack() {
        MapDocument doc = MapDocument::startupDefaults(",");
        doc.sparkTime = "1,25";
        doc.note = "\r\nfirst\r\n\r\nthird\nfourth";
        doc.cells[0] = {-5, 0, 635, 1000000000};
        const QByteArray bytes = writeMapFile(doc, ",").value();
        QList<QByteArray> lines = bytes.split('\n');
        QCOMPARE(lines.mid(17, 1) + lines.mid(21, 4),
                 (QList<QByteArray>{"12,5\r", "-5\r", "0\r", "635\r", "1000000000\r"}));
        const MapDocument loaded = readMapFile(bytes, distinctBase(","), ",").value();
        QCOMPARE(QStringList({loaded.sparkTime, loaded.chargeTime, loaded.note}),
                 QStringList({"1,2", "5,0", "first\r\n\r\nthird\r\nfourth"}));
        QCOMPARE(loaded.cells[0][3], 1000000000);
        lines[21] = "55,5\r";
        lines[22] = "-0.04\r";
        const MapDocument edited = readMapFile(lines.join('\n'), loaded, ",").value();
        QCOMPARE(QList<int>({edited.cells[0][0], edited.cells[0][1]}), QList<int>({56, 0}));
        lines[21] = "10000000000\r";
        QVERIFY(!readMapFile(lines.join('\n'), loaded, ",").ok());
    }

    // An empty time, or a line break that would forge further lines, is refused by name;
    // the failed save keeps the old file. A folder is no map file.
    void unwritableDocumentsKeepTheOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("map.klv");
        QVERIFY(QFile::copy(goldenMap("shape3_dwell"), path));
        MapDocument emptyCell = MapDocument::startupDefaults("."), forgedLine = emptyCell;
        emptyCell.sparkTime.clear();
        forgedLine.revLimit = "6000\r\nkelvor310";
        QStringList reasons;
        for (const MapDocument& doc : {emptyCell, forgedLine})
            reasons << LanguageTexts().words(saveMapFile(path, doc, ".").reason);
        QCOMPARE(reasons,
                 QStringList({"spark time \"\" is not a number", "rev limit holds a line break"}));
        QCOMPARE(testFile(path), testFile(goldenMap("shape3_dwell")));
        QVERIFY(!loadMapFile(dir.path(), MapDocument(), ".").ok());
    }

    // What the code page lacks becomes "?".
    void codePage() {
        QCOMPARE(CentralEuropeanCodePage::encode(QString::fromUtf8("ß☃😀")), QByteArray("\xdf??"));
    }
};

QTEST_GUILESS_MAIN(MapFileTest)
#include "tst_map_file.moc"
