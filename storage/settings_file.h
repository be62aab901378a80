#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The per-installation settings: serial port number and user-interface language.
struct AppSettings {
    int portNumber = 1;                         // 1..16
    QString uiLanguage = QStringLiteral("eng"); // "hun" or "eng"
};

// Two CR LF lines: the port number, then the language. A file whose port line is not a
// whole number from 1 to 16, or that lacks the language line (an end after the first
// line's CR LF is no line), does not count at all.
std::optional<AppSettings> parseSettingsFile(const QByteArray& bytes);
QByteArray formatSettingsFile(const AppSettings& settings);

// Where the settings file may be: beside the executable (a portable install) and in the
// user's configuration folder (an installed program cannot write beside itself). A single
// path stands for both.
struct SettingsLocation {
    SettingsLocation(const QString& besideProgram, const QString& userConfig)
        : besideProgram(besideProgram), userConfig(userConfig) {}
    SettingsLocation(const QString& path) : SettingsLocation(path, path) {} // NOLINT
    static SettingsLocation forProgram(const QString& executableDir, const QString& userConfigDir);

    QString besideProgram;
    QString userConfig;
};

// The file of the two that exists, the more recently written one when both do, so a
// choice written to the configuration folder of a read-only install is read back.
std::optional<AppSettings> readSettingsFile(const SettingsLocation& location);
// Beside the executable when that works, otherwise in the user's configuration folder.
// Replaces the file as a whole, so a failed write never leaves half a file behind.
bool writeSettingsFile(const SettingsLocation& location, const AppSettings& settings);

inline constexpr const char* kSettingsFileName = "kelvor-310.ini";
