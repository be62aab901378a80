#include "language/language_texts.h"

#include <cstring>

const MessageEntry* LanguageTexts::find(const char* entry) {
    for (const MessageEntry& e : table())
        if (std::strcmp(e.name, entry) == 0)
            return &e;
    return nullptr;
}

QString LanguageTexts::message(const char* entry, const QStringList& values) const {
    const MessageEntry* e = find(entry);
    if (!e)
        qFatal("No message entry %s", entry);
    const QStringList& pieces = m_language == Language::English ? e->english : e->hungarian;
    QString text;
    for (int i = 0; i < pieces.size(); ++i) {
        text += pieces[i];
        if (i < values.size())
            text += values[i];
    }
    return text;
}

QString LanguageTexts::words(const LocalText& text) const {
    if (!text.entryName())
        return text.value();
    QStringList values;
    for (const LocalText& value : text.values())
        values.append(words(value));
    return message(text.entryName(), values);
}

QString LanguageTexts::title(const char* entry) const {
    const MessageEntry* e = find(entry);
    if (!e)
        qFatal("No message entry %s", entry);
    return m_language == Language::English ? e->englishTitle : e->hungarianTitle;
}
