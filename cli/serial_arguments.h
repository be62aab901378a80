#pragma once

#include "cli/cli_command.h"

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
