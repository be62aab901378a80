#pragma once

#include "core/message_id.h"

#include <QStringList>
#include <optional>

// The first rule a typed value broke: the message entry and the values to insert.
struct CheckFailure {
    MessageId entry{};
    QStringList values;
};

// A checked field's verdict on a text: the first rule it broke, or the text the field
// keeps (some fields rewrite it).
struct FieldVerdict {
    std::optional<CheckFailure> failure;
    QString accepted;
    bool ok() const { return !failure.has_value(); }
};
