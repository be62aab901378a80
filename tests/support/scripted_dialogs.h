#pragma once

#include "language/dialogs.h"

#include <QList>
#include <QString>

// A Dialogs double for the window tests: records every dialog and answers from a queue.
// A dialog the test did not queue an answer for ends the test program at once, so a
// re-ask loop can never hang a test.
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

    QList<Call> m_calls;
    QList<Queued> m_answers;
};
