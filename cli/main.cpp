#include "cli/cli_command.h"
#include "cli/cli_parser.h"
#include "core/separators.h"

#include <QCoreApplication>
#include <QLocale>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kelvor310-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KELVOR_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    CliContext context{separatorsFor(QLocale()).decimal, out, err};

    CliParser parser;
    if (!parser.parse(QCoreApplication::arguments())) {
        err << parser.errorText() << "\n\n" << cliUsage();
        return kExitUsage;
    }
    QStringList arguments = parser.command();
    if (parser.helpWanted() || arguments == QStringList{QStringLiteral("help")}) {
        out << cliUsage();
        return kExitOk;
    }
    if (parser.versionWanted()) {
        out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion()
            << '\n';
        return kExitOk;
    }
    const CliCommand* command = arguments.isEmpty() ? nullptr : findCliCommand(arguments[0]);
    if (!command) {
        if (!arguments.isEmpty())
            err << "Unknown command: " << arguments[0] << "\n\n";
        err << cliUsage();
        return kExitUsage;
    }
    arguments.removeFirst();
    if (command->argumentCount >= 0 && arguments.size() != command->argumentCount) {
        err << "Wrong arguments for " << command->name << "\n\n" << cliUsage();
        return kExitUsage;
    }
    return command->run(arguments, context);
}
