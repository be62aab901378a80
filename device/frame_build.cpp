#include "device/frame_build.h"

FrameBuild buildFrame(const MapDocument& document, const QString& decimalSeparator) {
    const DeviceImageResult image = BuildDeviceImage(document, decimalSeparator);
    FrameBuild build;
    if (!image.ok()) {
        build.conversionError = SerialError{image.errorCode, image.errorDescription};
        return build;
    }
    build.frame = PackDeviceImage(*image.image);
    return build;
}
