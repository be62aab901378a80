#include "cli/cli_command.h"

#include <algorithm>

std::vector<CliCommand>& CliCommands::all() {
    // Built on first use: the registrations run during static initialisation.
    static std::vector<CliCommand> commands;
    return commands;
}

void CliCommands::add(const CliCommand& command) {
    std::vector<CliCommand>& commands = all();
    commands.push_back(command);
    std::stable_sort(commands.begin(), commands.end(),
                     [](const CliCommand& a, const CliCommand& b) { return a.order < b.order; });
}

const CliCommand* CliCommands::find(const QString& name) {
    for (const CliCommand& command : all())
        if (command.name == name)
            return &command;
    return nullptr;
}

QString CliCommands::usage() {
    QString text = QStringLiteral(
        "Usage: kelvor310-cli COMMAND [ARGUMENTS]\n"
        "       kelvor310-cli --help\n"
        "\n"
        "Works with KELVOR-310 map files (*.klv) without the window. Numbers are read and\n"
        "shown with the decimal separator of the locale, as the window does.\n"
        "\n"
        "Commands:\n");
    for (const CliCommand& command : all()) {
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
