#include "messages/serial_messages.h"

#include "language/dialogs.h"
#include "language/language_texts.h"

namespace {

QString serialErrorMessage(const SerialError& error, const LanguageTexts& texts) {
    if (error.number == kPortMissingError)
        return texts.message(MessageId::PortMissingMessage);
    return texts.message(MessageId::PortErrorMessage,
                         {texts.words(error.description), QString::number(error.number)});
}

} // namespace

void tellSerialProblem(const SerialProblem& problem, Dialogs& dialogs, const LanguageTexts& texts) {
    if (const std::optional<CheckFailure>& value = problem.outOfRange) {
        dialogs.message(texts.message(MessageId::SendRefusedMessage, {texts.message(*value)}),
                        texts.title(*value), Dialogs::Buttons::Ok, Dialogs::Icon::Critical,
                        Dialogs::Answer::Ok);
        return;
    }
    dialogs.inform(serialErrorMessage(problem.error, texts), QStringLiteral("VORTAMIX"));
}
