#pragma once

#include "core/check_failure.h"
#include "core/form_state.h"
#include "core/map_document.h"
#include "editor/cell_block.h"

#include <QList>
#include <QStringList>
#include <optional>

// Changes of a block of advance cells, as pure functions of the document. Every result
// is written as a typed value is (one decimal, halves away from zero) and kept within
// the cell range; with the load input not used each changed row is copied along from
// its last column, as an entry there is.
namespace BlockOperations {

struct Result {
    MapDocument document;
    bool clamped = false; // some value had to be limited to the cell range
};

enum class Direction { Rows, Columns, Both };

Result set(const MapDocument& doc, const CellBlock& block, double value);
Result add(const MapDocument& doc, const CellBlock& block, double degrees);
Result scale(const MapDocument& doc, const CellBlock& block, double percent);
// Straight lines between the block's edge cells, weighted by the rows' RPM and the
// columns' upper load boundaries (the values their headers show); Both is bilinear
// between the four corners. The corners keep their values.
Result interpolate(const MapDocument& doc, const CellBlock& block, Direction direction);

// Tab-separated values with the given decimal separator, one line per row, each line
// ended by a line break.
QString copyText(const MapDocument& doc, const CellBlock& block, const QString& separator);
// Whether clipboard text is a block (it holds a tab or a line break) rather than a value.
bool isBlockText(const QString& text);
// The values of block text by row; a last empty line is no row.
QList<QStringList> parseBlockText(const QString& text);

struct Paste {
    MapDocument document;
    bool cut = false; // the block reached beyond the table's edge and was cut there
    // When set, nothing was pasted: the first cell that refused, with its value and the
    // rule it broke (no rule: the cell cannot be edited).
    std::optional<GridCell> refusedCell;
    QString refusedValue;
    std::optional<CheckFailure> reason;
};

// The values put in with their top left at `at`, each checked as a typed value.
Paste paste(const MapDocument& doc, const GridCell& at, const QList<QStringList>& values,
            const FormState& form);

} // namespace BlockOperations
