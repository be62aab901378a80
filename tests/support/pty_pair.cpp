#include "tests/support/pty_pair.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

PtyPair::PtyPair() {
#ifdef Q_OS_LINUX
    // A test that aborts runs no destructor; socat must not outlive it.
    m_socat.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
#endif
    m_socat.start(QStringLiteral("socat"), {QStringLiteral("pty,raw,echo=0,link=") + near(),
                                            QStringLiteral("pty,raw,echo=0,link=") + far()});
    if (!m_socat.waitForStarted(5000))
        return;
    QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired() && m_socat.state() == QProcess::Running) {
        if (QFileInfo::exists(near()) && QFileInfo::exists(far())) {
            m_ready = true;
            return;
        }
        QThread::msleep(10);
    }
}

PtyPair::~PtyPair() {
    kill();
}

QString PtyPair::near() const {
    return m_dir.filePath(QStringLiteral("near"));
}
QString PtyPair::far() const {
    return m_dir.filePath(QStringLiteral("far"));
}

void PtyPair::kill() {
    if (m_socat.state() == QProcess::NotRunning)
        return;
    m_socat.kill();
    m_socat.waitForFinished(5000);
}
