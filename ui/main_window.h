#pragma once

#include "core/form_state.h"
#include "core/form_widgets.h"
#include "core/map_document.h"
#include "language/language_texts.h"
#include "storage/settings_file.h"

#include <QMainWindow>
#include <memory>

class ClickablePicture;
class Clock;
class Dialogs;
class DocumentOwner;
class GraphPanel;
class MapFileActions;
class NativeWindowWatch;
class SerialActions;
class SerialLink;
class QPlainTextEdit;
class QRadioButton;
class SettingsPanel;
class TableEditor;

// The main window: builds the design form, holds the state the panels share, makes the
// panels' controllers and wires them together. The panels' own logic lives in them.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // Starts up completely: settings file, separators, defaults, grid, graphs.
    MainWindow(Dialogs& dialogs, const SettingsLocation& settingsLocation,
               QWidget* parent = nullptr);
    // The same window talking to the given link over the given clock instead of the
    // machine's serial port and the event loop's clock.
    MainWindow(Dialogs& dialogs, const SettingsLocation& settingsLocation, SerialLink& link,
               Clock& clock);
    ~MainWindow() override;

    // The map file named on the command line, loaded after start-up.
    void openCommandLineMap(const QString& argument);

    QWidget* form() const { return m_form; }
    FormState& formState() { return m_state; }
    LanguageTexts& texts() { return m_texts; }
    SerialActions& serialActions() { return *m_serial; }
    const GraphPanel& graphs() const { return *m_graphs; }
    DocumentOwner& owner() { return *m_owner; }

    // "hun" or "eng"; empty only until the first language has been chosen.
    const QString& uiLanguage() const { return m_uiLanguage; }

    // What a click on a flag does: when `language` is not the current one, its texts are
    // applied, its flag gets the border and the spark power limit read-out is refreshed.
    void chooseLanguage(Language language);

    // The map as it stands.
    const MapDocument& document() const;
    // Puts a whole map in place: its values, the fields that show them, the layout.
    void applyLoadedDocument(const MapDocument& document);

    // "KELVOR-310", followed by two spaces and the map file's path once there is one.
    void showFilePath(const QString& path);

  signals:
    // Another program destroyed the window in the window system; the settings file has
    // been written, and nothing is left for the program to do.
    void nativeWindowLost();
    // A map file was loaded or saved (the title shows it).
    void mapFileUsed(const QString& path);

  protected:
    // Every close asks whether to save the map, then writes the settings file.
    void closeEvent(QCloseEvent* event) override;

  private:
    MainWindow(Dialogs& dialogs, const SettingsLocation& settingsLocation, SerialLink* link,
               Clock* clock, QWidget* parent);
    void createPanels(SerialLink* link, Clock* clock);
    void wireButtons();
    void wireHistory();
    void startUp();
    void readSettingsFile();
    void writeSettingsFile() const;
    void redrawGraph();
    void keepShownTextForEscape();
    void takeNoteText();
    void openHomePage();
    // Before an action that writes, sends, replaces or leaves the document: the focused
    // field's check, run as if the focus had left it, so nothing unchecked goes on.
    void checkFocusedField();

    Dialogs& m_dialogs;
    SettingsLocation m_settingsLocation;
    FormState m_state;
    LanguageTexts m_texts;
    QWidget* m_form;
    FormWidgets m_design;
    QString m_uiLanguage;
    std::unique_ptr<GraphPanel> m_graphs;
    SettingsPanel* m_settings = nullptr;
    TableEditor* m_table = nullptr;
    SerialActions* m_serial = nullptr;
    std::unique_ptr<MapFileActions> m_files;
    std::unique_ptr<NativeWindowWatch> m_nativeWatch;
    DocumentOwner* m_owner = nullptr;
};
