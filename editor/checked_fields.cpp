#include "editor/checked_fields.h"

#include "core/form_state.h"
#include "editor/field_events.h"
#include "editor/key_codes.h"
#include "language/dialogs.h"

#include <QLineEdit>

CheckedFields::CheckedFields(FormState& form, const LanguageTexts& texts, Dialogs& dialogs,
                             QObject* parent)
    : QObject(parent), m_form(form), m_texts(texts), m_dialogs(dialogs) {
    m_events = new FieldEvents({[this](QLineEdit* field) {
                                    m_form.entryText = field->text();
                                    FieldEvents::selectWholeText(field);
                                },
                                [this](QLineEdit* field, int key) { return onKeyDown(field, key); },
                                [this](QLineEdit* field) { check(field); },
                                [this](QLineEdit* field) { m_form.entryText = field->text(); }},
                               this);
}

void CheckedFields::attach(QLineEdit* field, Rules rules) {
    m_rules.emplace(field, std::move(rules));
    m_events->watch(field);
}

bool CheckedFields::onKeyDown(QLineEdit* field, int keyCode) {
    if (keyCode == KeyCode::Enter) {
        if (m_rules.value(field).enterRemembersText)
            m_form.entryText = field->text();
        check(field);
        return true;
    }
    if (keyCode == KeyCode::Escape) {
        field->setText(m_form.entryText);
        return true;
    }
    return false;
}

void CheckedFields::check(QLineEdit* field) {
    if (!m_form.documentReady || m_checking)
        return;
    m_checking = true;
    const Rules rules = m_rules.value(field);
    // Every round waits for the user's answer, so the loop cannot spin by itself; an
    // empty answer (Cancel) is reported as missing by the next round. A window that is
    // gone ends the loop without a value.
    FieldVerdict verdict = rules.check(field->text());
    while (!verdict.ok() && m_form.documentReady) {
        if (rules.emptyShowsEntryText && field->text().isEmpty())
            field->setText(m_form.entryText);
        field->setText(m_dialogs.askAgain(*verdict.failure, m_texts));
        verdict = rules.check(field->text());
    }
    m_checking = false;
    if (!verdict.ok())
        return;
    field->setText(verdict.accepted);
    rules.commit(verdict.accepted);
}

bool CheckedFields::checkIfAttached(QWidget* widget) {
    auto* field = qobject_cast<QLineEdit*>(widget);
    if (!field || !m_rules.contains(field))
        return false;
    check(field);
    return true;
}
