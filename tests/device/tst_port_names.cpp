#include "device/port_names.h"

#include <QtTest>

namespace {
QList<ListedPort> ports(const QStringList& names) {
    QList<ListedPort> listed;
    for (const QString& name : names)
        listed.append({name, name.contains("USB") ? "USB serial adapter" : QString()});
    return listed;
}
} // namespace

class TestPortNames : public QObject {
    Q_OBJECT
  private slots:
    void numberToPort_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<bool>("windows");
        QTest::addColumn<QString>("name"); // empty: no port behind the item
        const QStringList mixed = {"/dev/ttyS1", "/dev/ttyUSB1", "/dev/ttyS0", "/dev/ttyACM0",
                                   "/dev/ttyUSB0"};
        QTest::newRow("windows: the listed COMn")
            << 3 << QStringList{"COM1", "COM3"} << true << "COM3";
        QTest::newRow("adapters first, ACM before USB") << 1 << mixed << false << "/dev/ttyACM0";
        QTest::newRow("then the other ports") << 4 << mixed << false << "/dev/ttyS0";
        QTest::newRow("past the list") << 6 << mixed << false << "";
        QTest::newRow("numbers in number order")
            << 2 << QStringList{"/dev/ttyUSB10", "/dev/ttyUSB2", "/dev/ttyUSB1"} << false
            << "/dev/ttyUSB2";
    }
    void numberToPort() {
        QFETCH(int, number);
        QFETCH(QStringList, listed);
        QFETCH(bool, windows);
        const std::optional<ListedPort> port = portForNumber(number, ports(listed), windows);
        QTEST(port ? port->systemName : QString(), "name");
    }

    // The listing names what is behind each item; only the list items "Com1".."Com16"
    // are numbers, anything else given is the system's name.
    void listingAndSystemNames() {
        QCOMPARE(portListing(ports({"/dev/ttyS0", "/dev/ttyUSB0"}), false),
                 QStringList({"Com1 -> /dev/ttyUSB0, USB serial adapter", "Com2 -> /dev/ttyS0"}));
        for (const QString argument : {"COM3", "/dev/ttyUSB0", "Com17", "com3"})
            QCOMPARE(portNameFromArgument(argument), argument);
    }
};

QTEST_GUILESS_MAIN(TestPortNames)
#include "tst_port_names.moc"
