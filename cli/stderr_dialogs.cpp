#include "cli/stderr_dialogs.h"

#include <QTextStream>

Dialogs::Answer StderrDialogs::message(const QString& text, const QString& title, Buttons buttons,
                                       Icon, Answer) {
    QTextStream(stderr) << title << ": " << text << '\n';
    return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
}

QString StderrDialogs::input(const QString&, const QString&) {
    return {};
}
QString StderrDialogs::openFile(const QString&, const QString&) {
    return {};
}
QString StderrDialogs::saveFile(const QString&, const QString&) {
    return {};
}
