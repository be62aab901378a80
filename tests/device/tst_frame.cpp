#include "device/device_frame.h"

#include <QtTest>

namespace {

DeviceImage imageWithSettings(const QList<int>& settings) {
    DeviceImage w{};
    for (int k = 0; k < 240; ++k)
        w[k] = qint16(k % 256);
    for (int i = 0; i < settings.size(); ++i)
        w[240 + i] = qint16(settings[i]);
    return w;
}

QList<int> bytes(const DeviceFrame& frame, int first, int count) {
    QList<int> list;
    for (int k = first; k < first + count; ++k)
        list << frame[k];
    return list;
}

} // namespace

class DeviceFrameTest : public QObject {
    Q_OBJECT
  private slots:
    void packing_data() {
        QTest::addColumn<QList<int>>("settings"); // words 240..258
        QTest::addColumn<QList<int>>("expected"); // bytes 240..255
        QTest::newRow("factory 40 x 6")
            << QList<int>{0, 20, 24, 29, 35, 42, 63, 63, 63, 63, 63, 63, 0, 15, 255, 0, 7, 49, 19}
            << QList<int>{1, 70, 29, 142, 175, 255, 255, 255, 255, 0, 15, 255, 0, 7, 49, 19};
        QTest::newRow("60 x 1 with input dwell")
            << QList<int>{91, 31, 63, 63,  63,  63, 63,  63, 63, 63,
                          63, 63, 24, 127, 255, 35, 128, 55, 9}
            << QList<int>{183, 255, 255, 255, 255, 255, 255, 255,
                          255, 24,  127, 255, 35,  128, 55,  9};
        QTest::newRow("largest first byte")
            << QList<int>{127, 31, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 239, 255, 3, 128, 180, 33}
            << QList<int>{255, 240, 0, 0, 0, 0, 0, 0, 0, 4, 239, 255, 3, 128, 180, 33};
        QTest::newRow("20 x 12 fields")
            << QList<int>{0, 18, 20, 23, 25, 28, 30, 33, 36, 40, 43, 47, 0, 15, 255, 0, 7, 49, 52}
            << QList<int>{1, 37, 23, 101, 199, 161, 146, 138, 239, 0, 15, 255, 0, 7, 49, 52};
    }
    void packing() {
        QFETCH(QList<int>, settings);
        QFETCH(QList<int>, expected);
        const DeviceImage image = imageWithSettings(settings);
        const DeviceFrame frame = PackDeviceImage(image);
        for (int k = 0; k < 240; ++k)
            QCOMPARE(frame[k], int(image[k]));
        QCOMPARE(bytes(frame, 240, 16), expected);
        QCOMPARE(firstByteOutOfRange(frame), std::optional<int>());
    }

    void outOfRangeValuesAreKeptAndFound_data() {
        QTest::addColumn<int>("word");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("byteValue");
        QTest::newRow("cell above a byte") << 17 << 256 << 17 << 256;
        QTest::newRow("negative cell") << 3 << -2 << 3 << -2;
        QTest::newRow("wide first field") << 240 << 128 << 240 << 256;
        QTest::newRow("unmended rev limit") << 253 << 271 << 250 << 271;
        QTest::newRow("configuration") << 258 << 300 << 255 << 300;
    }
    void outOfRangeValuesAreKeptAndFound() {
        QFETCH(int, word);
        QFETCH(int, value);
        QFETCH(int, byte);
        QFETCH(int, byteValue);
        DeviceImage image = imageWithSettings(
            {0, 20, 24, 29, 35, 42, 63, 63, 63, 63, 63, 63, 0, 15, 255, 0, 7, 49, 19});
        image[240] = 0;
        image[241] = 2; // keeps byte 240 small for the first-field case
        image[word] = qint16(value);
        const DeviceFrame frame = PackDeviceImage(image);
        QCOMPARE(frame[byte], byteValue);
        QCOMPARE(firstByteOutOfRange(frame), std::optional<int>(byte));
    }
};

QTEST_GUILESS_MAIN(DeviceFrameTest)
#include "tst_frame.moc"
