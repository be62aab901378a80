#pragma once

#include <QStringList>

// The first rule a typed value broke: the message entry and the values to insert.
struct CheckFailure {
    const char* entry = nullptr;
    QStringList values;
};
