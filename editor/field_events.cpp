#include "editor/field_events.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>

namespace {
// The field entered last, by a click or by the focus; there is one keyboard focus, so
// one for all fields.
QPointer<QLineEdit> g_entered;
} // namespace

FieldEvents::FieldEvents(Handlers handlers, QObject* parent)
    : QObject(parent), m_handlers(std::move(handlers)) {}

void FieldEvents::watch(QLineEdit* field) {
    field->installEventFilter(this);
}

void FieldEvents::selectWholeText(QLineEdit* field) {
    field->end(false);
    field->home(true);
}

int FieldEvents::virtualKeyCode(int qtKey, bool keypad) {
    if (keypad && qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return 96 + (qtKey - Qt::Key_0);
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return qtKey; // the same codes in both worlds
    switch (qtKey) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    case Qt::Key_Comma:
        return keypad ? 110 : 188;
    case Qt::Key_Period:
        return keypad ? 110 : 190;
    case Qt::Key_Minus:
        return keypad ? 109 : 189;
    case Qt::Key_Plus:
        return keypad ? 107 : 187;
    default:
        return qtKey & 0xff;
    }
}

bool FieldEvents::movesBetweenFields(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

bool FieldEvents::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        // A disabled field takes no click, whatever Qt hands its filters.
        if (field->isEnabled() && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
            field->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()) &&
            m_handlers.clicked) {
            // Let the field finish its own release handling first, so the selection
            // made by the handler is the one that stays.
            field->event(event);
            // A click into an inactive window moves no focus, yet enters the field.
            g_entered = field;
            m_handlers.clicked(field);
            return true;
        }
        return false;
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!m_handlers.keyDown)
            return false;
        return m_handlers.keyDown(
            field, virtualKeyCode(key->key(), key->modifiers() & Qt::KeypadModifier));
    }
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Focus that moved on behind a box (Tab left a field whose check opened one)
        // reaches its field only once the window is active again; it still enters it.
        const bool movedBehindABox = reason == Qt::ActiveWindowFocusReason && field != g_entered;
        if (movesBetweenFields(reason) || movedBehindABox) {
            g_entered = field;
            if (m_handlers.focusGained)
                m_handlers.focusGained(field);
        }
        // Reaching a field with Tab enters it as a click does, so its value is checked
        // when it is left like that of any other entered field.
        if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) &&
            m_handlers.clicked)
            m_handlers.clicked(field);
        return false;
    }
    case QEvent::FocusOut:
        if (movesBetweenFields(static_cast<QFocusEvent*>(event)->reason()) && m_handlers.focusLost)
            m_handlers.focusLost(field);
        return false;
    default:
        return false;
    }
}
