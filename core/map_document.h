#pragma once

#include "core/table_shape.h"

#include <QString>
#include <array>

// Advance values in tenths of a degree (12.5 degrees is 125), by row and column.
using AdvanceTable = std::array<std::array<int, kMaxColumns>, kMaxRows>;

// Every value of one map: numbers for the table, list indices for lists, and the texts
// of the settings fields as typed, so that files and frames keep them exactly.
struct MapDocument {
    // Table shape and axes.
    int resolution = kDefaultResolution;
    AdvanceTable cells{};
    std::array<int, kMaxRows> revCutLevel{};           // 0..3 per row
    std::array<qint16, kMaxRows + 1> rpmBreakpoints{}; // entries 0..rowCount-1 used
    std::array<double, 13> loadBreakpoints{};          // volts; [0] = 0, [columnCount] = 5

    // Settings (list indices and texts as typed).
    int operationMode = 0;   // 0 Normal, 1 Bipolar
    int coilControlMode = 0; // 0 Time, 1 Dwell
    int cylinders = 2;       // index into "2","3","4","5","6","8"
    QString sparkTime;       // ms, decimal text
    QString chargeTime = QStringLiteral("5");
    QString dwellAngle; // charge dwell (Dwell) or dwell correction (Bipolar)
    bool inputDwellMode = false;
    QString inputChargeDwell;
    QString revLimit; // empty means no rev limit
    bool loadInputUsed = true;
    int loadUnit = 0; // 0 V, 1 %, 2 Bar
    QString mapMaxPressure;
    int inputPolarity = 0; // 0 Falling, 1 Rising
    int outputPolarity = 0;
    int transparentIntervals = 0;
    int chargeCorrectionIntervals = 0;
    QString note;

    int rowCount() const { return shapeOfResolution(resolution).rowCount; }
    int columnCount() const { return shapeOfResolution(resolution).columnCount; }
    int cylinderCount() const;

    bool operator==(const MapDocument& other) const;
    bool operator!=(const MapDocument& other) const { return !(*this == other); }

    // The settings part of `other`: its lists, option and settings fields, not its table,
    // load input or note.
    void copySettingsFrom(const MapDocument& other);

    // Every cell 0.5, cut levels 0 and the default RPM axis of the shape; the load axis
    // stays.
    void resetTable();

    // The start-up document: 40 x 6, every cell 0.5, default axes, cut levels 0, the
    // settings defaults with the given decimal separator.
    static MapDocument startupDefaults(const QString& decimalSeparator);
};
