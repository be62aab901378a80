#pragma once

#include "core/map_document.h"

#include <QString>
#include <functional>

class Dialogs;
class LanguageTexts;
struct FormState;

// The save and load buttons and the map named on the command line: the file dialogs, the
// overwrite question, the wrong-file and save-failed messages and the window title.
// A file is read whole before anything in the window changes, so a bad file changes
// nothing; a save goes to a temporary file first, so a failed save never damages the
// previous file.
class MapFileActions {
  public:
    enum class SaveResult { Saved, Cancelled, Failed };

    struct Hooks {
        std::function<MapDocument()> collectDocument;
        // Writes a just-read document into the widgets, lays the grid out and redraws.
        std::function<void(const MapDocument&)> applyDocument;
        std::function<void(const QString& path)> showFilePath;
    };

    MapFileActions(Dialogs& dialogs, const LanguageTexts& texts, FormState& form, Hooks hooks);

    SaveResult save();
    void load();
    // The one optional argument of the program; a wrong or missing file is reported and
    // the window keeps its defaults.
    void loadFromCommandLine(const QString& argument);
    // A file chosen without the dialog (dropped, or from the recent files): loaded as
    // Load loads the dialog's choice; false when it is no map file.
    bool loadPath(const QString& path);

    const QString& currentFilePath() const { return m_currentFilePath; }

    // One pair of surrounding double quotes is removed; a lone leading quote stays.
    static QString withoutSurroundingQuotes(const QString& argument);

  private:
    QString askSavePath();

    Dialogs& m_dialogs;
    const LanguageTexts& m_texts;
    FormState& m_form;
    Hooks m_hooks;
    QString m_currentFilePath;
};
