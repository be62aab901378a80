#pragma once

#include "core/map_document.h"

#include <QObject>
#include <QString>

class Dialogs;
class DocumentOwner;
class LanguageTexts;
struct FormState;

// The save and load buttons and the map named on the command line: the file dialogs, the
// overwrite question, the wrong-file and save-failed messages and the window title.
// A file is read whole before anything in the window changes, so a bad file changes
// nothing; a save goes to a temporary file first, so a failed save never damages the
// previous file.
class MapFileActions : public QObject {
    Q_OBJECT
  public:
    enum class SaveResult { Saved, Cancelled, Failed };

    MapFileActions(Dialogs& dialogs, const LanguageTexts& texts, FormState& form,
                   const DocumentOwner& owner);

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

  signals:
    // A file was read whole and passed: the window shows its document.
    void documentLoaded(const MapDocument& document);
    // A map file was saved or loaded under this path.
    void fileUsed(const QString& path);

  private:
    QString askSavePath();

    Dialogs& m_dialogs;
    const LanguageTexts& m_texts;
    FormState& m_form;
    const DocumentOwner& m_owner;
    QString m_currentFilePath;
};
