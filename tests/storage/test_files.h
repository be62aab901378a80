#pragma once

#include <QFile>
#include <QString>

// Files kept with the tests (golden maps and outputs): a golden map by its name, any
// other by its path, under tests/ unless absolute.
inline QString goldenMap(const QString& name) {
    return QStringLiteral(KELVOR_SOURCE_DIR "/tests/storage/golden/") + name + ".klv";
}
inline QByteArray testFile(const QString& path) {
    QFile file(path.startsWith('/') ? path : QStringLiteral(KELVOR_SOURCE_DIR "/tests/") + path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing test file %s", qPrintable(path));
    return file.readAll();
}
