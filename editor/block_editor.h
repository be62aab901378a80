#pragma once

#include "core/document_model.h"
#include "core/form_state.h"
#include "editor/block_amount_check.h"
#include "editor/block_operations.h"
#include "editor/cell_values.h"
#include "editor/grid_selection.h"
#include "language/dialogs.h"
#include "language/language_texts.h"

#include <QObject>
#include <functional>

class QAction;
class QKeyEvent;
class QMenu;

// Copy, paste and the operations on a selected block of cells, from the grid's context
// menu and from the shortcuts the menu shows. Without a block the keys keep their
// ordinary effect in the field, except a paste of block text, which goes in at the
// current cell. Every change is one step of the window's history.
class BlockEditor : public QObject {
  public:
    BlockEditor(GridWidgets& widgets, GridState& state, FormState& form, CellValues& values,
                const LanguageTexts& texts, Dialogs& dialogs, CellEditor& cells,
                DocumentModel& notices);
    void watch(QLineEdit* cell);

    // The grid's context menu; other parts of the window may add their actions to it.
    QMenu& menu() { return *m_menu; }
    void clearSelection() { m_selection.clear(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    using AmountChange =
        std::function<BlockOperations::Result(const MapDocument&, const CellBlock&, double)>;

    QAction* addAction(const QKeySequence& keys, std::function<void()> run);
    bool onKey(const QKeyEvent& key);
    void refreshMenu();
    bool canPaste() const;

    void copy();
    void paste();
    void changeByAmount(MessageId prompt, BlockAmountCheck::Kind kind, const AmountChange& change);
    void interpolate(BlockOperations::Direction direction);

    bool ready() const;
    void checkCurrentCell();
    std::optional<double> askAmount(MessageId prompt, BlockAmountCheck::Kind kind);
    void write(const MapDocument& doc);
    void note(MessageId entry, const QStringList& values = {});

    GridWidgets& m_widgets;
    GridState& m_state;
    FormState& m_form;
    CellValues& m_values;
    const LanguageTexts& m_texts;
    Dialogs& m_dialogs;
    CellEditor& m_cells;
    DocumentModel& m_notices;
    GridSelection m_selection;
    QMenu* m_menu;
    // The menu's actions and the entries of their captions.
    QList<QPair<QAction*, MessageId>> m_captions;
    QAction* m_pasteAction = nullptr;
};
