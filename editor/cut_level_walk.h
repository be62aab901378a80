#pragma once

#include <QList>

// Keeps the rev-limit cut levels non-decreasing from low to high RPM after the level
// of one row was chosen: every lower row above the new level comes down to it, and the
// higher rows are raised until the first one that already stands at or above it.
class CutLevelWalk {
  public:
    // levels holds rows 0..RowCount-1, with the chosen row already at its new level.
    static QList<int> apply(QList<int> levels, int chosenRow);
};
