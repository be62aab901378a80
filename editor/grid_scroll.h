#pragma once

// The scroll arithmetic of keyboard moves, in twips. The container's top is always
// GridTop minus the scroll value; a row move scrolls just far enough to keep the
// target row inside the viewport, a page move by whole pages.
class GridScroll {
  public:
    struct State {
        int value = 0;   // scroll bar value
        int maximum = 0; // scroll bar maximum (0 when hidden)
        bool operator==(const State& o) const { return value == o.value && maximum == o.maximum; }
    };

    // sourceRowTop is the top of the row the key was pressed in; top the container's
    // current top relative to the viewport.
    static State rowDown(State s, int top, int sourceRowTop, int viewportHeight);
    static State rowUp(State s, int top, int sourceRowTop);
    // Whole rows down (negative: up), clamped to the scroll range.
    static State byRows(State s, int rows);
    static State pageUp(State s);
    static State pageDown(State s);
};
