#pragma once

#include "tests/support/scripted_dialogs.h"

#include <QList>
#include <functional>

// ScriptedDialogs that really opens a modal box for every dialog and answers it from a
// timer inside the box's own event loop. Actions queued with whileOpen() run there, before
// the answer, so events sent through the window system (QTest on a QWindow) meet a modal
// box exactly as a user's clicks, releases, keys and close requests do on a desktop.
class ModalDialogs : public ScriptedDialogs {
  public:
    // Runs inside the next box that opens; one action per box, in order.
    void whileOpen(std::function<void()> action);
    // Without real boxes the answers come at once, as from ScriptedDialogs.
    void setRealBoxes(bool on) { m_realBoxes = on; }

    Answer message(const QString& text, const QString& title, Buttons buttons, Icon icon,
                   Answer defaultButton) override;
    QString input(const QString& prompt, const QString& title) override;
    QString openFile(const QString& title, const QString& filter) override;
    QString saveFile(const QString& title, const QString& filter) override;

  private:
    void runModalBox();

    QList<std::function<void()>> m_whileOpen;
    bool m_realBoxes = true;
};
