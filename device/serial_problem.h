#pragma once

#include "core/check_failure.h"
#include "device/serial_link.h"

#include <optional>

// Why an upload or a version request ended without success, for the caller to tell.
struct SerialProblem {
    // A value the controller cannot take: the upload was refused before the port opened.
    std::optional<CheckFailure> outOfRange;
    // Otherwise the serial error, or the conversion error that kept the map from a frame.
    SerialError error;
};
