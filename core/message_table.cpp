#include "core/language_texts.h"

const QList<MessageEntry>& LanguageTexts::table() {
    static const QList<MessageEntry> entries = {
        {"WrongFileMessage", {"Wrong File!"}, {"Nem megfelelő fájltartalom!"}, "Error", "Hiba"},
    };
    return entries;
}
