#include "device/port_names.h"

#include <QRegularExpression>
#include <QSerialPortInfo>
#include <QSysInfo>
#include <algorithm>

namespace {

constexpr int kListItems = 16;

bool isAdapter(const QString& name) {
    static const QRegularExpression adapter(QStringLiteral("usb|acm"),
                                            QRegularExpression::CaseInsensitiveOption);
    return adapter.match(name).hasMatch();
}

// Name order with a trailing number compared as a number.
bool nameLess(const ListedPort& portA, const ListedPort& portB) {
    static const QRegularExpression trailing(QStringLiteral("^(.*?)(\\d*)$"));
    const QRegularExpressionMatch ma = trailing.match(portA.systemName);
    const QRegularExpressionMatch mb = trailing.match(portB.systemName);
    if (ma.captured(1) != mb.captured(1))
        return ma.captured(1) < mb.captured(1);
    const QString na = ma.captured(2);
    const QString nb = mb.captured(2);
    if (na.size() != nb.size())
        return na.size() < nb.size();
    return na < nb;
}

} // namespace

QList<NumberedPort> numberPorts(const QList<ListedPort>& listed, bool windows) {
    QList<NumberedPort> numbered;
    if (windows) {
        static const QRegularExpression com(QStringLiteral("^COM(\\d+)$"),
                                            QRegularExpression::CaseInsensitiveOption);
        for (const ListedPort& port : listed) {
            const int number = com.match(port.systemName).captured(1).toInt();
            if (number >= 1 && number <= kListItems)
                numbered.append({number, port});
        }
        std::sort(numbered.begin(), numbered.end(),
                  [](const NumberedPort& a, const NumberedPort& b) { return a.number < b.number; });
        return numbered;
    }
    QList<ListedPort> adapters;
    QList<ListedPort> others;
    for (const ListedPort& port : listed)
        (isAdapter(port.systemName) ? adapters : others).append(port);
    std::sort(adapters.begin(), adapters.end(), nameLess);
    std::sort(others.begin(), others.end(), nameLess);
    const QList<ListedPort> ordered = adapters + others;
    for (int i = 0; i < ordered.size() && i < kListItems; ++i)
        numbered.append({i + 1, ordered[i]});
    return numbered;
}

std::optional<ListedPort> portForNumber(int portNumber, const QList<ListedPort>& listed,
                                        bool windows) {
    for (const NumberedPort& numbered : numberPorts(listed, windows))
        if (numbered.number == portNumber)
            return numbered.port;
    return std::nullopt;
}

QString portText(const ListedPort& port) {
    return port.description.isEmpty() ? port.systemName
                                      : port.systemName + QStringLiteral(" — ") + port.description;
}

QStringList portListing(const QList<ListedPort>& listed, bool windows) {
    QStringList lines;
    for (const NumberedPort& numbered : numberPorts(listed, windows)) {
        QString line =
            QStringLiteral("Com%1 -> %2").arg(numbered.number).arg(numbered.port.systemName);
        if (!numbered.port.description.isEmpty())
            line += QStringLiteral(", ") + numbered.port.description;
        lines.append(line);
    }
    return lines;
}

bool machineIsWindows() {
    return QSysInfo::productType() == QLatin1String("windows");
}

QList<ListedPort> machinePorts() {
    QList<ListedPort> listed;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        listed.append(
            {machineIsWindows() ? info.portName() : info.systemLocation(), info.description()});
    return listed;
}

QString systemPortName(int portNumber) {
    const std::optional<ListedPort> port =
        portForNumber(portNumber, machinePorts(), machineIsWindows());
    return port ? port->systemName : QString();
}

QString portNameFromArgument(const QString& argument) {
    static const QRegularExpression listItem(QStringLiteral("^Com(1[0-6]|[1-9])$"));
    const QRegularExpressionMatch match = listItem.match(argument);
    if (match.hasMatch())
        return systemPortName(match.captured(1).toInt());
    return argument;
}
