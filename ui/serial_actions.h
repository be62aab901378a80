#pragma once

#include "device/upload_sequence.h"

#include <QObject>
#include <functional>
#include <memory>

class Clock;
class QAbstractButton;
class Dialogs;
class LanguageTexts;
class SerialLink;
class UserInputBlocker;
class VersionFlash;
struct MapDocument;

// The send (Command1) and version (Command4) buttons of the main window, which owns
// this object. While either runs, the main window takes no input but keeps painting;
// errors end with one message. Only two things done meanwhile are carried out when the
// transfer ends: a close request of the main window and one press of the version button.
class SerialActions : public QObject {
    Q_OBJECT
  public:
    using PortResolver = std::function<QString(int portNumber)>;

    // The machine's serial port and the event loop's clock.
    SerialActions(QWidget* mainWindow, Dialogs& dialogs, const LanguageTexts& texts);
    SerialActions(QWidget* mainWindow, Dialogs& dialogs, const LanguageTexts& texts,
                  SerialLink& link, Clock& clock);
    ~SerialActions() override;

    // Port numbers 1..16 become system names through this; systemPortName by default.
    void setPortResolver(PortResolver resolver) { m_resolvePort = std::move(resolver); }
    // The version button, whose press during a transfer is clicked again afterwards.
    void setVersionButton(QAbstractButton* button) { m_versionButton = button; }

    void send(const MapDocument& document, const QString& decimalSeparator, int portNumber);
    void flashVersion(int portNumber);
    bool isBusy() const { return m_blocker != nullptr; }

  signals:
    void sendFinished(UploadSequence::Outcome outcome);
    void versionFinished(bool ok);

  private:
    SerialActions(QWidget* mainWindow, Dialogs& dialogs, const LanguageTexts& texts,
                  std::unique_ptr<SerialLink> ownLink, std::unique_ptr<Clock> ownClock);
    void begin();
    void end();
    void runHeldInput(bool versionPressed);

    QWidget* m_mainWindow;
    Dialogs& m_dialogs;
    const LanguageTexts& m_texts;
    std::unique_ptr<SerialLink> m_ownLink;
    std::unique_ptr<Clock> m_ownClock;
    SerialLink& m_link;
    Clock& m_clock;
    PortResolver m_resolvePort;
    std::unique_ptr<UserInputBlocker> m_blocker;
    VersionFlash* m_flash;
    QAbstractButton* m_versionButton = nullptr;
    bool m_closeHeld = false;
};
