#pragma once

#include <QString>

// What the upload shows while it runs: sixteen squares, a percentage and the closing
// confirmation. The window program shows the progress window, the command line a bar.
class UploadProgress {
  public:
    virtual ~UploadProgress() = default;

    // Every square hidden, the percentage at its start text.
    virtual void showWindow() = 0;
    virtual void showSquare(int index) = 0;
    virtual void setPercent(const QString& text) = 0;
    // Replaces the percentage with "Data has been sent!".
    virtual void showDone() = 0;
    // Also called when the window was never shown.
    virtual void closeWindow() = 0;
};
