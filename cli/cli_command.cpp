#include "cli/cli_command.h"

#include "cli/cli_parser.h"

// Listed here rather than registered by each file: a static library drops object files
// nothing refers to, and with them their registrations.
const std::vector<CliCommand>& cliCommands() {
    static const std::vector<CliCommand> commands{frameCommand(), imageCommand(), showCommand(),
                                                  diffCommand(),  sendCommand(),  versionCommand(),
                                                  portsCommand()};
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
        const QString head = (command.name + QLatin1Char(' ') + command.arguments).trimmed();
        text += QStringLiteral("  %1\n").arg(head);
        for (const QString& line : command.summary.split(QLatin1Char('\n')))
            text += QStringLiteral("      %1\n").arg(line);
    }
    text += QStringLiteral(
        "\n"
        "Exit status:\n"
        "  0  done; for diff: the two maps are the same\n"
        "  1  unknown command or wrong arguments (the usage goes to standard error)\n"
        "  2  the map file cannot be read: \"Wrong File!\" on standard error\n"
        "  3  the map cannot be sent: a value outside its range or not a number, or a\n"
        "     frame byte outside 0..255 (named on standard error; nothing on standard\n"
        "     output)\n"
        "  4  a serial port error\n"
        "  5  diff only: the two maps differ\n");
    return text;
}
