#include "cli/cli_command.h"

#include "cli/cli_parser.h"

// Listed here rather than registered by each file: a static library drops object files
// nothing refers to, and with them their registrations.
const std::vector<CliCommand>& cliCommands() {
    static const std::vector<CliCommand> commands{frameCommand(), imageCommand(), showCommand(),
                                                  sendCommand(), versionCommand()};
    return commands;
}

const CliCommand* findCliCommand(const QString& name) {
    for (const CliCommand& command : cliCommands())
        if (command.name == name)
            return &command;
    return nullptr;
}

QString cliUsage() {
    QString text = CliParser().helpText();
    text += QStringLiteral("\nCommands:\n");
    for (const CliCommand& command : cliCommands()) {
        text += QStringLiteral("  %1 %2\n").arg(command.name, command.arguments);
        for (const QString& line : command.summary.split(QLatin1Char('\n')))
            text += QStringLiteral("      %1\n").arg(line);
    }
    text += QStringLiteral(
        "\n"
        "Exit status:\n"
        "  0  done\n"
        "  1  unknown command or wrong arguments (the usage goes to standard error)\n"
        "  2  the map file cannot be read: \"Wrong File!\" on standard error\n"
        "  3  the map cannot be sent: a value that cannot be converted, or a frame byte\n"
        "     outside 0..255 (its index and value are named on standard error)\n"
        "  4  a serial port error\n");
    return text;
}
