#pragma once

#include <QCommandLineParser>

// The program's own options, --help and --version; everything from the command on
// belongs to the command, so a command's own options (--port) are left to it.
class CliParser {
  public:
    CliParser();
    // `arguments` starts with the program name. False with the reason in errorText().
    bool parse(const QStringList& arguments);
    QString errorText() const { return m_parser.errorText(); }
    bool helpWanted() const;
    bool versionWanted() const;
    // The command and its arguments.
    QStringList command() const { return m_parser.positionalArguments(); }
    // The usage line, the description and the options.
    QString helpText() const;

  private:
    QCommandLineParser m_parser;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
};
