#include "ui/interrupted_click.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

InterruptedClick::InterruptedClick(QWidget* window) : QObject(window), m_window(window) {
    QCoreApplication::instance()->installEventFilter(this);
}

// A press comes to the window first, then moves the focus (where a check may open its
// box), and only then reaches the control.
bool InterruptedClick::eventFilter(QObject* watched, QEvent* event) {
    const bool atWindow = watched == m_window->windowHandle();
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        if (m_replaying)
            return false;
        if (atWindow) {
            const bool left = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
            m_stage = left ? Stage::Pressing : Stage::Idle;
            return false;
        }
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || !m_window->isAncestorOf(widget) || m_stage == Stage::Idle)
            return false;
        const bool interrupted = m_stage == Stage::Interrupted;
        m_stage = Stage::Idle;
        if (!interrupted)
            return false;
        holdBack(widget, event);
        event->accept();
        return true;
    }
    case QEvent::WindowBlocked:
        if (atWindow && m_stage == Stage::Pressing)
            m_stage = Stage::Interrupted;
        return false;
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
        // The press has been handled to its end by then, whatever happened to it.
        if (atWindow)
            m_stage = Stage::Idle;
        return false;
    default:
        return false;
    }
}

void InterruptedClick::holdBack(QWidget* target, const QEvent* press) {
    const auto* mouse = static_cast<const QMouseEvent*>(press);
    m_target = target;
    m_position = mouse->position();
    m_globalPosition = mouse->globalPosition();
    m_modifiers = mouse->modifiers();
    // After the press has been handled to its end, in the window's own event loop.
    QTimer::singleShot(0, this, &InterruptedClick::replay);
}

void InterruptedClick::replay() {
    const QPointer<QWidget> target = m_target;
    if (!target || !target->isVisible() || !target->isEnabled())
        return;
    m_replaying = true;
    QMouseEvent press(QEvent::MouseButtonPress, m_position, m_globalPosition, Qt::LeftButton,
                      Qt::LeftButton, m_modifiers);
    QCoreApplication::sendEvent(target, &press);
    m_replaying = false;
    // A list opened by the press stays open for the choice, as after any click; a button
    // still held gets its own release.
    if (!target || QApplication::activePopupWidget() ||
        (QGuiApplication::mouseButtons() & Qt::LeftButton))
        return;
    QMouseEvent release(QEvent::MouseButtonRelease, m_position, m_globalPosition, Qt::LeftButton,
                        Qt::NoButton, m_modifiers);
    QCoreApplication::sendEvent(target, &release);
}
