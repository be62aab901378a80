#pragma once

#include <QString>
#include <vector>

class LanguageTexts;

// A text for the user that is put into words only when it is shown, in the language of
// that moment: an entry of the language table with its values (which may be such texts
// themselves), or a value as it stands (a number, a typed text, the system's words).
class LocalText {
  public:
    LocalText() = default;
    // Implicit: a plain value is a text in every language.
    LocalText(QString value) : m_value(std::move(value)) {}
    LocalText(const char* value) : m_value(QString::fromUtf8(value)) {}

    static LocalText entry(const char* name, std::vector<LocalText> values = {});

    QString in(const LanguageTexts& texts) const;
    bool isEmpty() const { return !m_entry && m_value.isEmpty(); }

  private:
    const char* m_entry = nullptr;
    QString m_value;
    std::vector<LocalText> m_values;
};
