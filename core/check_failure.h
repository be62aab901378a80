#pragma once

#include <QStringList>

class Dialogs;
class LanguageTexts;

// The first rule a typed value broke: the message entry and the values to insert.
struct CheckFailure {
    const char* entry = nullptr;
    QStringList values;

    QString text(const LanguageTexts& texts) const;
    QString title(const LanguageTexts& texts) const;
    // Re-asks for the value in an input box; the empty text on Cancel.
    QString ask(Dialogs& dialogs, const LanguageTexts& texts) const;
};
