#include "cli/cli_command.h"
#include "cli/cli_document.h"

namespace {

int runFrame(const QStringList& arguments, CliContext& context) {
    const std::optional<MapDocument> document = CliDocument::load(arguments[0], context);
    if (!document)
        return kExitWrongFile;
    const std::optional<DeviceFrame> frame = CliDocument::frame(*document, context);
    if (!frame)
        return kExitFrameRefused;
    for (int row = 0; row < 16; ++row) {
        QStringList bytes;
        for (int k = 16 * row; k < 16 * row + 16; ++k)
            bytes << QStringLiteral("%1").arg((*frame)[k], 2, 16, QLatin1Char('0')).toUpper();
        context.out << bytes.join(QLatin1Char(' ')) << '\n';
    }
    return kExitOk;
}

} // namespace

CliCommand frameCommand() {
    return {
        QStringLiteral("frame"),
        QStringLiteral("FILE.klv"),
        QStringLiteral("The 256 bytes the controller would receive, in sending order: 16 lines\n"
                       "of 16 two-digit hexadecimal values."),
        1,
        &runFrame,
    };
}
