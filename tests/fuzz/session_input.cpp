#include "tests/fuzz/session_input.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>
#include <QtTest>

namespace {

struct KeyToken {
    const char* name;
    Qt::Key key;
    const char* text;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};
const KeyToken kKeys[] = {{".", Qt::Key_Period, "."},
                          {",", Qt::Key_Comma, ","},
                          {"-", Qt::Key_Minus, "-"},
                          {"a", Qt::Key_A, "a"},
                          {"x", Qt::Key_X, "x"},
                          {"Enter", Qt::Key_Return, "\r"},
                          {"Tab", Qt::Key_Tab, "\t"},
                          {"Esc", Qt::Key_Escape, "\x1b"},
                          {"Left", Qt::Key_Left, ""},
                          {"Right", Qt::Key_Right, ""},
                          {"Up", Qt::Key_Up, ""},
                          {"Down", Qt::Key_Down, ""},
                          {"PgUp", Qt::Key_PageUp, ""},
                          {"PgDn", Qt::Key_PageDown, ""},
                          {"Home", Qt::Key_Home, ""},
                          {"End", Qt::Key_End, ""},
                          {"Bksp", Qt::Key_Backspace, "\b"},
                          {"Del", Qt::Key_Delete, "\x7f"},
                          // Undo, redo, copy, paste, and two block operations.
                          {"^Z", Qt::Key_Z, "\x1a", Qt::ControlModifier},
                          {"^Y", Qt::Key_Y, "\x19", Qt::ControlModifier},
                          {"^C", Qt::Key_C, "\x03", Qt::ControlModifier},
                          {"^V", Qt::Key_V, "\x16", Qt::ControlModifier},
                          {"^E", Qt::Key_E, "\x05", Qt::ControlModifier},
                          {"^R", Qt::Key_R, "\x12", Qt::ControlModifier}};

int g_timestamp = 0;

bool blockedByModal(QWindow* window) {
    QWindow* modal = QGuiApplication::modalWindow();
    for (QWindow* w = window; modal && w; w = w->transientParent())
        if (w == modal)
            return false;
    return modal != nullptr;
}

void mouse(QWindow* window, QPointF at, QEvent::Type type) {
    const bool down = type == QEvent::MouseButtonPress;
    // A press on a window that is not active activates it first, as a window manager does.
    auto* widget = QApplication::topLevelAt(window->mapToGlobal(at.toPoint()));
    if (down && !blockedByModal(window) && !QApplication::activePopupWidget() &&
        QApplication::activeWindow() != widget && widget && widget->windowHandle() == window)
        QApplication::setActiveWindow(widget);
    g_timestamp += 10;
    qt_handleMouseEvent(window, at, window->mapToGlobal(at), down ? Qt::LeftButton : Qt::NoButton,
                        Qt::LeftButton, type, Qt::NoModifier, g_timestamp);
}

void click(QWindow* window, QPointF at) {
    mouse(window, at, QEvent::MouseButtonPress);
    mouse(window, at, QEvent::MouseButtonRelease);
}

void key(QWidget& window, const QString& name) {
    // Keys reach the window that has the keyboard; when none has it (a closed progress
    // window left no active window), the window manager has given it back to the main one.
    if (!QGuiApplication::focusWindow() && !blockedByModal(window.windowHandle()) &&
        !QApplication::activePopupWidget())
        QApplication::setActiveWindow(&window);
    QWindow* target =
        QGuiApplication::focusWindow() ? QGuiApplication::focusWindow() : window.windowHandle();
    Qt::Key code = Qt::Key(Qt::Key_0 + name.toInt());
    QString text = name;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    for (const KeyToken& k : kKeys)
        if (name == QLatin1String(k.name))
            code = k.key, text = QLatin1String(k.text), modifiers = k.modifiers;
    qt_handleKeyEvent(target, QEvent::KeyPress, code, modifiers, text);
    qt_handleKeyEvent(target, QEvent::KeyRelease, code, modifiers, text);
}

void sendSpontaneous(QWindow* window, QEvent* event) {
    if (blockedByModal(window))
        return;
    QSpontaneKeyEvent::setSpontaneous(event);
    QCoreApplication::sendEvent(window, event);
}

// Opens the list with a click near its arrow and clicks the item in the popup.
void choose(QWidget& window, QComboBox* list, int index) {
    click(window.windowHandle(),
          list->mapTo(&window, QPointF(list->width() - 4, list->height() / 2.0)));
    QAbstractItemView* view = list->view();
    if (!view->isVisible() || list->count() == 0)
        return;
    const QModelIndex item = list->model()->index(index % list->count(), list->modelColumn());
    view->scrollTo(item);
    const QPoint at = view->viewport()->mapTo(view->window(), view->visualRect(item).center());
    click(view->window()->windowHandle(), at);
}

} // namespace

void deliverInput(QWidget& window, const SessionStep& step) {
    QWindow* handle = window.windowHandle();
    if (step.verb() == QLatin1String("key"))
        return key(window, step.target());
    if (step.verb() == QLatin1String("close")) {
        QCloseEvent event;
        return sendSpontaneous(handle, &event);
    }
    auto* widget = window.findChild<QWidget*>(step.target());
    if (!widget)
        return;
    if (step.verb() == QLatin1String("choose")) {
        if (auto* list = qobject_cast<QComboBox*>(widget))
            choose(window, list, int(step.number(2)));
        return;
    }
    QPointF at = widget->mapTo(
        &window, QPointF(step.number(2) * widget->width(), step.number(3) * widget->height()));
    at = QPointF(qBound(0.0, at.x(), window.width() - 1.0),
                 qBound(0.0, at.y(), window.height() - 1.0));
    if (step.verb() == QLatin1String("wheel")) {
        QWheelEvent event(at, handle->mapToGlobal(at), {}, QPoint(0, int(120 * step.number(4))),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        return sendSpontaneous(handle, &event);
    }
    if (step.verb() == QLatin1String("press"))
        return mouse(handle, at, QEvent::MouseButtonPress);
    if (step.verb() == QLatin1String("release"))
        return mouse(handle, at, QEvent::MouseButtonRelease);
    if (step.verb() == QLatin1String("double"))
        click(handle, at);
    click(handle, at);
    // Far enough apart that the next click is not taken for a double click.
    g_timestamp += 1000;
}
