#pragma once

#include "device/device_frame.h"
#include "device/serial_link.h"

// The frame to send, or the conversion error that kept the document from becoming one;
// the upload reports that error like a serial error.
struct FrameBuild {
    DeviceFrame frame{};
    std::optional<SerialError> conversionError;
};

// BuildDeviceImage, then PackDeviceImage.
FrameBuild buildFrame(const MapDocument& document, const QString& decimalSeparator);
