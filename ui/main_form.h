#pragma once

class QWidget;

// Creates every design widget of the main window on `parent` with its layout name as
// objectName, design text, list items, font and position, and sizes `parent` to the
// window's client area. Row 0 of the grid arrays is part of the design; the other rows
// are added by the grid editor.
void buildMainForm(QWidget* parent);
