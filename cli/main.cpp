#include "cli/cli_command.h"
#include "core/separators.h"

#include <QCoreApplication>
#include <QLocale>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    CliContext context{separatorsFor(QLocale()).decimal, out, err};

    QStringList arguments = app.arguments().mid(1);
    if (arguments.size() == 1 &&
        (arguments[0] == QLatin1String("--help") || arguments[0] == QLatin1String("-h") ||
         arguments[0] == QLatin1String("help"))) {
        out << CliCommands::usage();
        return kExitOk;
    }
    const CliCommand* command = arguments.isEmpty() ? nullptr : CliCommands::find(arguments[0]);
    if (!command) {
        if (!arguments.isEmpty())
            err << "Unknown command: " << arguments[0] << "\n\n";
        err << CliCommands::usage();
        return kExitUsage;
    }
    arguments.removeFirst();
    if (command->argumentCount >= 0 && arguments.size() != command->argumentCount) {
        err << "Wrong arguments for " << command->name << "\n\n" << CliCommands::usage();
        return kExitUsage;
    }
    return command->run(arguments, context);
}
