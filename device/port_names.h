#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// A serial port the system lists: its own name ("COM3", "/dev/ttyUSB0") and its
// description ("USB serial adapter"; may be empty).
struct ListedPort {
    QString systemName;
    QString description;
};

// A list item "Com1" .. "Com16" and the listed port behind it.
struct NumberedPort {
    int number;
    ListedPort port;
};

// The port list of the window offers "Com1" .. "Com16". On Windows "Comn" is the listed
// port "COMn". Elsewhere it is the n-th listed port, USB and ACM adapters first, then the
// others, each group in name order (ttyUSB2 before ttyUSB10). Ports beyond the sixteenth
// get no item.
QList<NumberedPort> numberPorts(const QList<ListedPort>& listed, bool windows);

// The port behind one item, or nothing: an item without a port must not fall back to a
// name that may have no device.
std::optional<ListedPort> portForNumber(int portNumber, const QList<ListedPort>& listed,
                                        bool windows);

// "/dev/ttyUSB0 — USB serial adapter", or the name alone without a description.
QString portText(const ListedPort& port);
// "Com1 -> /dev/ttyUSB0, USB serial adapter", one line per numbered port.
QStringList portListing(const QList<ListedPort>& listed, bool windows);

// The ports this machine lists now, and whether it names them the Windows way.
QList<ListedPort> machinePorts();
bool machineIsWindows();

// The system name behind a list item on this machine; empty when no port is behind it.
QString systemPortName(int portNumber);

// A port given by the user: "Com3" is the list item above, anything else ("COM3",
// "/dev/ttyUSB0", a pseudo-terminal) is already the system's name and used as given.
QString portNameFromArgument(const QString& argument);
