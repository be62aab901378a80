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
    int order = 0;         // position in the help
    int argumentCount = 0; // -1: the command checks its arguments itself
    int (*run)(const QStringList& arguments, CliContext& context) = nullptr;
};

// The commands register themselves from their own files, so a new command is one new
// file and touches nothing else.
class CliCommands {
  public:
    static void add(const CliCommand& command);
    static const CliCommand* find(const QString& name);
    static QString usage();

  private:
    static std::vector<CliCommand>& all();
};

struct CliRegistration {
    explicit CliRegistration(const CliCommand& command) { CliCommands::add(command); }
};
