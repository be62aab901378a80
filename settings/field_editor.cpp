#include "settings/field_editor.h"

#include "core/form_state.h"
#include "language/dialogs.h"
#include "language/language_texts.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

FieldEditor::FieldEditor(FormState& state, const LanguageTexts& texts, Dialogs& dialogs,
                         ContextSource context, QObject* parent)
    : QObject(parent), m_state(state), m_texts(texts), m_dialogs(dialogs),
      m_context(std::move(context)) {}

void FieldEditor::attach(QLineEdit* edit, SettingsField field) {
    m_fields.insert(edit, field);
    edit->installEventFilter(this);
}

void FieldEditor::check(QLineEdit* edit) {
    if (!m_state.documentReady || m_checking)
        return;
    m_checking = true;
    const SettingsField field = m_fields.value(edit);
    // Every round waits for the user's answer, so the loop cannot spin by itself; an
    // empty answer (Cancel) is reported as missing by the next round.
    for (;;) {
        const FieldVerdict verdict = checkSettingsField(field, edit->text(), m_context());
        if (verdict.ok()) {
            edit->setText(verdict.accepted);
            break;
        }
        edit->setText(m_dialogs.askAgain(*verdict.failure, m_texts));
    }
    m_checking = false;
    emit accepted(edit, edit->text());
}

bool FieldEditor::checkIfAttached(QWidget* widget) {
    auto* edit = qobject_cast<QLineEdit*>(widget);
    if (!edit || !m_fields.contains(edit))
        return false;
    check(edit);
    return true;
}

// Focus that goes to another window (an input box among them) or to the field's own
// context menu, and comes back from there, neither leaves nor enters the field.
bool FieldEditor::movesBetweenFields(const QEvent* focusEvent) {
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(focusEvent)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

bool FieldEditor::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit || !m_fields.contains(edit))
        return false;
    switch (event->type()) {
    case QEvent::FocusIn:
        // Entering by keyboard remembers the text too, so Escape never brings back the
        // text of another field.
        if (movesBetweenFields(event))
            m_state.entryText = edit->text();
        return false;
    case QEvent::FocusOut:
        if (movesBetweenFields(event))
            check(edit);
        return false;
    case QEvent::MouseButtonRelease:
        // A disabled field takes no click, whatever Qt hands its filters.
        if (!edit->isEnabled() || static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            return false;
        // On release, after the press has placed the cursor.
        m_state.entryText = edit->text();
        edit->setSelection(edit->text().size(), -edit->text().size());
        return false;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_state.entryText = edit->text();
            check(edit);
            return true;
        }
        if (key == Qt::Key_Escape) {
            edit->setText(m_state.entryText);
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}
