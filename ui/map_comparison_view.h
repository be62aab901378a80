#pragma once

#include "core/map_document.h"
#include "editor/grid_widgets.h"
#include "messages/map_comparison.h"

#include <QHash>
#include <QObject>
#include <array>
#include <optional>

class Dialogs;
class DocumentOwner;
class LanguageTexts;
class QAction;
class QLineEdit;
class QMenu;
class QWidget;
struct FormState;

// The grid's comparison with another map file: the grid's context menu offers "Compare
// with map file..." and "Stop comparing"; while comparing, every cell whose value differs
// from the other map's carries a coloured frame and a tool tip with the other value and
// the difference, and the marks follow every change of the grid until the user stops.
class MapComparisonView : public QObject {
    Q_OBJECT
  public:
    // Call once the grid's rows exist; the two entries join the grid's context menu.
    MapComparisonView(const GridWidgets& grid, QMenu& gridMenu, Dialogs& dialogs,
                      const LanguageTexts& texts, const FormState& state,
                      const DocumentOwner& owner, QObject* parent);

    QAction* compareAction() const { return m_compare; }
    QAction* stopAction() const { return m_stop; }

    // The file dialog, then the comparison; a wrong file is reported and changes nothing.
    void compareWithFile();
    void compareWith(const MapDocument& other);
    void stop();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void refreshMenu();
    void scheduleRefresh();
    void refreshMarks();
    void setMark(const CellDifference& difference);
    void clearMarks();
    QString markToolTip(const CellDifference& difference) const;

    const decltype(GridWidgets::cells) m_cells;
    QMenu& m_gridMenu;
    Dialogs& m_dialogs;
    const LanguageTexts& m_texts;
    const FormState& m_state;
    const DocumentOwner& m_owner;
    QAction* m_compare;
    QAction* m_stop;
    std::optional<MapDocument> m_other;
    struct Mark {
        QString previousToolTip;
        CellDifference difference;
        QWidget* frame; // the coloured frame on the cell
    };
    QHash<QLineEdit*, Mark> m_marked;
    bool m_refreshPending = false;
};
