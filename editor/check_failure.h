#pragma once

#include "core/language_texts.h"

#include <QStringList>

// The first rule a typed value broke: the message entry and the values to insert.
struct CheckFailure {
    const char* entry = nullptr;
    QStringList values;

    QString text(const LanguageTexts& texts) const { return texts.message(entry, values); }
    QString title(const LanguageTexts& texts) const { return texts.title(entry); }
};
