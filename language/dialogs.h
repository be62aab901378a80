#pragma once

#include "language/language_texts.h"

#include <QString>
#include <optional>

// Every question and message the program puts to the user goes through this seam, so
// the window tests can script the answers and fail on a dialog they did not expect.
class Dialogs {
  public:
    enum class Buttons { Ok, YesNo };
    enum class Icon { None, Question, Information, Warning, Critical };
    enum class Answer { Ok, Yes, No };

    virtual ~Dialogs() = default;

    virtual Answer message(const QString& text, const QString& title, Buttons buttons, Icon icon,
                           Answer defaultButton) = 0;
    // Returns the typed text; the empty text on Cancel.
    virtual QString input(const QString& prompt, const QString& title) = 0;
    // The filter is given as "KLV Files(*.klv)|*.klv"; the result is the chosen path or
    // the empty text on Cancel.
    virtual QString openFile(const QString& title, const QString& filter) = 0;
    virtual QString saveFile(const QString& title, const QString& filter) = 0;

    // Re-asks for a value that broke a rule, in an input box; the empty text on Cancel.
    QString askAgain(const CheckFailure& failure, const LanguageTexts& texts) {
        return input(texts.message(failure), texts.title(failure));
    }

    // The re-ask loop of every checked entry: while `goOn` accepts the text about to be
    // checked, the first rule it breaks (`firstFailure`) is shown in a box that asks again.
    // Returns the text that broke none, or nothing when `goOn` ended the loop. Every round
    // waits for the user, so the loop cannot spin by itself.
    template <class FirstFailure, class GoOn>
    std::optional<QString> askUntilKept(QString text, FirstFailure firstFailure, GoOn goOn,
                                        const LanguageTexts& texts) {
        while (goOn(text)) {
            const std::optional<CheckFailure> failure = firstFailure(text);
            if (!failure)
                return text;
            text = askAgain(*failure, texts);
        }
        return std::nullopt;
    }

    // Shorthand for the common OK-only message without an icon.
    void inform(const QString& text, const QString& title) {
        message(text, title, Buttons::Ok, Icon::None, Answer::Ok);
    }
};
