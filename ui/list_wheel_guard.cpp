#include "ui/list_wheel_guard.h"

#include <QComboBox>
#include <QEvent>

ListWheelGuard::ListWheelGuard(QWidget* root) : QObject(root) {
    for (QComboBox* list : root->findChildren<QComboBox*>())
        list->installEventFilter(this);
}

bool ListWheelGuard::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::Wheel)
        return false;
    // Unaccepted, the wheel travels on to the parent as if the list were not there.
    event->ignore();
    return true;
}
