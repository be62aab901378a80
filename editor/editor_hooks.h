#pragma once

#include <functional>

// What the table editor asks of the rest of the window. The window wires these; a
// hook left empty does nothing.
struct EditorHooks {
    // Full redraw of the graph view that is selected (2D or 3D).
    std::function<void()> redrawGraph;
    // One cell of the selected graph view changed (0-based row and column).
    std::function<void(int row, int column, double value)> updateGraphCell;
    std::function<void()> setCriticalRpm;
    // The settings panel set up for the operation and coil control modes just loaded.
    std::function<void()> applyLoadedSettingsModes;
    // The settings panel's input-dwell handler for the mode just loaded.
    std::function<void()> applyLoadedInputDwellMode;
    // The check of the field that has the focus, run as if the focus had left it, before
    // a change that replaces the table.
    std::function<void()> checkFocusedField;
    // Runs a change of the table as one step of the window's history.
    std::function<void(const std::function<void()>& change)> recordChange;
};

// Calls a hook if it was wired.
template <class Hook, class... Args> void callHook(const Hook& hook, Args&&... args) {
    if (hook)
        hook(std::forward<Args>(args)...);
}
