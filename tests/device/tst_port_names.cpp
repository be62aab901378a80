#include "device/port_names.h"

#include <QtTest>

class TestPortNames : public QObject {
    Q_OBJECT
  private slots:
    void numberToName_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<bool>("windows");
        QTest::addColumn<QString>("name");
        const QStringList mixed = {"/dev/ttyS1", "/dev/ttyUSB1", "/dev/ttyS0", "/dev/ttyACM0",
                                   "/dev/ttyUSB0"};
        QTest::newRow("windows ignores the list") << 3 << mixed << true << "COM3";
        QTest::newRow("adapters first, ACM before USB") << 1 << mixed << false << "/dev/ttyACM0";
        QTest::newRow("then the other ports") << 4 << mixed << false << "/dev/ttyS0";
        QTest::newRow("past the list") << 16 << mixed << false << "/dev/ttyS15";
        QTest::newRow("numbers in number order")
            << 2 << QStringList{"/dev/ttyUSB10", "/dev/ttyUSB2", "/dev/ttyUSB1"} << false
            << "/dev/ttyUSB2";
    }
    void numberToName() {
        QFETCH(int, number);
        QFETCH(QStringList, listed);
        QFETCH(bool, windows);
        QFETCH(QString, name);
        QCOMPARE(portNameForNumber(number, listed, windows), name);
    }

    // Only the list items "Com1".."Com16" are numbers; anything else is the system's name.
    void otherArgumentsAreSystemNames() {
        for (const QString argument : {"COM3", "/dev/ttyUSB0", "Com17", "com3"})
            QCOMPARE(portNameFromArgument(argument), argument);
    }
};

QTEST_GUILESS_MAIN(TestPortNames)
#include "tst_port_names.moc"
