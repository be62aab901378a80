#pragma once

#include <QSize>

class QMainWindow;
class QScrollArea;
class QWidget;

// Puts `form` into `window` at its designed size, the window as large and as fixed as the
// form. When the screen's available area is smaller, the window takes what there is and
// the form scrolls inside it, following the keyboard focus, so every control stays within
// reach.
void fitFormToScreen(QMainWindow& window, QWidget* form, QSize designed);

// Scrolls the form so that the whole of `control` shows, when it fits the view. Qt's own
// ensureWidgetVisible shows only a text field's cursor.
void scrollToShow(QScrollArea& area, const QWidget* control);
