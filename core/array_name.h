#pragma once

#include <QString>

// The layout name of an element of a control array: "Text3(12)" is element 12 of Text3.
inline QString arrayName(const char* array, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}
