#pragma once

#include <QStringList>

// kelvor310-cli version --port NAME: lets the controller flash its version number.
int runVersionCommand(const QStringList& arguments);
