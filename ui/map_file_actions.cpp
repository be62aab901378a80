#include "ui/map_file_actions.h"
#include "ui/document_owner.h"

#include "core/document_ranges.h"
#include "core/form_state.h"
#include "language/dialogs.h"
#include "language/language_texts.h"
#include "messages/range_summary.h"
#include "storage/central_european_code_page.h"
#include "storage/map_file.h"

#include <QFileInfo>

namespace {
const char* const kMapFileFilter = "KLV Files(*.klv)|*.klv";
}

MapFileActions::MapFileActions(Dialogs& dialogs, const LanguageTexts& texts, FormState& form,
                               const DocumentOwner& owner)
    : m_dialogs(dialogs), m_texts(texts), m_form(form), m_owner(owner) {}

// Answering No to the overwrite question starts the choice again; an empty path is Cancel.
QString MapFileActions::askSavePath() {
    for (;;) {
        QString path = m_dialogs.saveFile(m_texts.message(MessageId::SaveDialogTitle),
                                          QLatin1String(kMapFileFilter));
        if (path.isEmpty())
            return path;
        // A name typed without an extension still gets the map file's own; a typed
        // final dot stands for that extension.
        if (QFileInfo(path).suffix().isEmpty())
            path += QLatin1String(path.endsWith(QLatin1Char('.')) ? "klv" : ".klv");
        if (!QFileInfo::exists(path))
            return path;
        const Dialogs::Answer answer =
            m_dialogs.message(m_texts.message(MessageId::OverwriteQuestion),
                              m_texts.title(MessageId::OverwriteQuestion), Dialogs::Buttons::YesNo,
                              Dialogs::Icon::Question, Dialogs::Answer::No);
        if (answer == Dialogs::Answer::Yes)
            return path;
    }
}

MapFileActions::SaveResult MapFileActions::save() {
    const QString path = askSavePath();
    if (path.isEmpty())
        return SaveResult::Cancelled;
    m_currentFilePath = path;
    const MapDocument document = m_owner.document();
    const ::SaveResult result = saveMapFile(path, document, m_form.decimalSeparator);
    if (!result.saved) {
        m_dialogs.message(
            m_texts.message(MessageId::SaveFailedMessage, {m_texts.words(result.reason)}),
            m_texts.title(MessageId::SaveFailedMessage), Dialogs::Buttons::Ok,
            Dialogs::Icon::Critical, Dialogs::Answer::Ok);
        return SaveResult::Failed;
    }
    emit fileUsed(path);
    // The map is kept whole; only the note's foreign characters cannot be, and the user
    // still has them on screen to keep elsewhere.
    if (const QString lost = CentralEuropeanCodePage::missing(document.note); !lost.isEmpty())
        m_dialogs.message(m_texts.message(MessageId::NoteCharactersMessage, {lost}),
                          m_texts.title(MessageId::NoteCharactersMessage), Dialogs::Buttons::Ok,
                          Dialogs::Icon::Warning, Dialogs::Answer::Ok);
    return SaveResult::Saved;
}

void MapFileActions::load() {
    const QString path = m_dialogs.openFile(m_texts.message(MessageId::LoadDialogTitle),
                                            QLatin1String(kMapFileFilter));
    if (path.isEmpty())
        return;
    loadPath(path);
}

void MapFileActions::loadFromCommandLine(const QString& argument) {
    loadPath(withoutSurroundingQuotes(argument));
}

bool MapFileActions::loadPath(const QString& path) {
    const MapDocument current = m_owner.document();
    m_form.documentReady = false;
    const Outcome<MapDocument> loaded = loadMapFile(path, current, m_form.decimalSeparator);
    if (!loaded.ok()) {
        m_form.documentReady = true;
        m_dialogs.message(m_texts.message(MessageId::WrongFileMessage),
                          m_texts.title(MessageId::WrongFileMessage), Dialogs::Buttons::Ok,
                          Dialogs::Icon::None, Dialogs::Answer::Ok);
        return false;
    }
    m_currentFilePath = path;
    emit documentLoaded(loaded.value());
    emit fileUsed(path);
    // The map stays loaded so the user can mend it; sending refuses until then.
    const QString outOfRange = outOfRangeSummary(loaded.value(), m_form.decimalSeparator, m_texts);
    if (!outOfRange.isEmpty())
        m_dialogs.message(outOfRange, m_texts.title(MessageId::LoadOutOfRangeMessage),
                          Dialogs::Buttons::Ok, Dialogs::Icon::Warning, Dialogs::Answer::Ok);
    return true;
}

QString MapFileActions::withoutSurroundingQuotes(const QString& argument) {
    if (argument.size() >= 2 && argument.startsWith(QLatin1Char('"')) &&
        argument.endsWith(QLatin1Char('"')))
        return argument.mid(1, argument.size() - 2);
    return argument;
}
