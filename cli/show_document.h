#pragma once

#include "cli/cli_command.h"
#include "core/map_document.h"

// What `show` prints: the settings with their units, then the grid.
void showDocument(const MapDocument& document, CliContext& context);
