#include "core/default_axes.h"
#include "device/device_image.h"
#include "device/frame_build.h"

#include <QRegularExpression>
#include <QtTest>
#include <numeric>

namespace {

// The start-up document changed by edits such as "shape=0 rev=6111 r37c0=10.0 cut37=2".
MapDocument documentWith(const QString& edits) {
    MapDocument doc = MapDocument::startupDefaults(QStringLiteral("."));
    const QHash<QString, int*> numbers = {{"op", &doc.operationMode},
                                          {"coil", &doc.coilControlMode},
                                          {"cyl", &doc.cylinders},
                                          {"in", &doc.inputPolarity},
                                          {"out", &doc.outputPolarity},
                                          {"tr", &doc.transparentIntervals},
                                          {"cc", &doc.chargeCorrectionIntervals}};
    const QHash<QString, QString*> texts = {{"rev", &doc.revLimit},
                                            {"spark", &doc.sparkTime},
                                            {"charge", &doc.chargeTime},
                                            {"dwell", &doc.dwellAngle},
                                            {"idwell", &doc.inputChargeDwell}};
    static const QRegularExpression indexed(QStringLiteral("^(r|cut|lb)(\\d+)(?:c(\\d+))?$"));
    for (const QString& edit : edits.split(' ', Qt::SkipEmptyParts)) {
        const QString key = edit.section('=', 0, 0);
        const QString value = edit.section('=', 1);
        const QRegularExpressionMatch at = indexed.match(key);
        if (key == "shape") {
            doc.resolution = value.toInt();
            DefaultRpmBreakpoints(doc.rpmBreakpoints, doc.rowCount());
            DefaultLoadBreakpoints(doc.loadBreakpoints, doc.columnCount());
        } else if (key == "imode") {
            doc.inputDwellMode = value == "1";
        } else if (numbers.contains(key)) {
            *numbers[key] = value.toInt();
        } else if (texts.contains(key)) {
            *texts[key] = value;
        } else if (at.captured(1) == "r") {
            doc.cells[at.captured(2).toInt()][at.captured(3).toInt()] = value;
        } else if (at.captured(1) == "lb") {
            doc.loadBreakpoints[at.captured(2).toInt()] = value.toDouble();
        } else if (at.captured(1) == "cut") {
            doc.revCutLevel[at.captured(2).toInt()] = value.toInt();
        } else {
            qFatal("unknown edit %s", qPrintable(edit));
        }
    }
    return doc;
}

QList<int> range(int first, int count) {
    QList<int> list(count);
    std::iota(list.begin(), list.end(), first);
    return list;
}

} // namespace

class DeviceImageTest : public QObject {
    Q_OBJECT
  private slots:
    void startupDocument() {
        const QList<int> settings = {0,  20, 24, 29, 35,  42, 63, 63, 63, 63,
                                     63, 63, 0,  15, 255, 0,  7,  49, 19};
        for (const QString separator : {".", ","}) {
            const DeviceImageResult result =
                BuildDeviceImage(MapDocument::startupDefaults(separator), separator);
            QVERIFY(result.ok());
            QCOMPARE(QList<int>(result.image->begin(), result.image->end()),
                     QList<int>(240, 1) + settings);
        }
    }

    void words_data() {
        QTest::addColumn<QString>("edits");
        QTest::addColumn<QList<int>>("indexes");
        QTest::addColumn<QList<int>>("expected");
        // Rev limit: high byte, low byte, the fixed 255.
        const QList<int> rev = range(252, 3);
        QTest::newRow("rev 30000") << "rev=30000" << rev << QList<int>{4, 239, 255};
        QTest::newRow("rev 6111: low byte carries") << "rev=6111" << rev << QList<int>{24, 15, 255};
        QTest::newRow("rev 6064: half to even") << "rev=6064" << rev << QList<int>{24, 47, 255};
        // Load axis words (unused fields 63) and the configuration word 258.
        const QList<int> axis = range(241, 11) << 258;
        QTest::newRow("60 x 1, 2 cylinders")
            << "shape=0 cyl=0" << axis << QList<int>{31, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 9};
        QTest::newRow("20 x 12, 8 cylinders, rising")
            << "shape=4 cyl=5 in=1 out=1" << axis
            << QList<int>{18, 20, 23, 25, 28, 30, 33, 36, 40, 43, 47, 128 + 64 + 48 + 7};
        // A single-column row fills four words, the cut level's bits alternating in bit 7.
        const QList<int> one(4, 1);
        QTest::newRow("60 x 1 cut levels")
            << "shape=0 r36c0=10.0 r37c0=10.0 r38c0=10.0 r39c0=10.0 cut37=1 cut38=2 cut39=3"
            << range(4 * 35, 24)
            << one + QList<int>{20, 20,  20, 20,  148, 20,  148, 20,
                                20, 148, 20, 148, 148, 148, 148, 148} +
                   one;
        QTest::newRow("half-degree grid")
            << "shape=3 r5c2=10.2 r5c3=10.3" << QList<int>{42, 43} << QList<int>{20, 21};
        QTest::newRow("last cell of 20 x 12") << "shape=4 cut19=2 r19c10=0.0 r19c11=63.5"
                                              << QList<int>{238, 239, 240} << QList<int>{0, 255, 0};
        // Operating modes: words 240, 255, 256, 257, 258.
        const QString six = "cyl=4 tr=3 cc=2 idwell=60 ";
        const QList<int> modes = {240, 255, 256, 257, 258};
        QTest::newRow("charge 5.5 counts as 6")
            << six + "spark=1.2 charge=5.5" << modes << QList<int>{0, 35, 7, 59, 21};
        QTest::newRow("input dwell 60")
            << six + "coil=1 imode=1 dwell=55" << modes << QList<int>{91, 35, 128, 55, 21};
        QTest::newRow("bipolar top") << six + "op=1 coil=1 imode=1 spark=x charge=x dwell=181.5"
                                     << modes << QList<int>{127, 3, 128, 180, 17};
        QTest::newRow("bipolar bottom") << six + "op=1 spark=x charge=x dwell=178.5" << modes
                                        << QList<int>{121, 3, 128, 180, 17};
        QTest::newRow("unused texts are not read") << "coil=1 dwell=50 spark= charge= idwell=junk"
                                                   << modes << QList<int>{0, 0, 128, 50, 19};
    }
    void words() {
        QFETCH(QString, edits);
        QFETCH(QList<int>, indexes);
        QFETCH(QList<int>, expected);
        const DeviceImageResult result = BuildDeviceImage(documentWith(edits), QStringLiteral("."));
        QVERIFY(result.ok());
        QList<int> actual;
        for (int k : indexes)
            actual << (*result.image)[k];
        QCOMPARE(actual, expected);
    }

    // Before any frame is built the whole document is checked against the ranges the
    // controller takes; the first value outside them is named and nothing is built. A
    // text that is no number fails the conversion, named with its error number.
    void valuesOutOfRangeAreNamed_data() {
        QTest::addColumn<QString>("edits");
        QTest::addColumn<QString>("message"); // empty: the frame is built
        const QString cell =
            "The advance in row %1, column %2 (%3) is outside 0.0 .. 63.5 degrees!";
        QTest::newRow("60 x 1 cell") << "shape=0 r59c0=70.0" << cell.arg(60).arg(1).arg("70.0");
        QTest::newRow("60 x 4 cell") << "shape=1 r0c3=-0.5" << cell.arg(1).arg(4).arg("-0.5");
        QTest::newRow("40 x 6 cell") << "r39c5=63.6" << cell.arg(40).arg(6).arg("63.6");
        QTest::newRow("30 x 8 cell") << "shape=3 r12c7=64" << cell.arg(13).arg(8).arg("64");
        QTest::newRow("20 x 12 cell, first of two")
            << "shape=4 r3c11=99 r4c0=100" << cell.arg(4).arg(12).arg("99");
        QTest::newRow("cell limits pass") << "r0c0=0.0 r0c1=63.5"
                                          << "";
        QTest::newRow("cut level") << "cut7=4"
                                   << "The REV Limit cut level of row 8 (4) is outside 0 .. 3!";
        QTest::newRow("load axis not increasing")
            << "lb3=2.4"
            << "The 3. load boundary (2.40 V) must be higher than 2.40 V and lower than 5.00 V!";
        QTest::newRow("load axis at 5 V")
            << "lb5=5"
            << "The 5. load boundary (5.00 V) must be higher than 3.50 V and lower than 5.00 V!";
        QTest::newRow("spark time") << "spark=9.9"
                                    << "The Spark Time (9.9) is outside 0.5 .. 2.0 ms!";
        QTest::newRow("charge time") << "charge=20"
                                     << "The Charge Time (20) is outside 2 .. 8 ms!";
        QTest::newRow("charge dwell")
            << "coil=1 dwell=90"
            << "The Charge Dwell (90) is outside 30 .. 89 camshaft degrees!";
        QTest::newRow("dwell correction") << "op=1 coil=1 dwell=182"
                                          << "The Input Charge Dwell Correction (182) is outside "
                                             "178.5 .. 181.5 crankshaft degrees!";
        QTest::newRow("input charge dwell")
            << "imode=1 idwell=14"
            << "The Input Charge Dwell (14) is outside 15 .. 60 camshaft degrees!";
        QTest::newRow("rev limit") << "rev=599"
                                   << "The REV Limit (599) is outside 600 .. 30000 RPM!";
        QTest::newRow("empty cell") << "r2c4="
                                    << "13: Type mismatch: cell (row 3, 900 RPM, column 5)";
        QTest::newRow("RPM axis and unused fields do not count")
            << "coil=1 dwell=50 spark=9.9 charge=20 idwell=1"
            << "";
    }
    void valuesOutOfRangeAreNamed() {
        QFETCH(QString, edits);
        QFETCH(QString, message);
        MapDocument doc = documentWith(edits);
        doc.rpmBreakpoints[3] = -5;
        const FrameBuild build = buildFrame(doc, QStringLiteral("."));
        QString refusal;
        if (build.outOfRange)
            refusal = build.outOfRange->text(LanguageTexts());
        else if (build.conversionError)
            refusal = QString::number(build.conversionError->number) + ": " +
                      build.conversionError->description.in(LanguageTexts());
        QVERIFY2(message.isEmpty() ? refusal.isEmpty() : refusal.startsWith(message),
                 qPrintable(refusal));
    }
};

QTEST_GUILESS_MAIN(DeviceImageTest)
#include "tst_image.moc"
