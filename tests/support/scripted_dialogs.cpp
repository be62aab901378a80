#include "tests/support/scripted_dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

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
    const Queued answer = m_answers.takeFirst();
    runModalBox();
    return answer;
}

void ScriptedDialogs::runModalBox() {
    if (!m_realBoxes)
        return;
    QDialog box(QApplication::activeWindow());
    box.setModal(true);
    const auto action = m_whileOpen.isEmpty() ? std::function<void()>() : m_whileOpen.takeFirst();
    // The box must be shown (and the rest of the application blocked) before the action
    // runs, so the answer waits for the first pass of the box's own loop.
    QTimer::singleShot(0, &box, [&box, action] {
        if (action)
            action();
        box.accept();
    });
    box.exec();
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
