#include "tests/support/modal_dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

void ModalDialogs::whileOpen(std::function<void()> action) {
    m_whileOpen.append(std::move(action));
}

void ModalDialogs::runModalBox() {
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

Dialogs::Answer ModalDialogs::message(const QString& text, const QString& title, Buttons buttons,
                                      Icon icon, Answer defaultButton) {
    const Answer answer = ScriptedDialogs::message(text, title, buttons, icon, defaultButton);
    runModalBox();
    return answer;
}

QString ModalDialogs::input(const QString& prompt, const QString& title) {
    const QString text = ScriptedDialogs::input(prompt, title);
    runModalBox();
    return text;
}

QString ModalDialogs::openFile(const QString& title, const QString& filter) {
    const QString path = ScriptedDialogs::openFile(title, filter);
    runModalBox();
    return path;
}

QString ModalDialogs::saveFile(const QString& title, const QString& filter) {
    const QString path = ScriptedDialogs::saveFile(title, filter);
    runModalBox();
    return path;
}
