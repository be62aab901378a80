#include "editor/block_selection.h"

namespace {
int firstEditableColumn(const MapDocument& doc) {
    return doc.loadInputUsed ? 0 : doc.columnCount() - 1;
}
} // namespace

bool BlockSelection::isEditable(int row, int column, const MapDocument& doc) {
    return row >= doc.transparentIntervals && row < doc.rowCount() &&
           column >= firstEditableColumn(doc) && column < doc.columnCount();
}

std::optional<CellBlock> BlockSelection::between(const GridCell& anchor, const GridCell& corner,
                                                 const MapDocument& doc) {
    CellBlock block = CellBlock::spanning(anchor, corner);
    block.top = std::max(block.top, doc.transparentIntervals);
    block.bottom = std::min(block.bottom, doc.rowCount() - 1);
    block.left = std::max(block.left, firstEditableColumn(doc));
    block.right = std::min(block.right, doc.columnCount() - 1);
    if (block.top > block.bottom || block.left > block.right)
        return std::nullopt;
    return block;
}
