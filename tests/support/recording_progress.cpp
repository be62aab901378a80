#include "tests/support/recording_progress.h"

void RecordingProgress::showWindow() {
    m_events.append(QStringLiteral("show"));
    m_shown = true;
}

void RecordingProgress::showSquare(int index) {
    m_events.append(QStringLiteral("square %1").arg(index));
}

void RecordingProgress::setPercent(const QString& text) {
    m_events.append(QStringLiteral("percent ") + text);
}

void RecordingProgress::showDone() {
    m_events.append(QStringLiteral("done"));
}

void RecordingProgress::closeWindow() {
    m_events.append(QStringLiteral("close"));
    m_shown = false;
}
