#pragma once

#include <QString>

// The little form-level state that the panels of the main window share.
struct FormState {
    // False while widgets are filled from code; every change handler then does nothing.
    bool documentReady = false;
    // The text of the field last entered; Escape in that field puts it back.
    QString entryText;
    // The locale's decimal separator and the one the user must not type.
    QString decimalSeparator = QStringLiteral(".");
    QString otherSeparator = QStringLiteral(",");
};
