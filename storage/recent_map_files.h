#pragma once

#include <QString>
#include <QStringList>

// The map files last loaded or saved, newest first, kept in a file of their own in the
// user's configuration folder (the two-line settings file keeps its layout).
class RecentMapFiles {
  public:
    static constexpr int kCount = 5;

    // The user's configuration folder of this program.
    RecentMapFiles();
    explicit RecentMapFiles(const QString& storePath);

    QStringList files() const;
    // Puts the path first; an older entry of the same file goes, the sixth drops out.
    void add(const QString& path);

  private:
    QString m_storePath;
};
