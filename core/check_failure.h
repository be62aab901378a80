#pragma once

#include "core/message_id.h"

#include <QStringList>

// The first rule a typed value broke: the message entry and the values to insert.
struct CheckFailure {
    MessageId entry{};
    QStringList values;
};

