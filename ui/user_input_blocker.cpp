#include "ui/user_input_blocker.h"

#include <QCoreApplication>
#include <QEvent>
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
        return true;
    case QEvent::Close:
        return event->spontaneous();
    default:
        return false;
    }
}
} // namespace

UserInputBlocker::UserInputBlocker(QWidget* window) : m_window(window) {
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
    // An ignored close event keeps the window open.
    event->ignore();
    return true;
}
