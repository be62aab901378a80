#include "cli/stderr_progress.h"

#include "language/language_texts.h"

#include <cstdio>

namespace {
constexpr int kSquareCount = 16;
}

StderrProgress::StderrProgress(const LanguageTexts& texts) : m_texts(texts), m_err(stderr) {}

void StderrProgress::showWindow() {
    m_squares = 0;
    m_percent = QStringLiteral("00%");
    draw();
}

void StderrProgress::showSquare(int index) {
    m_squares = index + 1;
    draw();
}

void StderrProgress::setPercent(const QString& text) {
    m_percent = text;
    draw();
}

void StderrProgress::showDone() {
    m_err << '\n' << m_texts.message(MessageId::UploadDoneText) << '\n';
    m_err.flush();
    m_drawn = false;
}

void StderrProgress::closeWindow() {
    // An interrupted bar ends its line so that the error message starts on its own.
    if (m_drawn)
        m_err << '\n';
    m_err.flush();
    m_drawn = false;
}

void StderrProgress::draw() {
    m_err << '\r' << m_texts.message(MessageId::UploadSentLabel) << " ["
          << QString(m_squares, QLatin1Char('#'))
          << QString(kSquareCount - m_squares, QLatin1Char(' ')) << "] "
          << m_percent.rightJustified(4);
    m_err.flush();
    m_drawn = true;
}
