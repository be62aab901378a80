#include "core/default_axes.h"
#include "device/device_frame.h"
#include "device/device_image.h"
#include "device/frame_build.h"
#include "language/language_texts.h"

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
        QTest::newRow("rev 6064: half to even") << "rev=6064" << rev << QList<int>{24, 47, 255};
        // A single-column row fills four words, the cut level's bits alternating in bit 7.
        const QList<int> one(4, 1);
        QTest::newRow("60 x 1 cut levels")
            << "shape=0 r36c0=10.0 r37c0=10.0 r38c0=10.0 r39c0=10.0 cut37=1 cut38=2 cut39=3"
            << range(4 * 35, 24)
            << one + QList<int>{20, 20,  20, 20,  148, 20,  148, 20,
                                20, 148, 20, 148, 148, 148, 148, 148} +
                   one;
        // Operating modes: words 240, 255, 256, 257, 258.
        const QString six = "cyl=4 tr=3 cc=2 idwell=60 ";
        const QList<int> modes = {240, 255, 256, 257, 258};
        QTest::newRow("charge 5.5 counts as 6")
            << six + "spark=1.2 charge=5.5" << modes << QList<int>{0, 35, 7, 59, 21};
        QTest::newRow("bipolar top") << six + "op=1 coil=1 imode=1 spark=x charge=x dwell=181.5"
                                     << modes << QList<int>{127, 3, 128, 180, 17};
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
    // controller takes; the first value outside them is named and nothing is built.
    void valuesOutOfRangeAreNamed_data() {
        QTest::addColumn<QString>("edits");
        QTest::addColumn<QString>("message"); // empty: the frame is built
        const auto row = [](const char* edits, const QString& message) {
            QTest::newRow(edits) << QString(edits) << message;
        };
        row("cut7=4", "The REV Limit cut level of row 8 (4) is outside 0 .. 3!");
        row("lb3=2.4",
            "The 3. load boundary (2.40 V) must be higher than 2.40 V and lower than 5.00 V!");
        row("op=1 coil=1 dwell=182", "The Input Charge Dwell Correction (182) is outside 178.5 .. "
                                     "181.5 crankshaft degrees!");
        // The RPM axis and fields the mode does not use do not count.
        row("coil=1 dwell=50 spark=9.9 charge=20 idwell=1", "");
    }
    void valuesOutOfRangeAreNamed() {
        QFETCH(QString, edits);
        QFETCH(QString, message);
        MapDocument doc = documentWith(edits);
        doc.rpmBreakpoints[3] = -5;
        const FrameBuild build = buildFrame(doc, QStringLiteral("."));
        QVERIFY(!build.conversionError);
        const QString refusal = build.outOfRange ? LanguageTexts().message(*build.outOfRange) : "";
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
