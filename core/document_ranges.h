#pragma once

#include "core/check_failure.h"
#include "core/map_document.h"

#include <QList>
#include <climits>
#include <optional>

// The values of a document that the controller cannot take, in the order the frame
// holds them: each row's cells and cut level, then the load boundaries and the settings.
// Only what is sent counts: the RPM axis and the fields of the modes not chosen never
// block. A text that is no number is left to the conversion, which names it with its
// own error. At most `limit` are listed.
QList<CheckFailure> valuesOutOfRange(const MapDocument& document, const QString& decimalSeparator,
                                     int limit = INT_MAX);

std::optional<CheckFailure> firstValueOutOfRange(const MapDocument& document,
                                                 const QString& decimalSeparator);
