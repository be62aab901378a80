#include "ui/serial_actions.h"

#include "device/frame_build.h"
#include "device/port_names.h"
#include "device/qt_serial_link.h"
#include "device/real_clock.h"
#include "device/version_flash.h"
#include "messages/serial_messages.h"
#include "ui/progress_window.h"
#include "ui/user_input_blocker.h"

#include <QAbstractButton>

SerialActions::SerialActions(QWidget* mainWindow, Dialogs& dialogs, const LanguageTexts& texts)
    : SerialActions(mainWindow, dialogs, texts, std::make_unique<QtSerialLink>(),
                    std::make_unique<RealClock>()) {}

SerialActions::SerialActions(QWidget* mainWindow, Dialogs& dialogs, const LanguageTexts& texts,
                             SerialLink& link, Clock& clock)
    : QObject(mainWindow), m_mainWindow(mainWindow), m_dialogs(dialogs), m_texts(texts),
      m_link(link), m_clock(clock), m_resolvePort(systemPortName),
      m_flash(new VersionFlash(link, clock)) {
    m_flash->setParent(this);
    connect(m_flash, &VersionFlash::finished, this, [this](bool ok) {
        if (const SerialResult error = m_flash->problem())
            tellSerialProblem({std::nullopt, *error}, m_dialogs, m_texts);
        end();
        emit versionFinished(ok);
    });
}

SerialActions::SerialActions(QWidget* mainWindow, Dialogs& dialogs, const LanguageTexts& texts,
                             std::unique_ptr<SerialLink> ownLink, std::unique_ptr<Clock> ownClock)
    : SerialActions(mainWindow, dialogs, texts, *ownLink, *ownClock) {
    m_ownLink = std::move(ownLink);
    m_ownClock = std::move(ownClock);
}

SerialActions::~SerialActions() = default;

void SerialActions::send(const MapDocument& document, const QString& decimalSeparator,
                         int portNumber) {
    if (isBusy())
        return;
    begin();
    // The window and the sequence that drives it live for one upload only.
    auto* progress = new ProgressWindow(m_texts, m_mainWindow);
    auto* upload = new UploadSequence(m_link, m_clock, *progress);
    upload->setParent(this);
    connect(upload, &UploadSequence::finished, this,
            [this, upload](UploadSequence::Outcome outcome) {
                // Told while the window's input is still held, as the transfer's end.
                if (const std::optional<SerialProblem> problem = upload->problem())
                    tellSerialProblem(*problem, m_dialogs, m_texts);
                upload->deleteLater();
                end();
                emit sendFinished(outcome);
            });
    // The title names the system port written to, so the user sees which device "ComN" is.
    const QString port = m_resolvePort(portNumber);
    if (!port.isEmpty())
        progress->setWindowTitle(QStringLiteral("%1 — %2").arg(progress->windowTitle(), port));
    upload->start(port, buildFrame(document, decimalSeparator));
}

void SerialActions::flashVersion(int portNumber) {
    if (isBusy())
        return;
    begin();
    m_flash->start(m_resolvePort(portNumber));
}

void SerialActions::begin() {
    m_blocker = std::make_unique<UserInputBlocker>(m_mainWindow, m_versionButton);
}

void SerialActions::end() {
    m_closeHeld = m_closeHeld || m_blocker->closeRequested();
    const bool versionPressed = m_blocker->heldButtonPressed();
    m_blocker.reset();
    // Once the finished sequence has returned to the event loop.
    m_clock.after(0, [this, versionPressed] { runHeldInput(versionPressed); });
}

// The held press first: its flash is a transfer of its own, so a held close waits for it.
void SerialActions::runHeldInput(bool versionPressed) {
    if (versionPressed && m_versionButton)
        m_versionButton->click();
    if (m_closeHeld && !isBusy()) {
        m_closeHeld = false;
        m_mainWindow->close();
    }
}
