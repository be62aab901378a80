#pragma once

#include <QObject>
#include <QString>

// Panels find the design widgets of the window by their layout names ("Text17",
// "Text3(12)"); a missing widget is a programming error, caught at once.
template <class T> T* findNamed(const QObject* root, const QString& name) {
    T* found = root->findChild<T*>(name);
    if (!found)
        qFatal("No widget named %s", qPrintable(name));
    return found;
}

inline QString arrayName(const char* array, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}
