#include "device/port_names.h"

#include <QtTest>

class TestPortNames : public QObject {
    Q_OBJECT
private slots:
    void numberToName_data();
    void numberToName();
    void arguments_data();
    void arguments();
};

void TestPortNames::numberToName_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<bool>("windows");
    QTest::addColumn<QString>("name");

    const QStringList mixed = {"/dev/ttyS1", "/dev/ttyUSB1", "/dev/ttyS0", "/dev/ttyACM0",
                               "/dev/ttyUSB0"};
    QTest::newRow("windows ignores the list") << 3 << mixed << true << "COM3";
    QTest::newRow("windows 16") << 16 << QStringList{} << true << "COM16";
    QTest::newRow("adapters first, ACM before USB") << 1 << mixed << false << "/dev/ttyACM0";
    QTest::newRow("second adapter") << 2 << mixed << false << "/dev/ttyUSB0";
    QTest::newRow("third adapter") << 3 << mixed << false << "/dev/ttyUSB1";
    QTest::newRow("then the other ports") << 4 << mixed << false << "/dev/ttyS0";
    QTest::newRow("last listed") << 5 << mixed << false << "/dev/ttyS1";
    QTest::newRow("past the list") << 6 << mixed << false << "/dev/ttyS5";
    QTest::newRow("nothing listed") << 1 << QStringList{} << false << "/dev/ttyS0";
    QTest::newRow("nothing listed, 16") << 16 << QStringList{} << false << "/dev/ttyS15";
    QTest::newRow("numbers in number order")
        << 2 << QStringList{"/dev/ttyUSB10", "/dev/ttyUSB2", "/dev/ttyUSB1"} << false
        << "/dev/ttyUSB2";
}

void TestPortNames::numberToName() {
    QFETCH(int, number);
    QFETCH(QStringList, listed);
    QFETCH(bool, windows);
    QFETCH(QString, name);
    QCOMPARE(portNameForNumber(number, listed, windows), name);
}

void TestPortNames::arguments_data() {
    QTest::addColumn<QString>("argument");
    QTest::newRow("system name") << "COM3";
    QTest::newRow("device path") << "/dev/ttyUSB0";
    QTest::newRow("not a list item") << "Com17";
    QTest::newRow("list item needs its spelling") << "com3";
}

// Only the list items "Com1".."Com16" are numbers; everything else goes to the system.
void TestPortNames::arguments() {
    QFETCH(QString, argument);
    QCOMPARE(portNameFromArgument(argument), argument);
}

QTEST_GUILESS_MAIN(TestPortNames)
#include "tst_port_names.moc"
