#include "storage/recent_map_files.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {
const char* const kKey = "recentMapFiles";
}

RecentMapFiles::RecentMapFiles()
    : RecentMapFiles(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
                     QStringLiteral("/recent-maps.ini")) {}

RecentMapFiles::RecentMapFiles(const QString& storePath) : m_storePath(storePath) {}

QStringList RecentMapFiles::files() const {
    return QSettings(m_storePath, QSettings::IniFormat).value(QLatin1String(kKey)).toStringList();
}

void RecentMapFiles::add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = files();
    // Loading the newest file again changes nothing, so the file is not written again.
    if (!list.isEmpty() && list.first() == absolute)
        return;
    list.removeAll(absolute);
    list.prepend(absolute);
    QSettings(m_storePath, QSettings::IniFormat).setValue(QLatin1String(kKey), list.mid(0, kCount));
}
