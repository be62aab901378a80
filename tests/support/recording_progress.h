#pragma once

#include "device/upload_progress.h"

#include <QStringList>

// An UploadProgress double: records each step ("show", "square 3", "percent 12%",
// "done", "close") and whether the window is up.
class RecordingProgress : public UploadProgress {
  public:
    const QStringList& events() const { return m_events; }
    bool isShown() const { return m_shown; }
    void clear() { m_events.clear(); }

    void showWindow() override;
    void showSquare(int index) override;
    void setPercent(const QString& text) override;
    void showDone() override;
    void closeWindow() override;

  private:
    QStringList m_events;
    bool m_shown = false;
};
