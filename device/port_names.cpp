#include "device/port_names.h"

#include <QRegularExpression>
#include <QSerialPortInfo>
#include <QSysInfo>
#include <algorithm>

namespace {
bool isAdapter(const QString& name) {
    static const QRegularExpression adapter(QStringLiteral("usb|acm"),
                                            QRegularExpression::CaseInsensitiveOption);
    return adapter.match(name).hasMatch();
}

// Name order with a trailing number compared as a number.
bool nameLess(const QString& a, const QString& b) {
    static const QRegularExpression trailing(QStringLiteral("^(.*?)(\\d*)$"));
    const QRegularExpressionMatch ma = trailing.match(a);
    const QRegularExpressionMatch mb = trailing.match(b);
    if (ma.captured(1) != mb.captured(1))
        return ma.captured(1) < mb.captured(1);
    const QString na = ma.captured(2);
    const QString nb = mb.captured(2);
    if (na.size() != nb.size())
        return na.size() < nb.size();
    return na < nb;
}
} // namespace

QString portNameForNumber(int portNumber, const QStringList& listedPorts, bool windows) {
    if (windows)
        return QStringLiteral("COM%1").arg(portNumber);
    QStringList adapters;
    QStringList others;
    for (const QString& port : listedPorts)
        (isAdapter(port) ? adapters : others).append(port);
    std::sort(adapters.begin(), adapters.end(), nameLess);
    std::sort(others.begin(), others.end(), nameLess);
    const QStringList ordered = adapters + others;
    if (portNumber >= 1 && portNumber <= ordered.size())
        return ordered[portNumber - 1];
    return QStringLiteral("/dev/ttyS%1").arg(portNumber - 1);
}

QString systemPortName(int portNumber) {
    QStringList listed;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        listed.append(info.systemLocation());
    return portNameForNumber(portNumber, listed,
                             QSysInfo::productType() == QLatin1String("windows"));
}

QString portNameFromArgument(const QString& argument) {
    static const QRegularExpression listItem(QStringLiteral("^Com(1[0-6]|[1-9])$"));
    const QRegularExpressionMatch match = listItem.match(argument);
    if (match.hasMatch())
        return systemPortName(match.captured(1).toInt());
    return argument;
}
