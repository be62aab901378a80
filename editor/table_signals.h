#pragma once

#include <QObject>

// How the table editor paces the window around it; what changed in the map goes to the
// document model instead. The editor works the same with nothing connected.
class TableSignals : public QObject {
    Q_OBJECT
  signals:
    // A loaded map's table is in place: the settings set up for its modes...
    void loadedModesReady();
    // ...and, once the table's own layout is done, for its input-dwell mode.
    void loadedInputDwellReady();
    // A change that replaces the table is about to run; the focused field's check goes
    // first.
    void tableReplacing();
};
