#include "core/default_axes.h"
#include "device/device_frame.h"
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
    void words_data() {
        QTest::addColumn<QString>("edits");
        QTest::addColumn<QList<int>>("indexes");
        QTest::addColumn<QList<int>>("expected");
        // Rev limit: high byte, low byte, the fixed 255.
        const QList<int> rev = range(252, 3);
        QTest::newRow("rev 30000") << "rev=30000" << rev << QList<int>{4, 239, 255};
        QTest::newRow("rev 6064: half to even") << "rev=6064" << rev << QList<int>{24, 47, 255};
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
        const auto row = [](const char* edits, const QString& message) {
            QTest::newRow(edits) << QString(edits) << message;
        };
        const QString cell =
            "The advance in row %1, column %2 (%3) is outside 0.0 .. 63.5 degrees!";
        row("shape=0 r59c0=70.0", cell.arg(60).arg(1).arg("70.0"));
        row("shape=1 r0c3=-0.5", cell.arg(1).arg(4).arg("-0.5"));
        row("shape=4 r3c11=99 r4c0=100", cell.arg(4).arg(12).arg("99"));
        row("r0c0=0.0 r0c1=63.5", "");
        row("cut7=4", "The REV Limit cut level of row 8 (4) is outside 0 .. 3!");
        row("lb3=2.4",
            "The 3. load boundary (2.40 V) must be higher than 2.40 V and lower than 5.00 V!");
        row("lb5=5",
            "The 5. load boundary (5.00 V) must be higher than 3.50 V and lower than 5.00 V!");
        row("spark=9.9", "The Spark Time (9.9) is outside 0.5 .. 2.0 ms!");
        row("charge=20", "The Charge Time (20) is outside 2 .. 8 ms!");
        row("coil=1 dwell=90", "The Charge Dwell (90) is outside 30 .. 89 camshaft degrees!");
        row("op=1 coil=1 dwell=182", "The Input Charge Dwell Correction (182) is outside 178.5 .. "
                                     "181.5 crankshaft degrees!");
        row("imode=1 idwell=14",
            "The Input Charge Dwell (14) is outside 15 .. 60 camshaft degrees!");
        row("rev=599", "The REV Limit (599) is outside 600 .. 30000 RPM!");
        row("r2c4=", "13: Type mismatch: cell (row 3, 900 RPM, column 5)");
        // The RPM axis and fields the mode does not use do not count.
        row("coil=1 dwell=50 spark=9.9 charge=20 idwell=1", "");
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

    // Nothing is masked: a word too large for its byte stays visible and is found.
    void packing_data() {
        QTest::addColumn<QList<int>>("settings"); // words 240..258
        QTest::addColumn<QList<int>>("expected"); // bytes 240..255
        QTest::addColumn<int>("firstOutOfRange");
        QTest::newRow("largest first byte")
            << QList<int>{127, 31, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 239, 255, 3, 128, 180, 33}
            << QList<int>{255, 240, 0, 0, 0, 0, 0, 0, 0, 4, 239, 255, 3, 128, 180, 33} << -1;
        QTest::newRow("wide first field")
            << QList<int>{128, 2, 24, 29, 35, 42, 63, 63, 63, 63, 63, 63, 0, 15, 255, 0, 7, 49, 19}
            << QList<int>{256, 38, 29, 142, 175, 255, 255, 255, 255, 0, 15, 255, 0, 7, 49, 19}
            << 240;
        QTest::newRow("configuration above a byte")
            << QList<int>{0, 20, 24, 29, 35, 42, 63, 63, 63, 63, 63, 63, 0, 15, 255, 0, 7, 49, 300}
            << QList<int>{1, 70, 29, 142, 175, 255, 255, 255, 255, 0, 15, 255, 0, 7, 49, 300}
            << 255;
    }
    void packing() {
        QFETCH(QList<int>, settings);
        QFETCH(QList<int>, expected);
        QFETCH(int, firstOutOfRange);
        DeviceImage image{};
        for (int k = 0; k < 240; ++k)
            image[k] = qint16(k % 256);
        std::copy(settings.begin(), settings.end(), image.begin() + 240);
        const DeviceFrame frame = PackDeviceImage(image);
        QCOMPARE(QList<int>(frame.begin(), frame.begin() + 240),
                 QList<int>(image.begin(), image.begin() + 240));
        QCOMPARE(QList<int>(frame.begin() + 240, frame.end()), expected);
        QCOMPARE(firstByteOutOfRange(frame).value_or(-1), firstOutOfRange);
    }
};

QTEST_GUILESS_MAIN(DeviceImageTest)
#include "tst_image.moc"
