#pragma once

#include "language/dialogs.h"

#include <QList>
#include <QString>
#include <functional>

// A Dialogs double for the window tests: records every dialog and answers from a queue.
// A dialog the test did not queue an answer for ends the test program at once, so a
// re-ask loop can never hang a test. With real boxes, every dialog also opens a modal box
// answered from inside its own event loop, after the actions queued with whileOpen() ran
// there, so events sent through the window system (QTest on a QWindow) meet a modal box
// exactly as a user's clicks, releases, keys and close requests do on a desktop.
class ScriptedDialogs : public Dialogs {
  public:
    enum class Kind { Message, Input, OpenFile, SaveFile };

    struct Call {
        QString text; // message text, input prompt or file dialog title
        QString title;
        QString filter;
        Buttons buttons = Buttons::Ok;
        Answer defaultButton = Answer::Ok;
    };

    void answerMessage(Answer answer);
    void answerInput(const QString& text);
    void answerOpenFile(const QString& path);
    void answerSaveFile(const QString& path);

    void setRealBoxes(bool on) { m_realBoxes = on; }
    // Runs inside the next box that opens; one action per box, in order.
    void whileOpen(std::function<void()> action) { m_whileOpen.append(std::move(action)); }

    const QList<Call>& calls() const { return m_calls; }
    const Call& lastCall() const { return m_calls.last(); }
    int pendingAnswers() const { return m_answers.size(); }
    void clear();

    Answer message(const QString& text, const QString& title, Buttons buttons, Icon icon,
                   Answer defaultButton) override;
    QString input(const QString& prompt, const QString& title) override;
    QString openFile(const QString& title, const QString& filter) override;
    QString saveFile(const QString& title, const QString& filter) override;

  private:
    struct Queued {
        Kind kind;
        Answer answer;
        QString text;
    };
    Queued take(Kind kind, const Call& call);
    void runModalBox();

    QList<Call> m_calls;
    QList<Queued> m_answers;
    QList<std::function<void()>> m_whileOpen;
    bool m_realBoxes = false;
};
