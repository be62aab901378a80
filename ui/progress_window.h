#pragma once

#include "device/upload_progress.h"

#include <QWidget>
#include <array>

class LanguageTexts;
class QLabel;

// The small window (Form2) that counts an upload: sixteen green squares on Picture1,
// "Sent:" with the percentage, and the confirmation that covers both at the end.
// Created anew for each upload; closing it deletes it.
class ProgressWindow : public QWidget, public UploadProgress {
    Q_OBJECT
  public:
    ProgressWindow(const LanguageTexts& texts, QWidget* mainWindow);

    void showWindow() override;
    void showSquare(int index) override;
    void setPercent(const QString& text) override;
    void showDone() override;
    void closeWindow() override;

  protected:
    // Only the upload closes this window; a user's close request is refused.
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* m_mainWindow;
    QWidget* m_picture;
    static constexpr int kSquareCount = 16;
    std::array<QWidget*, kSquareCount> m_squares{};
    QLabel* m_sentLabel;
    QLabel* m_percentLabel;
    QLabel* m_doneLabel;
};
