#include "cli/cli_command.h"
#include "device/port_names.h"

namespace {

int runPorts(const QStringList&, CliContext& context) {
    const QStringList lines = portListing(machinePorts(), machineIsWindows());
    if (lines.isEmpty())
        context.err << "No serial port found.\n";
    for (const QString& line : lines)
        context.out << line << '\n';
    return kExitOk;
}

} // namespace

CliCommand portsCommand() {
    return {
        QStringLiteral("ports"),
        QString(),
        QStringLiteral("The serial ports found, one line each as \"ComN -> system port,\n"
                       "description\": the list item of the window and the port behind it."),
        0,
        &runPorts,
    };
}
