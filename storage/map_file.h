#pragma once

#include "core/local_text.h"
#include "core/map_document.h"
#include "core/outcome.h"

#include <QString>

struct SaveResult {
    bool saved = false;
    LocalText reason; // why not, when not saved
};

// Writes the whole file or nothing: the old file at `path` stays intact when the
// document cannot be written or the disk refuses.
SaveResult saveMapFile(const QString& path, const MapDocument& document,
                       const QString& decimalSeparator);

// readMapFile on the file's bytes; a file that cannot be opened, or is far larger than
// any map file, fails like a file of the wrong content.
Outcome<MapDocument> loadMapFile(const QString& path, const MapDocument& base,
                                 const QString& decimalSeparator);
