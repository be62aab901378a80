#pragma once

#include "core/map_document.h"

#include <QString>

class LanguageTexts;

// One message naming every value out of range (the first few and how many more), or else
// the text that is no number, for the load of a file that holds them; empty when the map
// can be sent.
QString outOfRangeSummary(const MapDocument& document, const QString& decimalSeparator,
                          const LanguageTexts& texts);
