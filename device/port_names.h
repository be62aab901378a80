#pragma once

#include <QString>
#include <QStringList>

// The port list of the window offers "Com1" .. "Com16". On Windows port n is "COMn".
// Elsewhere it is the n-th port the system lists, USB and ACM adapters first, then the
// others, each group in name order (ttyUSB2 before ttyUSB10); when fewer ports are
// listed it is /dev/ttyS{n-1}.
QString portNameForNumber(int portNumber, const QStringList& listedPorts, bool windows);

// The same rule with the ports this machine lists now.
QString systemPortName(int portNumber);

// A port given by the user: "Com3" is port number 3 of the list above, anything else
// ("COM3", "/dev/ttyUSB0") is already the system's name.
QString portNameFromArgument(const QString& argument);
