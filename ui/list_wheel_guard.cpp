#include "ui/list_wheel_guard.h"

#include <QComboBox>
#include <QEvent>

ListWheelGuard::ListWheelGuard(QWidget* root) : QObject(root) {
    for (QComboBox* list : root->findChildren<QComboBox*>()) {
        list->installEventFilter(this);
        // Nor does the wheel focus a list: taking the focus would check the field left
        // and could ask in a box, just for a wheel passing over.
        list->setFocusPolicy(Qt::StrongFocus);
    }
}

bool ListWheelGuard::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::Wheel)
        return false;
    // Unaccepted, the wheel travels on to the parent as if the list were not there.
    event->ignore();
    return true;
}
