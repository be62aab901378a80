#include "core/program_help.h"
#include "core/twips.h"
#include "storage/settings_file.h"
#include "ui/main_window.h"
#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QScreen>
#include <QStandardPaths>
#include <cstdio>
#include <optional>

namespace {

const char* const kProgram = "kelvor310";

// --help and --version are the only options, answered before the window system starts so
// that they work without a display. Every other argument, even one that starts with "-",
// is left to the map file path: the parse result is deliberately not checked, and no
// argument ends the program.
std::optional<int> answerOption(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Configuration tool for the KELVOR-310 ignition controller: edits the ignition-advance\n"
        "map and the ignition settings, shows the map as a 2D chart or a 3D wire frame, keeps\n"
        "it in map files and sends it to the controller over a serial port."));
    const QCommandLineOption help(QStringLiteral("help"), QStringLiteral("Shows this help."));
    const QCommandLineOption version(QStringLiteral("version"),
                                     QStringLiteral("Shows the program's version."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QStringLiteral("A map file to load at start-up. One pair of double quotes around it "
                       "is removed; a file that cannot be read leaves the start-up map."),
        QStringLiteral("[FILE.klv]"));
    parser.parse(arguments);
    if (parser.isSet(help)) {
        std::fputs(qPrintable(programHelp(parser, QLatin1String(kProgram))), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", kProgram, KELVOR_VERSION);
        return 0;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[]) {
    if (const std::optional<int> answered = answerOption(argc, argv))
        return *answered;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QLatin1String(kProgram));
    QApplication::setApplicationVersion(QStringLiteral(KELVOR_VERSION));
    Twips::setLogicalDpi(app.primaryScreen()->logicalDotsPerInch());
    QtDialogs dialogs;
    const SettingsLocation settings = SettingsLocation::forProgram(
        QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    MainWindow window(dialogs, settings);
    dialogs.setParent(&window);
    QObject::connect(&window, &MainWindow::nativeWindowLost, &app,
                     [] { QCoreApplication::exit(0); });
    window.show();
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1)
        window.openCommandLineMap(arguments.at(1));
    return app.exec();
}
