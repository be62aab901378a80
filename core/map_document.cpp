#include "core/map_document.h"

#include "core/cell_tenths.h"
#include "core/default_axes.h"

#include <tuple>

int MapDocument::cylinderCount() const {
    static constexpr int counts[] = {2, 3, 4, 5, 6, 8};
    return (cylinders >= 0 && cylinders < 6) ? counts[cylinders] : 4;
}

bool MapDocument::operator==(const MapDocument& o) const {
    if (resolution != o.resolution || operationMode != o.operationMode ||
        coilControlMode != o.coilControlMode || cylinders != o.cylinders ||
        sparkTime != o.sparkTime || chargeTime != o.chargeTime || dwellAngle != o.dwellAngle ||
        inputDwellMode != o.inputDwellMode || inputChargeDwell != o.inputChargeDwell ||
        revLimit != o.revLimit || loadInputUsed != o.loadInputUsed || loadUnit != o.loadUnit ||
        mapMaxPressure != o.mapMaxPressure || inputPolarity != o.inputPolarity ||
        outputPolarity != o.outputPolarity || transparentIntervals != o.transparentIntervals ||
        chargeCorrectionIntervals != o.chargeCorrectionIntervals || note != o.note)
        return false;
    // Only the used part of the table and axes belongs to the document.
    const int rows = rowCount();
    const int columns = columnCount();
    for (int r = 0; r < rows; ++r) {
        if (revCutLevel[r] != o.revCutLevel[r] || rpmBreakpoints[r] != o.rpmBreakpoints[r])
            return false;
        for (int c = 0; c < columns; ++c)
            if (cells[r][c] != o.cells[r][c])
                return false;
    }
    for (int i = 0; i <= columns; ++i)
        if (loadBreakpoints[i] != o.loadBreakpoints[i])
            return false;
    return true;
}

namespace {
// The settings part of a map, as references into it.
template <class Document> auto settingsOf(Document& d) {
    return std::tie(d.operationMode, d.coilControlMode, d.cylinders, d.sparkTime, d.chargeTime,
                    d.dwellAngle, d.inputDwellMode, d.inputChargeDwell, d.revLimit, d.inputPolarity,
                    d.outputPolarity, d.chargeCorrectionIntervals);
}
} // namespace

void MapDocument::copySettingsFrom(const MapDocument& other) {
    settingsOf(*this) = settingsOf(other);
}

void MapDocument::resetTable() {
    for (auto& row : cells)
        row.fill(CellTenths::kDefault);
    revCutLevel.fill(0);
    DefaultRpmBreakpoints(rpmBreakpoints, rowCount());
}

MapDocument MapDocument::startupDefaults(const QString& decimalSeparator) {
    MapDocument doc;
    doc.resetTable();
    doc.sparkTime = QStringLiteral("1") + decimalSeparator + QStringLiteral("2");
    DefaultLoadBreakpoints(doc.loadBreakpoints, doc.columnCount());
    return doc;
}
