#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The per-installation settings: serial port number and user-interface language.
struct AppSettings {
    int portNumber = 1;                      // 1..16
    QString uiLanguage = QStringLiteral("eng"); // "hun" or "eng"
};

// Two CR LF lines: the port number, then the language. A file whose port line is not a
// whole number from 1 to 16, or that lacks the language line, does not count at all.
std::optional<AppSettings> parseSettingsFile(const QByteArray& bytes);
QByteArray formatSettingsFile(const AppSettings& settings);

std::optional<AppSettings> readSettingsFile(const QString& path);
// Replaces the file as a whole, so a failed write never leaves half a file behind.
bool writeSettingsFile(const QString& path, const AppSettings& settings);

// Beside the executable when that folder is writable (a portable install); otherwise in
// the user's configuration folder, so an installed program still remembers its settings.
QString settingsFilePath(const QString& executableDir, const QString& userConfigDir);

inline constexpr const char* kSettingsFileName = "kelvor-310.ini";
