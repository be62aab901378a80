#pragma once

#include "settings/field_checks.h"

#include <QHash>
#include <QObject>
#include <functional>

class Dialogs;
class LanguageTexts;
class QLineEdit;
struct FormState;

// The common behaviour of the panel's checked text fields: a click selects the whole
// text and remembers it, Escape puts the remembered text back, Enter and leaving the
// field run the field's check, and a failing check re-asks in an input box until the
// text passes.
class FieldEditor : public QObject {
    Q_OBJECT
  public:
    using ContextSource = std::function<FieldContext()>;

    FieldEditor(FormState& state, const LanguageTexts& texts, Dialogs& dialogs,
                ContextSource context, QObject* parent = nullptr);

    void attach(QLineEdit* edit, SettingsField field);

    // Checks the field and re-asks until it passes. Does nothing while the document is
    // not ready or while another check is waiting for the user.
    void check(QLineEdit* edit);
    // Checks `widget` when it is one of the attached fields; returns whether it was.
    bool checkIfAttached(QWidget* widget);

  signals:
    // The field's text passed its check and stands in the field as `text`.
    void accepted(QLineEdit* edit, const QString& text);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    static bool movesBetweenFields(const QEvent* focusEvent);

    FormState& m_state;
    const LanguageTexts& m_texts;
    Dialogs& m_dialogs;
    ContextSource m_context;
    QHash<QLineEdit*, SettingsField> m_fields;
    // Set while an input box is up: the field loses the focus to the box, and that must
    // not start a second check of the same text.
    bool m_checking = false;
};
