#include "core/trace_log.h"

#include <QFile>

void WriteLog(const QString& text) {
    QFile file(QStringLiteral("log.txt"));
    if (!file.open(QIODevice::Append | QIODevice::Text))
        return;
    file.write((text + QLatin1Char('\n')).toLocal8Bit());
}
