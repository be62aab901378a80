#pragma once

#include "core/form_state.h"
#include "core/language_texts.h"

#include <QMainWindow>
#include <functional>

class Dialogs;

// The main window: builds the design form, holds the state the panels share, and wires
// the panels' controllers together. The panels' own logic lives in their controllers.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Dialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    QWidget* form() const { return m_form; }
    FormState& formState() { return m_state; }
    LanguageTexts& texts() { return m_texts; }

    // "hun" or "eng"; empty only until the first language has been chosen.
    const QString& uiLanguage() const { return m_uiLanguage; }

    // What a click on a flag does: when `language` is not the current one, its texts are
    // applied, its flag gets the border and the spark power limit read-out is refreshed.
    void chooseLanguage(Language language);

    // The settings panel recomputes its read-out through this, as its caption is language
    // dependent.
    void setSparkPowerLimitRefresh(std::function<void()> refresh);

    // "KELVOR-310", followed by two spaces and the map file's path once there is one.
    void showFilePath(const QString& path);

private:
    void wirePanels();
    void applyLanguageTexts(Language language);
    void showSelectedGraph();
    void openHomePage();

    Dialogs& m_dialogs;
    FormState m_state;
    LanguageTexts m_texts;
    QWidget* m_form;
    QString m_uiLanguage;
    std::function<void()> m_refreshSparkPowerLimit;
};
