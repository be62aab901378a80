#include "cli/cli_command.h"
#include "cli/cli_document.h"
#include "cli/serial_arguments.h"
#include "cli/stderr_dialogs.h"
#include "cli/stderr_progress.h"
#include "device/frame_build.h"
#include "device/qt_serial_link.h"
#include "device/real_clock.h"
#include "device/upload_sequence.h"
#include "language/language_texts.h"
#include "messages/serial_messages.h"

#include <QEventLoop>

namespace {

int exitCodeOf(UploadSequence::Outcome outcome) {
    switch (outcome) {
    case UploadSequence::Outcome::Sent:
        return kExitOk;
    case UploadSequence::Outcome::Refused:
        return kExitFrameRefused;
    case UploadSequence::Outcome::Failed:
        return kExitSerialError;
    }
    return kExitSerialError;
}

int runSend(const QStringList& arguments, CliContext& context) {
    const std::optional<SerialArguments> args = parseSerialArguments(arguments);
    if (!args || args->positional.size() != 1) {
        context.err << cliUsage();
        return kExitUsage;
    }
    const std::optional<MapDocument> document = CliDocument::load(args->positional[0], context);
    if (!document)
        return kExitWrongFile;

    LanguageTexts texts;
    StderrDialogs dialogs;
    StderrProgress progress(texts);
    QtSerialLink link;
    RealClock clock;
    UploadSequence upload(link, clock, progress);
    int exitCode = kExitSerialError;
    QEventLoop loop;
    QObject::connect(&upload, &UploadSequence::finished, &loop,
                     [&](UploadSequence::Outcome outcome) {
                         if (upload.problem())
                             tellSerialProblem(*upload.problem(), dialogs, texts);
                         exitCode = exitCodeOf(outcome);
                         loop.quit();
                     });
    // A list item with no port behind it has no name; the upload reports it as missing.
    if (!args->portName.isEmpty())
        context.err << "Port: " << args->portName << '\n';
    upload.start(args->portName, buildFrame(*document, context.decimalSeparator));
    // A refused frame or a missing port ends the upload before the loop starts.
    if (upload.isRunning())
        loop.exec();
    return exitCode;
}

} // namespace

CliCommand sendCommand() {
    return {
        QStringLiteral("send"),
        QStringLiteral("FILE.klv --port NAME"),
        QStringLiteral(
            "Sends the map to the controller with a progress bar on standard error.\n"
            "NAME is a list item (\"Com3\") or the system's name (\"COM3\",\n"
            "\"/dev/ttyUSB0\", used as given); the port written to is named on standard\n"
            "error. A list item with no port behind it is a missing port. Exit 4 on a\n"
            "serial error."),
        -1,
        &runSend,
    };
}
