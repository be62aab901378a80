#include "cli/cli_command.h"
#include "cli/cli_document.h"

namespace {

int runImage(const QStringList& arguments, CliContext& context) {
    const std::optional<MapDocument> document = CliDocument::load(arguments[0], context);
    if (!document)
        return kExitWrongFile;
    const std::optional<DeviceImage> image = CliDocument::image(*document, context);
    if (!image)
        return kExitFrameRefused;
    for (const qint16 word : *image)
        context.out << word << '\n';
    return kExitOk;
}

} // namespace

CliCommand imageCommand() {
    return {
        QStringLiteral("image"),
        QStringLiteral("FILE.klv"),
        QStringLiteral("The 259 words of the device image before packing, one decimal number\n"
                       "per line (words 0..239 cells, 240..251 dwell and load axis, 252..258\n"
                       "rev limit, intervals, coil values and configuration)."),
        1,
        &runImage,
    };
}
