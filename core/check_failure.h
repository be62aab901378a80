#pragma once

#include "core/dialogs.h"
#include "core/language_texts.h"

#include <QStringList>

// The first rule a typed value broke: the message entry and the values to insert.
struct CheckFailure {
    const char* entry = nullptr;
    QStringList values;

    QString text(const LanguageTexts& texts) const { return texts.message(entry, values); }
    QString title(const LanguageTexts& texts) const { return texts.title(entry); }
    // Re-asks for the value in an input box; the empty text on Cancel.
    QString ask(Dialogs& dialogs, const LanguageTexts& texts) const {
        return dialogs.input(text(texts), title(texts));
    }
};
