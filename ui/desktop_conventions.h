#pragma once

#include "storage/recent_map_files.h"

#include <QObject>
#include <functional>

class QMainWindow;
class QMenu;
class QMimeData;
class QPushButton;

// What users expect of a desktop program beyond the window's own buttons: Ctrl+O and
// Ctrl+S press Load and Save, Ctrl+Q closes (with the exit question), a map file dropped
// on the window is loaded as Load loads it, and the Load button's context menu offers
// the last five map files. Each takes the way the mouse would, so the checks are the same.
class DesktopConventions : public QObject {
    Q_OBJECT
  public:
    // `busy` is true while an upload or a version request holds the window.
    DesktopConventions(QMainWindow* window, QPushButton* loadButton, QPushButton* saveButton,
                       std::function<bool()> busy, RecentMapFiles recent);

    // A map file was loaded or saved.
    void remember(const QString& path);

  signals:
    // A file was dropped or picked from the recent files: the window loads it as the Load
    // button does after its dialog.
    void mapFileChosen(const QString& path);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void press(QPushButton* button);
    void load(const QString& path);
    void showRecentMenu(const QPoint& position);
    static QString droppedMapFile(const QMimeData* data);

    QMainWindow* m_window;
    std::function<bool()> m_busy;
    RecentMapFiles m_recent;
    QPushButton* m_loadButton;
    QPushButton* m_saveButton;
    QMenu* m_recentMenu;
};
