#include "ui/main_window.h"

#include "core/separators.h"
#include "core/twips.h"
#include "editor/table_editor.h"
#include "graph/graph_panel.h"
#include "language/dialogs.h"
#include "language/widget_texts.h"
#include "settings/settings_panel.h"
#include "storage/settings_file.h"
#include "ui/clickable_picture.h"
#include "ui/desktop_conventions.h"
#include "ui/document_owner.h"
#include "ui/field_frame_cache.h"
#include "ui/interrupted_click.h"
#include "ui/language_switch.h"
#include "ui/list_wheel_guard.h"
#include "ui/main_form.h"
#include "ui/map_comparison_view.h"
#include "ui/map_file_actions.h"
#include "ui/native_window_watch.h"
#include "ui/note_field.h"
#include "ui/port_list_tips.h"
#include "ui/serial_actions.h"
#include "ui/window_fit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QUrl>

namespace {

const char* const kBaseTitle = "KELVOR-310";
const char* const kHomePage = "https://www.vortamix.example/";

QString languageCode(Language language) {
    return QLatin1String(language == Language::Hungarian ? "hun" : "eng");
}

} // namespace

MainWindow::MainWindow(Dialogs& dialogs, const SettingsLocation& settingsLocation, QWidget* parent)
    : MainWindow(dialogs, settingsLocation, nullptr, nullptr, parent) {}

MainWindow::MainWindow(Dialogs& dialogs, const SettingsLocation& settingsLocation, SerialLink& link,
                       Clock& clock)
    : MainWindow(dialogs, settingsLocation, &link, &clock, nullptr) {}

MainWindow::MainWindow(Dialogs& dialogs, const SettingsLocation& settingsLocation, SerialLink* link,
                       Clock* clock, QWidget* parent)
    : QMainWindow(parent), m_dialogs(dialogs), m_settingsLocation(settingsLocation),
      m_form(new QWidget(this)) {
    FieldFrameCache::install();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QLatin1String(kBaseTitle));
    m_design = buildMainForm(m_form);
    fitFormToScreen(*this, m_form, QSize(Twips::toPixels(15300), Twips::toPixels(11325)));
    createPanels(link, clock);
    wireButtons();
    startUp();
    wireHistory();
    new ListWheelGuard(m_form);
    m_nativeWatch = std::make_unique<NativeWindowWatch>(this, [this] {
        // A check asking again in an input box ends with the window: once the program is
        // told to end, every box returns at once, and the check would ask for ever.
        m_state.documentReady = false;
        m_table->endWaits();
        writeSettingsFile();
        emit nativeWindowLost();
    });
    new InterruptedClick(this);
    new MapComparisonView(m_table->widgets(), m_table->gridMenu(), m_dialogs, m_texts, m_state,
                          *m_owner, this);
    new PortListTips(m_design.port, m_texts);
    auto* desktop = new DesktopConventions(
        this, m_design.load, m_design.save, [this] { return m_serial->isBusy(); },
        RecentMapFiles());
    connect(desktop, &DesktopConventions::mapFileChosen, this, [this](const QString& path) {
        checkFocusedField();
        m_files->loadPath(path);
    });
    connect(this, &MainWindow::mapFileUsed, desktop, &DesktopConventions::remember);
}

MainWindow::~MainWindow() = default;

// The one place where the panels' controllers are made and connected to each other.
void MainWindow::createPanels(SerialLink* link, Clock* clock) {
    m_graphs = std::make_unique<GraphPanel>(m_design, m_state);
    // Every change the editors announce on the owner's model is a step of the history:
    // a checked cell, a shape, axis or column change, a block operation, a checked
    // setting; a load, list choices and the note join below and in wireHistory().
    m_owner = new DocumentOwner(
        this, {[this](const MapDocument& doc) {
                   applyLoadedDocument(doc);
                   keepShownTextForEscape();
               },
               [this](int row, int column, int tenths) {
                   m_table->showCell(row, column, tenths);
                   keepShownTextForEscape();
               },
               [this](const MapDocument& doc) {
                   m_state.documentReady = false;
                   m_settings->applyDocument(doc);
                   m_settings->applyLoadedModes();
                   m_state.documentReady = true;
                   keepShownTextForEscape();
               },
               [this] { return m_state.documentReady && !m_table->state().columnToolBusy; },
               [this] { checkFocusedField(); }});
    DocumentModel& model = m_owner->model();
    connect(m_design.note, &QPlainTextEdit::textChanged, this, &MainWindow::takeNoteText);
    m_settings = new SettingsPanel(m_design, model, m_state, m_texts, m_dialogs, this);
    m_table = new TableEditor(m_design, model, m_state, m_texts, m_dialogs, m_form);
    connect(&model, &DocumentModel::tableChanged, this, &MainWindow::redrawGraph);
    connect(&model, &DocumentModel::documentReplaced, this, &MainWindow::redrawGraph);
    connect(&model, &DocumentModel::cellChanged, this,
            [this](int row, int column, int tenths) { m_graphs->updateCell(row, column, tenths); });
    connect(&model, &DocumentModel::rpmAxisChanged, m_settings, &SettingsPanel::setCriticalRpm);
    TableSignals& table = m_table->pacing();
    connect(&table, &TableSignals::loadedModesReady, m_settings, &SettingsPanel::applyLoadedModes);
    connect(&table, &TableSignals::loadedInputDwellReady, m_settings,
            &SettingsPanel::applyLoadedInputDwellMode);
    connect(&table, &TableSignals::tableReplacing, this, &MainWindow::checkFocusedField);

    m_serial = link ? new SerialActions(this, m_dialogs, m_texts, *link, *clock)
                    : new SerialActions(this, m_dialogs, m_texts);
    m_files = std::make_unique<MapFileActions>(m_dialogs, m_texts, m_state, *m_owner);
    connect(m_files.get(), &MapFileActions::documentLoaded, this, [this](const MapDocument& doc) {
        applyLoadedDocument(doc);
        m_owner->commit();
    });
    connect(m_files.get(), &MapFileActions::fileUsed, this, [this](const QString& path) {
        showFilePath(path);
        emit mapFileUsed(path);
    });
}

void MainWindow::wireButtons() {
    connect(m_design.send, &QPushButton::clicked, this, [this] {
        checkFocusedField();
        m_serial->send(document(), m_state.decimalSeparator, m_settings->portNumber());
    });
    connect(m_design.save, &QPushButton::clicked, this, [this] {
        checkFocusedField();
        m_files->save();
    });
    connect(m_design.load, &QPushButton::clicked, this, [this] {
        checkFocusedField();
        m_files->load();
    });
    connect(m_design.version, &QPushButton::clicked, this, [this] {
        checkFocusedField();
        m_serial->flashVersion(m_settings->portNumber());
    });
    m_serial->setVersionButton(m_design.version);

    connect(m_design.hungarianFlag, &ClickablePicture::clicked, this, [this] {
        checkFocusedField();
        chooseLanguage(Language::Hungarian);
    });
    connect(m_design.englishFlag, &ClickablePicture::clicked, this, [this] {
        checkFocusedField();
        chooseLanguage(Language::English);
    });
    connect(m_design.logo, &ClickablePicture::clicked, this, &MainWindow::openHomePage);

    // A click draws the view, also the one already shown.
    connect(m_design.view2D, &QRadioButton::clicked, this,
            [this] { m_graphs->select2D(document()); });
    connect(m_design.view3D, &QRadioButton::clicked, this,
            [this] { m_graphs->select3D(document()); });
}

// Each checked settings value, list choice and option button is a step of its own; the
// note is one when it loses the focus. Choices outside the map (port, graph view) make
// no step, as the document stays the same.
void MainWindow::wireHistory() {
    for (QComboBox* list : m_form->findChildren<QComboBox*>())
        connect(list, &QComboBox::activated, m_owner, &DocumentOwner::commit);
    for (QRadioButton* option : m_form->findChildren<QRadioButton*>())
        connect(option, &QRadioButton::clicked, m_owner, &DocumentOwner::commit);
    m_owner->addMenuEntries(m_table->gridMenu(), m_texts);
}

// In this order: settings file, separators, settings defaults, grid, graphs, ready, 2D.
void MainWindow::startUp() {
    m_state.documentReady = false;
    readSettingsFile();
    const Separators separators = separatorsFor(QLocale());
    m_state.decimalSeparator = separators.decimal;
    m_state.otherSeparator = separators.other;

    const MapDocument defaults = MapDocument::startupDefaults(m_state.decimalSeparator);
    m_settings->applyDocument(defaults);
    m_settings->applyLoadedModes();
    m_table->buildGrid();
    m_table->applyDocument(defaults);
    m_table->applyResolution();

    m_state.documentReady = true;
    m_owner->restart();
    m_design.view2D->setChecked(true);
    m_graphs->select2D(document());
}

void MainWindow::readSettingsFile() {
    const std::optional<AppSettings> settings = ::readSettingsFile(m_settingsLocation);
    m_settings->setPortNumber(settings ? settings->portNumber : 1);
    const bool hungarian = settings && settings->uiLanguage == QLatin1String("hun");
    chooseLanguage(hungarian ? Language::Hungarian : Language::English);
}

// A settings file that cannot be written is not worth a message at shutdown: the next
// start simply uses the defaults.
void MainWindow::writeSettingsFile() const {
    ::writeSettingsFile(m_settingsLocation, {m_settings->portNumber(), m_uiLanguage});
}

void MainWindow::openCommandLineMap(const QString& argument) {
    m_files->loadFromCommandLine(argument);
}

void MainWindow::chooseLanguage(Language language) {
    const QString code = languageCode(language);
    if (m_uiLanguage == code)
        return;
    if (language == Language::Hungarian)
        ApplyHungarianTexts(m_form, m_texts);
    else
        ApplyEnglishTexts(m_form, m_texts);
    m_graphs->setAxisTitles(graphAxisTitles(language));
    m_uiLanguage = code;
    m_design.hungarianFlag->setBorder(language == Language::Hungarian);
    m_design.englishFlag->setBorder(language == Language::English);
    m_settings->setCriticalRpm();
}

const MapDocument& MainWindow::document() const {
    return m_owner->document();
}

// The whole document is written while the change handlers sleep, then the grid is laid
// out for it, and its observers hear that the document was replaced.
void MainWindow::applyLoadedDocument(const MapDocument& document) {
    m_state.documentReady = false;
    m_table->applyDocument(document);
    m_settings->applyDocument(document);
    QString note = document.note;
    {
        // The field marks the pieces of a long line only once it holds the whole text.
        const QSignalBlocker whileShown(m_design.note);
        showNote(m_design.note, note.replace(QLatin1String("\r\n"), QLatin1String("\n")));
    }
    takeNoteText();
    m_table->applyLoadedLayout();
    m_state.documentReady = true;
    emit m_owner->model().documentReplaced();
}

// The note has no check: what its field holds is the map's note.
void MainWindow::takeNoteText() {
    // Documents and map files hold the note's line breaks as CR LF.
    m_owner->model().map().note =
        noteText(m_design.note).replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

// Escape in the focused field must not bring back what a step undid.
void MainWindow::keepShownTextForEscape() {
    auto* field = qobject_cast<QLineEdit*>(focusWidget());
    if (field && m_form->isAncestorOf(field))
        m_state.entryText = field->text();
}

void MainWindow::redrawGraph() {
    m_graphs->redraw(document());
}

void MainWindow::showFilePath(const QString& path) {
    setWindowTitle(path.isEmpty() ? QLatin1String(kBaseTitle)
                                  : QLatin1String(kBaseTitle) + QLatin1String("  ") + path);
}

void MainWindow::checkFocusedField() {
    // The window's own focus child: it stays set while another program is active.
    QWidget* field = focusWidget();
    if (field && !m_table->checkField(field))
        m_settings->checkField(field);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    checkFocusedField();
    const Dialogs::Answer answer = m_dialogs.message(
        m_texts.message(MessageId::ExitQuestion), m_texts.title(MessageId::ExitQuestion),
        Dialogs::Buttons::YesNo, Dialogs::Icon::Question, Dialogs::Answer::Yes);
    if (answer == Dialogs::Answer::Yes) {
        // A save that failed (full disk, protected folder) offers the choice again, so
        // the map is not lost by closing; cancelling the dialog ends the attempt.
        while (m_files->save() == MapFileActions::SaveResult::Failed) {
        }
    }
    writeSettingsFile();
    m_table->endWaits();
    event->accept();
}

// A browser that cannot be started is not worth a message: the user can type the address.
void MainWindow::openHomePage() {
    QDesktopServices::openUrl(QUrl(QLatin1String(kHomePage)));
}
