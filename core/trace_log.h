#pragma once

#include <QString>

// Appends the text as one line to "log.txt" in the working directory. A trace must
// never disturb the user, so every file error is ignored.
void WriteLog(const QString& text);
