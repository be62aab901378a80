#pragma once

#include "core/check_failure.h"
#include "core/local_text.h"
#include "core/message_id.h"

#include <QString>
#include <QStringList>
#include <vector>

enum class Language { Hungarian, English };

// One entry of the message table: the pieces of a message in both languages (values are
// inserted between neighbouring pieces) and the title a message box shows it with.
struct MessageEntry {
    MessageId id;
    QStringList english;
    QStringList hungarian;
    QString englishTitle;
    QString hungarianTitle;
};

// The message texts of the current language. The window owns one and hands it to the
// panels by reference, so a language switch changes every later message at once.
class LanguageTexts {
  public:
    Language language() const { return m_language; }
    void setLanguage(Language language) { m_language = language; }

    // The entry's pieces with `values` inserted between them, in the current language.
    QString message(MessageId entry, const QStringList& values = {}) const;
    QString title(MessageId entry) const;
    // A broken rule's message and title.
    QString message(const CheckFailure& failure) const {
        return message(failure.entry, failure.values);
    }
    QString title(const CheckFailure& failure) const { return title(failure.entry); }
    // A text made elsewhere, put into words now.
    QString words(const LocalText& text) const;

    // The whole table, both languages side by side, in the order of the entries.
    static const std::vector<MessageEntry>& table();

  private:
    static const MessageEntry& entry(MessageId id);

    Language m_language = Language::English;
};
