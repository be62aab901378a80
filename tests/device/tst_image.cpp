#include "device/frame_build.h"

#include <QtTest>

// The words and bytes of whole maps are pinned by the command-line tests; here what only
// the window can hand over: texts in fields that the chosen modes hide.
class DeviceImageTest : public QObject {
    Q_OBJECT
  private slots:
    // Hidden fields may hold anything, stale or out of range, and the RPM axis is not the
    // controller's: none of them stops the frame or reaches it.
    void hiddenFieldsDoNotCount_data() {
        QTest::addColumn<QString>("hidden");
        QTest::newRow("empty") << "";
        QTest::newRow("not a number") << "junk";
        QTest::newRow("out of range") << "9.9";
    }
    void hiddenFieldsDoNotCount() {
        QFETCH(QString, hidden);
        MapDocument doc = MapDocument::startupDefaults(QStringLiteral("."));
        doc.coilControlMode = 1;
        doc.dwellAngle = QStringLiteral("50");
        doc.sparkTime = doc.chargeTime = doc.inputChargeDwell = hidden;
        doc.rpmBreakpoints[3] = -5;
        const FrameBuild build = buildFrame(doc, QStringLiteral("."));
        QVERIFY(!build.conversionError && !build.outOfRange);
        // Intervals, spark word, charge dwell, configuration.
        QCOMPARE(QList<int>(build.frame.end() - 4, build.frame.end()),
                 (QList<int>{0, 128, 50, 19}));
    }
};

QTEST_GUILESS_MAIN(DeviceImageTest)
#include "tst_image.moc"
