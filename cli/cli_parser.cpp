#include "cli/cli_parser.h"

#include "core/program_help.h"

#include <QCoreApplication>

CliParser::CliParser()
    : m_help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Shows this help.")),
      m_version(QStringLiteral("version"), QStringLiteral("Shows the program's version.")) {
    m_parser.setApplicationDescription(QStringLiteral(
        "Works with KELVOR-310 map files (*.klv) without the window. Numbers are read and\n"
        "shown with the decimal separator of the locale, as the window does."));
    m_parser.addOption(m_help);
    m_parser.addOption(m_version);
    m_parser.addPositionalArgument(QStringLiteral("COMMAND"),
                                   QStringLiteral("One of the commands below."),
                                   QStringLiteral("COMMAND [ARGUMENTS]"));
    m_parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
}

bool CliParser::parse(const QStringList& arguments) {
    return m_parser.parse(arguments);
}

bool CliParser::helpWanted() const {
    return m_parser.isSet(m_help);
}

bool CliParser::versionWanted() const {
    return m_parser.isSet(m_version);
}

QString CliParser::helpText() const {
    return programHelp(m_parser, QCoreApplication::applicationName());
}
