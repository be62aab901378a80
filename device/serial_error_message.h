#pragma once

#include "device/serial_link.h"

class Dialogs;
class LanguageTexts;

// Serial errors carry the application title, whatever the language.
QString serialMessageTitle();

// The missing-port message for error 8002, otherwise the message with the error's
// description and number.
QString serialErrorMessage(const SerialError& error, const LanguageTexts& texts);

// Shows the message with an OK button and no icon.
void reportSerialError(const SerialError& error, Dialogs& dialogs, const LanguageTexts& texts);
