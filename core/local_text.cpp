#include "core/local_text.h"

#include "core/language_texts.h"

LocalText LocalText::entry(const char* name, std::vector<LocalText> values) {
    LocalText text;
    text.m_entry = name;
    text.m_values = std::move(values);
    return text;
}

QString LocalText::in(const LanguageTexts& texts) const {
    if (!m_entry)
        return m_value;
    QStringList values;
    for (const LocalText& value : m_values)
        values.append(value.in(texts));
    return texts.message(m_entry, values);
}
