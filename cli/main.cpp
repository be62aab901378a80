#include "cli/version_command.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString command = args.value(0);
    if (command == QLatin1String("version"))
        return runVersionCommand(args.mid(1));
    QTextStream(stdout) << "Usage: kelvor310-cli --help\n";
    return 0;
}
