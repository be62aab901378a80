#include "tests/support/scripted_dialogs.h"

#include <QtGlobal>

namespace {
const char* const kKindNames[] = {"message", "input", "open file", "save file"};
} // namespace

void ScriptedDialogs::answerMessage(Answer answer) {
    m_answers.append({Kind::Message, answer, {}});
}
void ScriptedDialogs::answerInput(const QString& text) {
    m_answers.append({Kind::Input, Answer::Ok, text});
}
void ScriptedDialogs::answerOpenFile(const QString& path) {
    m_answers.append({Kind::OpenFile, Answer::Ok, path});
}
void ScriptedDialogs::answerSaveFile(const QString& path) {
    m_answers.append({Kind::SaveFile, Answer::Ok, path});
}

void ScriptedDialogs::clear() {
    m_calls.clear();
    m_answers.clear();
}

ScriptedDialogs::Queued ScriptedDialogs::take(Kind kind, const Call& call) {
    m_calls.append(call);
    if (m_answers.isEmpty() || m_answers.first().kind != kind)
        qFatal("Unexpected %s dialog: \"%s\" titled \"%s\"", kKindNames[int(kind)],
               qPrintable(call.text), qPrintable(call.title));
    return m_answers.takeFirst();
}

Dialogs::Answer ScriptedDialogs::message(const QString& text, const QString& title, Buttons buttons,
                                         Icon, Answer defaultButton) {
    return take(Kind::Message, {text, title, {}, buttons, defaultButton}).answer;
}

QString ScriptedDialogs::input(const QString& prompt, const QString& title) {
    return take(Kind::Input, {prompt, title, {}, Buttons::Ok, Answer::Ok}).text;
}

QString ScriptedDialogs::openFile(const QString& title, const QString& filter) {
    return take(Kind::OpenFile, {title, {}, filter, Buttons::Ok, Answer::Ok}).text;
}

QString ScriptedDialogs::saveFile(const QString& title, const QString& filter) {
    return take(Kind::SaveFile, {title, {}, filter, Buttons::Ok, Answer::Ok}).text;
}
