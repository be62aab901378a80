#include "core/program_help.h"

QString programHelp(const QCommandLineParser& parser, const QString& program) {
    const QString text = parser.helpText();
    return QStringLiteral("Usage: ") + program +
           text.mid(text.indexOf(QLatin1String(" [options]")));
}
