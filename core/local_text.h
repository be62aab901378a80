#pragma once

#include "core/message_id.h"

#include <QString>
#include <optional>
#include <vector>

// A text for the user that is put into words only when it is shown, in the language of
// that moment (by LanguageTexts::words): an entry of the language table with its values
// (which may be such texts themselves), or a value as it stands (a number, a typed text,
// the system's words).
class LocalText {
  public:
    LocalText() = default;
    // Implicit: a plain value is a text in every language.
    LocalText(QString value) : m_value(std::move(value)) {}
    LocalText(const char* value) : m_value(QString::fromUtf8(value)) {}

    static LocalText entry(MessageId entry, std::vector<LocalText> values = {});

    bool isEmpty() const { return !m_entry && m_value.isEmpty(); }
    // The entry, or none for a plain value.
    std::optional<MessageId> messageId() const { return m_entry; }
    const QString& value() const { return m_value; }
    const std::vector<LocalText>& values() const { return m_values; }

  private:
    std::optional<MessageId> m_entry;
    QString m_value;
    std::vector<LocalText> m_values;
};
