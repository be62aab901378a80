#pragma once

#include <QString>

class QPlainTextEdit;

// The map note in its multi-line field (line breaks as "\n"). The field lays out a whole
// paragraph at once, which for a line of megabytes takes minutes, but lays out only the
// paragraphs in view. So a very long line is shown as several paragraphs, split after a
// space where there is one, and read back joined as it was; a line break the user types
// into it is kept as a real one.
void showNote(QPlainTextEdit* field, const QString& note);
QString noteText(const QPlainTextEdit* field);
