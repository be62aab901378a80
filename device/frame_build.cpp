#include "device/frame_build.h"

#include "core/document_ranges.h"

FrameBuild buildFrame(const MapDocument& document, const QString& decimalSeparator) {
    FrameBuild build;
    build.outOfRange = firstValueOutOfRange(document, decimalSeparator);
    if (build.outOfRange)
        return build;
    const DeviceImageResult image = BuildDeviceImage(document, decimalSeparator);
    if (!image.ok()) {
        build.conversionError = SerialError{image.errorCode, image.errorDescription};
        return build;
    }
    build.frame = PackDeviceImage(*image.image);
    return build;
}
