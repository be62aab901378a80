#pragma once

#include <QObject>

// What the table editor tells the rest of the window. The window connects these; the
// editor works the same with nothing connected.
class TableSignals : public QObject {
    Q_OBJECT
  signals:
    // The shape, the axes or many cells changed: the selected graph view draws anew.
    void tableChanged();
    // One checked cell took a new value (0-based row and column, tenths of a degree).
    void cellChanged(int row, int column, int tenths);
    // The RPM axis the spark-power limit is read from changed.
    void rpmAxisChanged();
    // A loaded map's table is in place: the settings set up for its modes...
    void loadedModesReady();
    // ...and, once the table's own layout is done, for its input-dwell mode.
    void loadedInputDwellReady();
    // A change that replaces the table is about to run; the focused field's check goes
    // first.
    void tableReplacing();
    // A checked value of the table's own (the MAP maximum), or a whole block operation,
    // is complete: a step of the window's history.
    void stepComplete();
};
