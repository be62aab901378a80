#include "storage/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

std::optional<int> parsePortLine(const QByteArray& line) {
    const QByteArray digits = line.trimmed();
    if (digits.isEmpty() || digits.size() > 5)
        return std::nullopt;
    for (char ch : digits)
        if (ch < '0' || ch > '9')
            return std::nullopt;
    const int port = digits.toInt();
    if (port < 1 || port > 16)
        return std::nullopt;
    return port;
}

} // namespace

std::optional<AppSettings> parseSettingsFile(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    if (bytes.endsWith('\n'))
        lines.removeLast();
    if (lines.size() < 2)
        return std::nullopt;
    for (QByteArray& line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    const std::optional<int> port = parsePortLine(lines[0]);
    if (!port)
        return std::nullopt;
    AppSettings settings;
    settings.portNumber = *port;
    settings.uiLanguage = lines[1] == "hun" ? QStringLiteral("hun") : QStringLiteral("eng");
    return settings;
}

QByteArray formatSettingsFile(const AppSettings& settings) {
    return QByteArray::number(settings.portNumber) + "\r\n" + settings.uiLanguage.toLatin1() +
           "\r\n";
}

namespace {

bool writeFile(const QString& path, const AppSettings& settings) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(formatSettingsFile(settings));
    return file.commit();
}

} // namespace

SettingsLocation SettingsLocation::forProgram(const QString& executableDir,
                                              const QString& userConfigDir) {
    const QLatin1String name(kSettingsFileName);
    return {QDir(executableDir).filePath(name), QDir(userConfigDir).filePath(name)};
}

std::optional<AppSettings> readSettingsFile(const SettingsLocation& location) {
    const QFileInfo beside(location.besideProgram);
    const QFileInfo user(location.userConfig);
    const bool userIsNewer =
        user.exists() && (!beside.exists() || user.lastModified() > beside.lastModified());
    QFile file(userIsNewer ? location.userConfig : location.besideProgram);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parseSettingsFile(file.read(4096));
}

bool writeSettingsFile(const SettingsLocation& location, const AppSettings& settings) {
    if (writeFile(location.besideProgram, settings))
        return true;
    QDir().mkpath(QFileInfo(location.userConfig).path());
    return writeFile(location.userConfig, settings);
}
