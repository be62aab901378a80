#pragma once

#include "core/check_failure.h"
#include "device/device_frame.h"
#include "device/serial_link.h"

// The frame to send; or the first value outside its range, which refuses the upload with
// its own message; or the conversion error that kept the document from becoming a
// frame, which the upload reports like a serial error.
struct FrameBuild {
    DeviceFrame frame{};
    std::optional<CheckFailure> outOfRange;
    std::optional<SerialError> conversionError;
};

// The range check of the whole document, then BuildDeviceImage and PackDeviceImage.
FrameBuild buildFrame(const MapDocument& document, const QString& decimalSeparator);
