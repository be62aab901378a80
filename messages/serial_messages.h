#pragma once

#include "device/serial_problem.h"

class Dialogs;
class LanguageTexts;

// Tells the user what ended an upload or a version request: a value out of range refuses
// the upload with its own message and a critical icon; a serial error (or a conversion
// error, told like one) shows its description and number, or the missing-port message for
// error 8002, with an OK button, no icon and the application's title in either language.
void tellSerialProblem(const SerialProblem& problem, Dialogs& dialogs, const LanguageTexts& texts);
