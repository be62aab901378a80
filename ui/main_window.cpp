#include "ui/main_window.h"

#include "core/dialogs.h"
#include "core/find_widget.h"
#include "core/twips.h"
#include "ui/clickable_picture.h"
#include "ui/language_switch.h"
#include "ui/main_form.h"

#include <QDesktopServices>
#include <QRadioButton>
#include <QUrl>

namespace {

const char* const kBaseTitle = "KELVOR-310";
const char* const kHomePage = "https://www.vortamix.example/";

QString languageCode(Language language) {
    return QLatin1String(language == Language::Hungarian ? "hun" : "eng");
}

} // namespace

MainWindow::MainWindow(Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), m_dialogs(dialogs), m_form(new QWidget(this)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QLatin1String(kBaseTitle));
    buildMainForm(m_form);
    setCentralWidget(m_form);
    setFixedSize(Twips::toPixels(15300), Twips::toPixels(11325));
    wirePanels();
    chooseLanguage(Language::English);
    findNamed<QRadioButton>(m_form, QStringLiteral("Option5"))->setChecked(true);
    showSelectedGraph();
}

MainWindow::~MainWindow() = default;

// The one place where the panels' controllers are made and connected to each other.
void MainWindow::wirePanels() {
    auto* hungarian = findNamed<ClickablePicture>(m_form, QStringLiteral("Picture3"));
    auto* english = findNamed<ClickablePicture>(m_form, QStringLiteral("Picture4"));
    auto* logo = findNamed<ClickablePicture>(m_form, QStringLiteral("Picture2"));
    connect(hungarian, &ClickablePicture::clicked, this,
            [this] { chooseLanguage(Language::Hungarian); });
    connect(english, &ClickablePicture::clicked, this,
            [this] { chooseLanguage(Language::English); });
    connect(logo, &ClickablePicture::clicked, this, &MainWindow::openHomePage);

    for (const char* option : {"Option5", "Option6"})
        connect(findNamed<QRadioButton>(m_form, QLatin1String(option)), &QRadioButton::toggled,
                this, &MainWindow::showSelectedGraph);
}

void MainWindow::chooseLanguage(Language language) {
    const QString code = languageCode(language);
    if (m_uiLanguage == code)
        return;
    applyLanguageTexts(language);
    m_uiLanguage = code;
    findNamed<ClickablePicture>(m_form, QStringLiteral("Picture3"))
        ->setBorder(language == Language::Hungarian);
    findNamed<ClickablePicture>(m_form, QStringLiteral("Picture4"))
        ->setBorder(language == Language::English);
    if (m_refreshSparkPowerLimit)
        m_refreshSparkPowerLimit();
}

void MainWindow::applyLanguageTexts(Language language) {
    if (language == Language::Hungarian)
        ApplyHungarianTexts(m_form, m_texts);
    else
        ApplyEnglishTexts(m_form, m_texts);
}

void MainWindow::setSparkPowerLimitRefresh(std::function<void()> refresh) {
    m_refreshSparkPowerLimit = std::move(refresh);
}

void MainWindow::showFilePath(const QString& path) {
    setWindowTitle(path.isEmpty() ? QLatin1String(kBaseTitle)
                                  : QLatin1String(kBaseTitle) + QLatin1String("  ") + path);
}

void MainWindow::showSelectedGraph() {
    const bool twoD = findNamed<QRadioButton>(m_form, QStringLiteral("Option5"))->isChecked();
    findNamed<QWidget>(m_form, QStringLiteral("Frame18"))->setVisible(twoD);
    findNamed<QWidget>(m_form, QStringLiteral("Frame7"))->setVisible(!twoD);
}

// A browser that cannot be started is not worth a message: the user can type the address.
void MainWindow::openHomePage() { QDesktopServices::openUrl(QUrl(QLatin1String(kHomePage))); }
