#pragma once

#include "tests/fuzz/session_script.h"

class QWidget;

// Delivers a mouse, wheel, key, list or close step to the window as the window system
// does: through its QWindow, so a modal box blocks it exactly as on a desktop.
void deliverInput(QWidget& window, const SessionStep& step);
