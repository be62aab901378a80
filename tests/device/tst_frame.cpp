#include "device/device_frame.h"

#include <QtTest>

class DeviceFrameTest : public QObject {
    Q_OBJECT
  private slots:
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

QTEST_GUILESS_MAIN(DeviceFrameTest)
#include "tst_frame.moc"
