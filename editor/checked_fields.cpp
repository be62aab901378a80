#include "editor/checked_fields.h"

#include "core/form_state.h"
#include "editor/field_events.h"
#include "editor/key_codes.h"
#include "language/dialogs.h"

#include <QLineEdit>
#include <utility>

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
    // An empty answer (Cancel) is reported as missing by the next round. The field shows
    // each answer while it is checked; a window that is gone ends the loop without a value.
    FieldVerdict verdict;
    const auto failure = [&](const QString& text) {
        verdict = rules.check(text);
        if (!verdict.ok() && rules.emptyShowsEntryText && field->text().isEmpty())
            field->setText(m_form.entryText);
        return verdict.failure;
    };
    bool answered = false;
    const auto goOn = [&](const QString& text) {
        if (std::exchange(answered, true))
            field->setText(text);
        return m_form.documentReady;
    };
    const bool kept = m_dialogs.askUntilKept(field->text(), failure, goOn, m_texts).has_value();
    m_checking = false;
    if (!kept)
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
