#pragma once

#include "core/document_model.h"

#include <QObject>
#include <QUndoStack>
#include <functional>

class LanguageTexts;
class QMenu;
class QWidget;

// The window's map and its undo history. The table editor and the settings panel change
// the map in place, each its own part, and announce what they changed on the model; each
// change becomes a step. A step of one cell puts back that cell, one of the settings puts
// back the settings, and any other the whole map, so that undoing it puts the table, the
// settings and the graphs back together. Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z redo,
// unless the focused field holds typing of its own to undo or redo: then the field acts,
// as usual.
class DocumentOwner : public QObject {
  public:
    struct Bridges {
        // Puts a whole map in place: its values, the fields that show them, the layout.
        std::function<void(const MapDocument&)> show;
        // Puts one cell's value in place (0-based row and column, tenths of a degree).
        std::function<void(int row, int column, int tenths)> showCell;
        // Puts the settings part of a map in place.
        std::function<void(const MapDocument&)> showSettings;
        // False while a document is being put in place or a press is running.
        std::function<bool()> ready;
        // Runs the focused field's check, so that a value being typed is checked and
        // becomes the step to undo, and never enters the history unchecked.
        std::function<void()> checkFocusedField;
    };

    DocumentOwner(QWidget* window, Bridges bridges);

    // The map the editors change in place, and its change notices.
    DocumentModel& model() { return m_model; }
    // The map as it stands.
    const MapDocument& document() const { return m_model.map(); }

    // The document shown now is where the history starts; earlier steps are forgotten.
    void restart();
    // A step from the document of the last step to the one shown now, if they differ.
    void commit();
    // The same once the running event is over, so that a value copied along a row
    // and its neighbours' graph updates form one step.
    void commitSoon();

    // Undo and Redo entries at the top of `menu`, enabled as the history allows, with
    // captions in the current language.
    void addMenuEntries(QMenu& menu, const LanguageTexts& texts);

    QUndoStack& stack() { return m_stack; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    friend class HistoryStep;
    // What a step changed: one cell, the settings only, or more of the map.
    struct Change {
        enum class Kind { Cell, Settings, Map } kind = Kind::Map;
        int row = 0;
        int column = 0;
    };
    static Change changeBetween(const MapDocument& before, const MapDocument& after);
    void show(Change change, const MapDocument& doc);
    void step(bool undo);
    void onFocusOut(QObject* watched, const QEvent& event);

    QWidget* m_window;
    Bridges m_bridges;
    DocumentModel m_model;
    QUndoStack m_stack;
    MapDocument m_shown;
    bool m_commitPending = false;
    bool m_showing = false;
};
