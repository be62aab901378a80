#pragma once

#include "device/device_image.h"

#include <array>
#include <optional>

// The 256 values of the wire block. They are kept wider than a byte on purpose: a word
// too large for its field shows up here as a value above 255 instead of being cut.
using DeviceFrame = std::array<int, 256>;

// Copies the cells and the byte words and packs word 240 and the eleven load-axis words,
// six bits each, four fields to three bytes, most significant bits first. No masking.
DeviceFrame PackDeviceImage(const DeviceImage& image);

// The index of the first value outside 0..255, which must stop an upload there.
std::optional<int> firstByteOutOfRange(const DeviceFrame& frame);
