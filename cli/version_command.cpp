#include "cli/cli_command.h"
#include "cli/serial_arguments.h"
#include "cli/stderr_dialogs.h"
#include "device/qt_serial_link.h"
#include "device/real_clock.h"
#include "device/version_flash.h"
#include "language/language_texts.h"
#include "messages/serial_messages.h"

#include <QEventLoop>

namespace {

int runVersion(const QStringList& arguments, CliContext& context) {
    const std::optional<SerialArguments> args = parseSerialArguments(arguments);
    if (!args || !args->positional.isEmpty()) {
        context.err << "Usage: kelvor310-cli version --port NAME\n";
        return kExitUsage;
    }
    LanguageTexts texts;
    StderrDialogs dialogs;
    QtSerialLink link;
    RealClock clock;
    VersionFlash flash(link, clock);
    int exitCode = kExitOk;
    QEventLoop loop;
    QObject::connect(&flash, &VersionFlash::finished, &loop, [&](bool ok) {
        if (flash.problem())
            tellSerialProblem({std::nullopt, *flash.problem()}, dialogs, texts);
        exitCode = ok ? kExitOk : kExitSerialError;
        loop.quit();
    });
    flash.start(args->portName);
    // An error can end the request before the loop starts.
    if (flash.isRunning())
        loop.exec();
    return exitCode;
}

} // namespace

CliCommand versionCommand() {
    return {
        QStringLiteral("version"),
        QStringLiteral("--port NAME"),
        QStringLiteral("Makes the controller flash its version number: a 1.5 s break on the\n"
                       "port (\"Com1\" .. \"Com16\" or the system's own name)."),
        -1,
        &runVersion,
    };
}
