#pragma once

#include "cli/cli_command.h"
#include "core/map_document.h"
#include "device/device_frame.h"

#include <optional>

// The steps the commands share; each reports its own failure on standard error.
class CliDocument {
  public:
    // The file read into the window's start-up document; "Wrong File!" when it fails.
    static std::optional<MapDocument> load(const QString& path, CliContext& context);
    static std::optional<DeviceImage> image(const MapDocument& document, CliContext& context);
    // The frame only when every byte fits, as an upload would need it.
    static std::optional<DeviceFrame> frame(const MapDocument& document, CliContext& context);
};
