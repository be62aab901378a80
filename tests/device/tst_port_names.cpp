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
    // On Windows a number is the listed COMn. Elsewhere adapters come first, ACM before
    // USB, then the other ports, each kind in number order; past the list there is no
    // port behind the item.
    void numberToPort() {
        const QStringList mixed = {"/dev/ttyS1", "/dev/ttyUSB1", "/dev/ttyS0", "/dev/ttyACM0",
                                   "/dev/ttyUSB0"};
        const auto name = [](int number, const QStringList& listed, bool windows = false) {
            const std::optional<ListedPort> port = portForNumber(number, ports(listed), windows);
            return port ? port->systemName : QStringLiteral("none");
        };
        QCOMPARE((QStringList{name(3, {"COM1", "COM3"}, true), name(1, mixed), name(4, mixed),
                              name(6, mixed),
                              name(2, {"/dev/ttyUSB10", "/dev/ttyUSB2", "/dev/ttyUSB1"})}),
                 (QStringList{"COM3", "/dev/ttyACM0", "/dev/ttyS0", "none", "/dev/ttyUSB2"}));
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
