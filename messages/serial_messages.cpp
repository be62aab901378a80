#include "messages/serial_messages.h"

#include "core/dialogs.h"
#include "core/language_texts.h"

namespace {

QString serialErrorMessage(const SerialError& error, const LanguageTexts& texts) {
    if (error.number == kPortMissingError)
        return texts.message("PortMissingMessage");
    return texts.message("PortErrorMessage",
                         {error.description.in(texts), QString::number(error.number)});
}

} // namespace

void tellSerialProblem(const SerialProblem& problem, Dialogs& dialogs, const LanguageTexts& texts) {
    if (const std::optional<CheckFailure>& value = problem.outOfRange) {
        dialogs.message(texts.message("SendRefusedMessage", {value->text(texts)}),
                        value->title(texts), Dialogs::Buttons::Ok, Dialogs::Icon::Critical,
                        Dialogs::Answer::Ok);
        return;
    }
    dialogs.inform(serialErrorMessage(problem.error, texts), QStringLiteral("VORTAMIX"));
}
