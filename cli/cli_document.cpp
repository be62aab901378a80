#include "cli/cli_document.h"

#include "core/document_ranges.h"
#include "language/language_texts.h"
#include "storage/map_file.h"

std::optional<MapDocument> CliDocument::load(const QString& path, CliContext& context) {
    const Outcome<MapDocument> document = loadMapFile(
        path, MapDocument::startupDefaults(context.decimalSeparator), context.decimalSeparator);
    if (!document.ok()) {
        context.err << "Wrong File!\n";
        return std::nullopt;
    }
    return document.value();
}

std::optional<DeviceImage> CliDocument::image(const MapDocument& document, CliContext& context) {
    if (const std::optional<CheckFailure> failure =
            firstValueOutOfRange(document, context.decimalSeparator)) {
        context.err << QStringLiteral("The map cannot be sent: %1\n")
                           .arg(LanguageTexts().message(*failure));
        return std::nullopt;
    }
    const DeviceImageResult result = BuildDeviceImage(document, context.decimalSeparator);
    if (!result.ok()) {
        context.err << QStringLiteral("The map cannot be sent: %1 (error %2)\n")
                           .arg(LanguageTexts().words(result.errorDescription))
                           .arg(result.errorCode);
        return std::nullopt;
    }
    return result.image;
}

std::optional<DeviceFrame> CliDocument::frame(const MapDocument& document, CliContext& context) {
    const std::optional<DeviceImage> image = CliDocument::image(document, context);
    if (!image)
        return std::nullopt;
    const DeviceFrame frame = PackDeviceImage(*image);
    if (const std::optional<int> index = firstByteOutOfRange(frame)) {
        context.err << QStringLiteral(
                           "The map cannot be sent: frame byte %1 is %2, outside 0..255\n")
                           .arg(*index)
                           .arg(frame[*index]);
        return std::nullopt;
    }
    return frame;
}
