#pragma once

#include "language/dialogs.h"

// Messages of the shared sequences written to standard error; the command line never
// asks anything, so questions answer No and inputs and file choices stay empty.
class StderrDialogs : public Dialogs {
  public:
    Answer message(const QString& text, const QString& title, Buttons buttons, Icon icon,
                   Answer defaultButton) override;
    QString input(const QString& prompt, const QString& title) override;
    QString openFile(const QString& title, const QString& filter) override;
    QString saveFile(const QString& title, const QString& filter) override;
};
