#pragma once

#include "core/form_widgets.h"

class QWidget;

// Creates every design widget of the main window on `parent` with its layout name as
// objectName, design text, list items, font and position, sizes `parent` to the window's
// client area, and hands back the widgets code works with. Row 0 of the grid arrays is
// part of the design; the other rows are added by the grid editor.
FormWidgets buildMainForm(QWidget* parent);
