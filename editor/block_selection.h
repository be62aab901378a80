#pragma once

#include "core/map_document.h"
#include "editor/cell_block.h"

#include <optional>

// Which cells a block may hold: the rows above the transparent ones and the columns of
// the shape; with the load input not used only the last column, the one that takes
// entries. Nothing else can be selected, pasted into or changed by a block operation.
namespace BlockSelection {

bool isEditable(int row, int column, const MapDocument& doc);

// The rectangle between two cells cut to the editable cells; none when nothing is left.
std::optional<CellBlock> between(const GridCell& anchor, const GridCell& corner,
                                 const MapDocument& doc);

} // namespace BlockSelection
