#include "tests/support/pty_pair.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>

PtyPair::PtyPair() {
    m_socat.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_socat.start(QStringLiteral("socat"),
                  {QStringLiteral("pty,raw,echo=0,link=") + near(),
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

PtyPair::~PtyPair() { kill(); }

QString PtyPair::near() const { return m_dir.filePath(QStringLiteral("near")); }
QString PtyPair::far() const { return m_dir.filePath(QStringLiteral("far")); }

void PtyPair::kill() {
    if (m_socat.state() == QProcess::NotRunning)
        return;
    m_socat.kill();
    m_socat.waitForFinished(5000);
}
