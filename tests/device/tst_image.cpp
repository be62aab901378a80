#include "device/frame_build.h"

#include <QtTest>

// The words and bytes of whole maps are pinned by the command-line tests; here what only
// the window can hand over: texts in fields that the chosen modes hide.
class DeviceImageTest : public QObject {
    Q_OBJECT
  private slots:
    // Hidden fields may hold anything, empty, not a number or out of range, and the RPM
    // axis is not the controller's: none of them stops the frame or reaches it.
    void hiddenFieldsDoNotCount() {
        for (const QString hidden : {"", "junk", "9.9"}) {
            MapDocument doc = MapDocument::startupDefaults(QStringLiteral("."));
            doc.coilControlMode = 1;
            doc.dwellAngle = QStringLiteral("50");
            doc.sparkTime = doc.chargeTime = doc.inputChargeDwell = hidden;
            doc.rpmBreakpoints[3] = -5;
            const FrameBuild build = buildFrame(doc, QStringLiteral("."));
            // Both flags, then intervals, spark word, charge dwell, configuration.
            QCOMPARE((QList<int>{build.conversionError.has_value(), build.outOfRange.has_value()} +
                      QList<int>(build.frame.end() - 4, build.frame.end())),
                     (QList<int>{0, 0, 0, 128, 50, 19}));
        }
    }
};

QTEST_GUILESS_MAIN(DeviceImageTest)
#include "tst_image.moc"
