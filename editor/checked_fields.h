#pragma once

#include "core/check_failure.h"

#include <QHash>
#include <QObject>
#include <functional>

class Dialogs;
class FieldEvents;
class LanguageTexts;
class QLineEdit;
class QWidget;
struct FormState;

// The behaviour the window's checked text fields share: entering one (click or Tab)
// remembers its text and selects it whole, Escape puts the remembered text back, Enter
// and leaving the field run its check, a failing check asks again in an input box until
// the text passes, and the text that passed becomes the field's value. One check runs
// at a time: an input box takes the focus, and that must not start a second one.
class CheckedFields : public QObject {
  public:
    struct Rules {
        // The text the field keeps (a rule may rewrite it), or the first rule it breaks.
        std::function<FieldVerdict(const QString&)> check;
        // The text that passed, which the field shows, becomes the value.
        std::function<void(const QString&)> commit;
        // Enter first makes the field's own text the one Escape brings back.
        bool enterRemembersText = false;
        // An emptied field shows the remembered text again while its box asks.
        bool emptyShowsEntryText = false;
    };

    CheckedFields(FormState& form, const LanguageTexts& texts, Dialogs& dialogs, QObject* parent);

    void attach(QLineEdit* field, Rules rules);
    // The check with its re-ask loop. Does nothing while the document is not ready or
    // while another check waits for the user.
    void check(QLineEdit* field);
    // Checks `widget` when it is one of these fields; returns whether it was.
    bool checkIfAttached(QWidget* widget);

  private:
    bool onKeyDown(QLineEdit* field, int keyCode);

    FormState& m_form;
    const LanguageTexts& m_texts;
    Dialogs& m_dialogs;
    FieldEvents* m_events;
    QHash<const QWidget*, Rules> m_rules;
    bool m_checking = false;
};
