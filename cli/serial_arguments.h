#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The arguments of the serial commands: "--port NAME" anywhere, the rest in order.
struct SerialArguments {
    QString portName; // the system's name: "Com3" is already resolved
    QStringList positional;
};

// nullopt when "--port" or its value is missing.
std::optional<SerialArguments> parseSerialArguments(const QStringList& arguments);

// Exit codes of the serial commands.
constexpr int kExitOk = 0;
constexpr int kExitUsage = 1;
constexpr int kExitWrongFile = 2;
constexpr int kExitFrameRefused = 3;
constexpr int kExitSerialError = 4;
