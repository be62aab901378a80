#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <vector>

// Exit codes of every command.
constexpr int kExitOk = 0;
constexpr int kExitUsage = 1;
constexpr int kExitWrongFile = 2;
constexpr int kExitFrameRefused = 3;
constexpr int kExitSerialError = 4;
// Only `diff`: the two maps differ (0 when they are the same).
constexpr int kExitDifferent = 5;

// What every command gets: the locale's decimal separator (the program reads and shows
// numbers as the window does) and the two output streams.
struct CliContext {
    QString decimalSeparator;
    QTextStream& out;
    QTextStream& err;
};

struct CliCommand {
    QString name;
    QString arguments;     // as shown in the usage, e.g. "FILE.klv"
    QString summary;       // one or more lines of help, without the name
    int argumentCount = 0; // -1: the command checks its arguments itself
    int (*run)(const QStringList& arguments, CliContext& context) = nullptr;
};

// Each command is described in its own file.
CliCommand frameCommand();
CliCommand imageCommand();
CliCommand showCommand();
CliCommand diffCommand();
CliCommand sendCommand();
CliCommand versionCommand();
CliCommand portsCommand();

// Every command, in the order of the help.
const std::vector<CliCommand>& cliCommands();
const CliCommand* findCliCommand(const QString& name);

// The whole help: usage, options, commands and exit codes. Wrong arguments print it on
// standard error.
QString cliUsage();
