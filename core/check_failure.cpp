#include "core/check_failure.h"

#include "core/dialogs.h"
#include "core/language_texts.h"

QString CheckFailure::text(const LanguageTexts& texts) const {
    return texts.message(entry, values);
}

QString CheckFailure::title(const LanguageTexts& texts) const {
    return texts.title(entry);
}

QString CheckFailure::ask(Dialogs& dialogs, const LanguageTexts& texts) const {
    return dialogs.input(text(texts), title(texts));
}
