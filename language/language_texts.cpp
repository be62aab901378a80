#include "language/language_texts.h"

// The table lists the entries in their order, so an entry is found by its number; a
// table out of that order is a programming error, caught at the first message.
const MessageEntry& LanguageTexts::entry(MessageId id) {
    static const bool inOrder = [] {
        const std::vector<MessageEntry>& entries = table();
        if (int(entries.size()) != kMessageCount)
            return false;
        for (int i = 0; i < kMessageCount; ++i)
            if (entries[i].id != MessageId(i))
                return false;
        return true;
    }();
    if (!inOrder)
        qFatal("The message table does not list every entry in order");
    return table()[static_cast<size_t>(id)];
}

QString LanguageTexts::message(MessageId id, const QStringList& values) const {
    const MessageEntry& e = entry(id);
    const QStringList& pieces = m_language == Language::English ? e.english : e.hungarian;
    QString text;
    for (int i = 0; i < pieces.size(); ++i) {
        text += pieces[i];
        if (i < values.size())
            text += values[i];
    }
    return text;
}

QString LanguageTexts::words(const LocalText& text) const {
    if (!text.messageId())
        return text.value();
    QStringList values;
    for (const LocalText& value : text.values())
        values.append(words(value));
    return message(*text.messageId(), values);
}

QString LanguageTexts::title(MessageId id) const {
    const MessageEntry& e = entry(id);
    return m_language == Language::English ? e.englishTitle : e.hungarianTitle;
}
