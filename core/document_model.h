#pragma once

#include "core/map_document.h"

#include <QObject>

// The window's map and what changes in it. The editors and the settings panel change the
// map in place, each its own part, and announce here what they changed; the graphs, the
// spark power read-out and the history observe these notices, never the widgets.
class DocumentModel : public QObject {
    Q_OBJECT
  public:
    MapDocument& map() { return m_map; }
    const MapDocument& map() const { return m_map; }

  signals:
    // One checked cell took a new value (0-based row and column, tenths of a degree).
    void cellChanged(int row, int column, int tenths);
    // The shape, the axes or many cells changed.
    void tableChanged();
    // The RPM axis the spark power limit is read from changed.
    void rpmAxisChanged();
    // A checked settings value passed its check and stands in its field.
    void settingsChanged();
    // A whole map was put in place: a load, an undo or a redo.
    void documentReplaced();
    // A change is complete now, not only once the running event is over: a block
    // operation, or a checked value of the table's own (the MAP maximum).
    void stepComplete();

  private:
    MapDocument m_map;
};
