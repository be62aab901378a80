#include "cli/serial_arguments.h"

#include "device/port_names.h"

std::optional<SerialArguments> parseSerialArguments(const QStringList& arguments) {
    SerialArguments result;
    bool havePort = false;
    for (int i = 0; i < arguments.size(); ++i) {
        if (arguments[i] != QLatin1String("--port")) {
            result.positional.append(arguments[i]);
            continue;
        }
        if (i + 1 >= arguments.size())
            return std::nullopt;
        result.portName = portNameFromArgument(arguments[++i]);
        havePort = true;
    }
    if (!havePort)
        return std::nullopt;
    return result;
}
