#pragma once

#include <QCommandLineParser>

// The parser's help with a usage line that names the program as it is installed rather
// than the path it was started by, so the help and the manual page read the same.
QString programHelp(const QCommandLineParser& parser, const QString& program);
