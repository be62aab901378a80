#include "device/serial_error_message.h"

#include "core/dialogs.h"
#include "core/language_texts.h"

QString serialMessageTitle() {
    return QStringLiteral("VORTAMIX");
}

QString serialErrorMessage(const SerialError& error, const LanguageTexts& texts) {
    if (error.number == kPortMissingError)
        return texts.message("PortMissingMessage");
    return texts.message("PortErrorMessage",
                         {error.description.in(texts), QString::number(error.number)});
}

void reportSerialError(const SerialError& error, Dialogs& dialogs, const LanguageTexts& texts) {
    dialogs.inform(serialErrorMessage(error, texts), serialMessageTitle());
}
