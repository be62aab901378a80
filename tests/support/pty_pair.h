#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// Two connected pseudo-terminals made by socat in a temporary folder: the program talks
// to near(), the controller's side reads far(). The destructor stops socat, so a test
// that fails half-way leaves nothing running.
class PtyPair {
  public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    // False when socat could not be started or its links did not appear in time.
    bool isReady() const { return m_ready; }
    QString near() const;
    QString far() const;
    // Ends socat at once, as if the cable were pulled.
    void kill();

  private:
    QTemporaryDir m_dir;
    QProcess m_socat;
    bool m_ready = false;
};
