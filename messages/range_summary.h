#pragma once

#include "core/map_document.h"

#include <QString>

class LanguageTexts;

// One message naming every value out of range (the first few and how many more), for
// the load of a file that holds them; empty when there is none.
QString outOfRangeSummary(const MapDocument& document, const QString& decimalSeparator,
                          const LanguageTexts& texts);
