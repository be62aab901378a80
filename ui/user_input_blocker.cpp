#include "ui/user_input_blocker.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

namespace {
bool isUserInput(const QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}
} // namespace

UserInputBlocker::UserInputBlocker(QWidget* window, const QWidget* heldButton)
    : m_window(window), m_heldButton(heldButton) {
    QCoreApplication::instance()->installEventFilter(this);
}

UserInputBlocker::~UserInputBlocker() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool UserInputBlocker::eventFilter(QObject* watched, QEvent* event) {
    if (!m_window || !watched->isWidgetType() || !isUserInput(event))
        return false;
    if (static_cast<QWidget*>(watched)->window() != m_window)
        return false;
    note(watched, event);
    // An ignored close event keeps the window open.
    event->ignore();
    return true;
}

void UserInputBlocker::note(const QObject* watched, const QEvent* event) {
    if (event->type() == QEvent::Close && watched == m_window)
        m_closeRequested = true;
    else if (event->type() == QEvent::MouseButtonPress && watched == m_heldButton &&
             static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton)
        m_heldButtonPressed = true;
}
