#pragma once

#include "device/upload_progress.h"

#include <QTextStream>

class LanguageTexts;

// The upload's progress as a bar of sixteen cells on standard error, redrawn in place.
class StderrProgress : public UploadProgress {
  public:
    explicit StderrProgress(const LanguageTexts& texts);

    void showWindow() override;
    void showSquare(int index) override;
    void setPercent(const QString& text) override;
    void showDone() override;
    void closeWindow() override;

  private:
    void draw();

    const LanguageTexts& m_texts;
    QTextStream m_err;
    int m_squares = 0;
    QString m_percent;
    bool m_drawn = false;
};
