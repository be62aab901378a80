#pragma once

#include "core/array_name.h"

#include <QObject>
#include <QString>

// Tests reach the window's widgets by their layout names ("Text17", "Text3(12)"); a
// missing one stops the test run at once.
template <class T> T* findNamed(const QObject* root, const QString& name) {
    T* found = root->findChild<T*>(name);
    if (!found)
        qFatal("No widget named %s", qPrintable(name));
    return found;
}
