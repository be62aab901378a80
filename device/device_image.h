#pragma once

#include "core/local_text.h"
#include "core/map_document.h"

#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>

// One signed 16-bit word per controller value: 240 table cells, the packed fields
// 240..251 and the byte values 252..258.
using DeviceImage = std::array<qint16, 259>;

struct DeviceImageResult {
    std::optional<DeviceImage> image;
    // When there is no image: the error number as the upload reports it (13 for a text
    // that is no number, 6 for a value too large, 11 for a rev limit of 0) and a
    // description naming the value that failed.
    int errorCode = 0;
    LocalText errorDescription;

    bool ok() const { return image.has_value(); }
};

// The block the controller stores, computed from the document's texts read with the
// locale's decimal separator. Pure: the same document always gives the same image.
DeviceImageResult BuildDeviceImage(const MapDocument& document, const QString& decimalSeparator);
