#include "core/default_axes.h"
#include "device/device_image.h"

#include <QtTest>

namespace {

MapDocument documentOfShape(int resolution, const QString& separator = QStringLiteral(".")) {
    MapDocument doc = MapDocument::startupDefaults(separator);
    doc.resolution = resolution;
    DefaultRpmBreakpoints(doc.rpmBreakpoints, doc.rowCount());
    DefaultLoadBreakpoints(doc.loadBreakpoints, doc.columnCount());
    return doc;
}

DeviceImage imageOf(const MapDocument& doc, const QString& separator = QStringLiteral(".")) {
    const DeviceImageResult result = BuildDeviceImage(doc, separator);
    if (!result.ok())
        qFatal("unexpected build failure: %s", qPrintable(result.errorDescription));
    return *result.image;
}

QList<int> words(const DeviceImage& image, int first, int count) {
    QList<int> list;
    for (int k = first; k < first + count; ++k)
        list << image[k];
    return list;
}

} // namespace

class DeviceImageTest : public QObject {
    Q_OBJECT
  private slots:
    void startupDocument_data() {
        QTest::addColumn<QString>("separator");
        QTest::newRow("point") << ".";
        QTest::newRow("comma") << ",";
    }
    void startupDocument() {
        QFETCH(QString, separator);
        const DeviceImage w = imageOf(MapDocument::startupDefaults(separator), separator);
        QCOMPARE(words(w, 0, 240), QList<int>(240, 1));
        QCOMPARE(words(w, 240, 12), (QList<int>{0, 20, 24, 29, 35, 42, 63, 63, 63, 63, 63, 63}));
        QCOMPARE(words(w, 252, 7), (QList<int>{0, 15, 255, 0, 7, 49, 19}));
    }

    void revLimit_data() {
        QTest::addColumn<QString>("revLimit");
        QTest::addColumn<int>("high");
        QTest::addColumn<int>("low");
        QTest::newRow("none") << "" << 0 << 15;
        QTest::newRow("600") << "600" << 244 << 47;
        QTest::newRow("6000") << "6000" << 24 << 127;
        QTest::newRow("30000") << "30000" << 4 << 239;
        // T = 6136: the low byte rounds up to 256 and carries into the high byte.
        QTest::newRow("6111 carries") << "6111" << 24 << 15;
        // T = 6152, remainder 8: half a sixteenth rounds to even, down.
        QTest::newRow("6096 half down") << "6096" << 24 << 15;
        // T = 6184, remainder 40: 2.5 sixteenths round to 2.
        QTest::newRow("6064 half to even") << "6064" << 24 << 47;
        // T = 6160, remainder 16 exactly.
        QTest::newRow("6088") << "6088" << 24 << 31;
    }
    void revLimit() {
        QFETCH(QString, revLimit);
        QFETCH(int, high);
        QFETCH(int, low);
        MapDocument doc = documentOfShape(2);
        doc.revLimit = revLimit;
        QCOMPARE(words(imageOf(doc), 252, 3), (QList<int>{high, low, 255}));
    }

    void loadAxis_data() {
        QTest::addColumn<int>("resolution");
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("60 x 1") << 0 << QList<int>{31, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63};
        QTest::newRow("60 x 4") << 1 << QList<int>{22, 29, 38, 63, 63, 63, 63, 63, 63, 63, 63};
        QTest::newRow("40 x 6") << 2 << QList<int>{20, 24, 29, 35, 42, 63, 63, 63, 63, 63, 63};
        QTest::newRow("30 x 8") << 3 << QList<int>{19, 22, 25, 29, 34, 39, 44, 63, 63, 63, 63};
        QTest::newRow("20 x 12") << 4 << QList<int>{18, 20, 23, 25, 28, 30, 33, 36, 40, 43, 47};
    }
    void loadAxis() {
        QFETCH(int, resolution);
        QFETCH(QList<int>, expected);
        QCOMPARE(words(imageOf(documentOfShape(resolution)), 241, 11), expected);
    }

    void singleColumnCells_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("0%") << 0 << QList<int>{20, 20, 20, 20};
        QTest::newRow("25%") << 1 << QList<int>{148, 20, 148, 20};
        QTest::newRow("50%") << 2 << QList<int>{20, 148, 20, 148};
        QTest::newRow("100%") << 3 << QList<int>{148, 148, 148, 148};
    }
    void singleColumnCells() {
        QFETCH(int, level);
        QFETCH(QList<int>, expected);
        MapDocument doc = documentOfShape(0);
        doc.cells[37][0] = QStringLiteral("10.0");
        doc.revCutLevel[37] = level;
        const DeviceImage w = imageOf(doc);
        QCOMPARE(words(w, 4 * 37, 4), expected);
        QCOMPARE(words(w, 4 * 36, 4), QList<int>(4, 1));
        QCOMPARE(words(w, 4 * 38, 4), QList<int>(4, 1));
    }

    void cellWordsOnTheHalfGrid_data() {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<int>("word");
        QTest::newRow("10.2 down") << "10.2" << 20;
        QTest::newRow("10.3 to the half") << "10.3" << 21;
        QTest::newRow("10.8 up") << "10.8" << 22;
        QTest::newRow("largest") << "63.5" << 127;
        QTest::newRow("smallest") << "0.0" << 0;
    }
    void cellWordsOnTheHalfGrid() {
        QFETCH(QString, cell);
        QFETCH(int, word);
        MapDocument doc = documentOfShape(3);
        doc.cells[5][2] = cell;
        QCOMPARE(int(imageOf(doc)[5 * 8 + 2]), word);
    }

    void lastCellOfTheWidestShape() {
        MapDocument doc = documentOfShape(4);
        doc.revCutLevel[19] = 2; // bit 0 clear on even columns, bit 1 set on odd ones
        doc.cells[19][10] = QStringLiteral("0.0");
        doc.cells[19][11] = QStringLiteral("63.5");
        const DeviceImage w = imageOf(doc);
        QCOMPARE(int(w[238]), 0);
        QCOMPARE(int(w[239]), 255);
        QCOMPARE(int(w[240]), 0);
    }

    void operatingModes_data() {
        QTest::addColumn<int>("operation");
        QTest::addColumn<int>("coil");
        QTest::addColumn<bool>("inputDwell");
        QTest::addColumn<QString>("sparkTime");
        QTest::addColumn<QString>("chargeTime");
        QTest::addColumn<QString>("dwell");
        QTest::addColumn<QList<int>>("expected"); // words 240, 255, 256, 257, 258
        // Transparent 3 and correction 2 in every row; 6 cylinders; 40 x 6.
        QTest::newRow("time") << 0 << 0 << false << "1.2"
                              << "5"
                              << "" << QList<int>{0, 35, 7, 49, 21};
        QTest::newRow("time shortest") << 0 << 0 << false << "0.5"
                                       << "2"
                                       << "" << QList<int>{0, 35, 0, 20, 21};
        QTest::newRow("time longest") << 0 << 0 << false << "2.0"
                                      << "8"
                                      << "" << QList<int>{0, 35, 15, 78, 21};
        QTest::newRow("charge 5.5 counts as 6") << 0 << 0 << false << "1.2"
                                                << "5.5"
                                                << "" << QList<int>{0, 35, 7, 59, 21};
        QTest::newRow("charge 6.5 counts as 6") << 0 << 0 << false << "1.2"
                                                << "6.5"
                                                << "" << QList<int>{0, 35, 7, 59, 21};
        QTest::newRow("dwell") << 0 << 1 << false << ""
                               << ""
                               << "55" << QList<int>{0, 35, 128, 55, 21};
        QTest::newRow("input dwell 60") << 0 << 1 << true << ""
                                        << ""
                                        << "55" << QList<int>{91, 35, 128, 55, 21};
        QTest::newRow("bipolar top") << 1 << 1 << true << "x"
                                     << "x"
                                     << "181.5" << QList<int>{127, 3, 128, 180, 17};
        QTest::newRow("bipolar bottom") << 1 << 0 << false << "x"
                                        << "x"
                                        << "178.5" << QList<int>{121, 3, 128, 180, 17};
        QTest::newRow("bipolar 180.2") << 1 << 1 << false << ""
                                       << ""
                                       << "180.2" << QList<int>{124, 3, 128, 180, 17};
    }
    void operatingModes() {
        QFETCH(int, operation);
        QFETCH(int, coil);
        QFETCH(bool, inputDwell);
        QFETCH(QString, sparkTime);
        QFETCH(QString, chargeTime);
        QFETCH(QString, dwell);
        QFETCH(QList<int>, expected);
        MapDocument doc = documentOfShape(2);
        doc.operationMode = operation;
        doc.coilControlMode = coil;
        doc.inputDwellMode = inputDwell;
        doc.inputChargeDwell = QStringLiteral("60");
        doc.sparkTime = sparkTime;
        doc.chargeTime = chargeTime;
        doc.dwellAngle = dwell;
        doc.cylinders = 4;
        doc.transparentIntervals = 3;
        doc.chargeCorrectionIntervals = 2;
        const DeviceImage w = imageOf(doc);
        QCOMPARE((QList<int>{w[240], w[255], w[256], w[257], w[258]}), expected);
    }

    void configurationByte_data() {
        QTest::addColumn<int>("resolution");
        QTest::addColumn<int>("cylinders");
        QTest::addColumn<int>("inputPolarity");
        QTest::addColumn<int>("outputPolarity");
        QTest::addColumn<int>("expected");
        QTest::newRow("factory") << 2 << 2 << 0 << 0 << 19;
        QTest::newRow("60 x 1, 2 cylinders") << 0 << 0 << 0 << 0 << 9;
        QTest::newRow("60 x 4, 3 cylinders") << 1 << 1 << 0 << 0 << 2;
        QTest::newRow("30 x 8, 5 cylinders") << 3 << 3 << 0 << 1 << 64 + 32 + 4;
        QTest::newRow("20 x 12, 8 cylinders") << 4 << 5 << 1 << 1 << 128 + 64 + 48 + 7;
    }
    void configurationByte() {
        QFETCH(int, resolution);
        QFETCH(int, cylinders);
        QFETCH(int, inputPolarity);
        QFETCH(int, outputPolarity);
        QFETCH(int, expected);
        MapDocument doc = documentOfShape(resolution);
        doc.cylinders = cylinders;
        doc.inputPolarity = inputPolarity;
        doc.outputPolarity = outputPolarity;
        QCOMPARE(int(imageOf(doc)[258]), expected);
    }

    void commaLocaleReadsCommaTexts() {
        MapDocument doc = documentOfShape(2, QStringLiteral(","));
        doc.cells[0][0] = QStringLiteral("10,3");
        doc.sparkTime = QStringLiteral("2,0");
        const DeviceImage w = imageOf(doc, QStringLiteral(","));
        QCOMPARE(int(w[0]), 21);
        QCOMPARE(int(w[256]), 15);
    }

    void unconvertibleTextsFailWithTheirName_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("named");
        QTest::newRow("empty cell") << "cell"
                                    << "" << 13 << "row 3 (900 RPM), column 5";
        QTest::newRow("other separator") << "cell"
                                         << "1,5" << 13 << "column 5";
        QTest::newRow("huge cell") << "cell"
                                   << "20000" << 6 << "column 5";
        QTest::newRow("rev limit text") << "revLimit"
                                        << "abc" << 13 << "rev limit";
        QTest::newRow("rev limit too large") << "revLimit"
                                             << "40000" << 6 << "rev limit";
        QTest::newRow("rev limit zero") << "revLimit"
                                        << "0" << 11 << "rev limit";
        QTest::newRow("spark empty") << "sparkTime"
                                     << "" << 13 << "spark time";
        QTest::newRow("charge text") << "chargeTime"
                                     << "5ms" << 13 << "charge time";
    }
    void unconvertibleTextsFailWithTheirName() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(int, code);
        QFETCH(QString, named);
        MapDocument doc = documentOfShape(2);
        if (field == "cell")
            doc.cells[2][4] = text;
        else if (field == "revLimit")
            doc.revLimit = text;
        else if (field == "sparkTime")
            doc.sparkTime = text;
        else
            doc.chargeTime = text;
        const DeviceImageResult result = BuildDeviceImage(doc, QStringLiteral("."));
        QVERIFY(!result.ok());
        QCOMPARE(result.errorCode, code);
        QVERIFY2(result.errorDescription.contains(named), qPrintable(result.errorDescription));
    }

    void fieldsOfOtherModesAreNotRead() {
        MapDocument doc = documentOfShape(2);
        doc.coilControlMode = 1;
        doc.dwellAngle = QStringLiteral("50");
        doc.sparkTime.clear();
        doc.chargeTime.clear();
        doc.inputChargeDwell = QStringLiteral("junk"); // input dwell mode is off
        QVERIFY(BuildDeviceImage(doc, QStringLiteral(".")).ok());
    }
};

QTEST_GUILESS_MAIN(DeviceImageTest)
#include "tst_image.moc"
