#include "device/upload_sequence.h"

#include "device/clock.h"
#include "device/upload_progress.h"

#include "core/number_rules.h"

namespace {
constexpr int kBreakMs = 500;
constexpr int kAfterCloseMs = 300;
constexpr int kDoneShownMs = 1500;
constexpr int kFrameSize = 256;
} // namespace

UploadSequence::UploadSequence(SerialLink& link, Clock& clock, UploadProgress& progress)
    : m_link(link), m_clock(clock), m_progress(progress) {}

bool UploadSequence::start(const QString& portName, const FrameBuild& build) {
    if (m_running)
        return false;
    m_running = true;
    ++m_attempt;
    m_squaresShown = 0;
    m_problem.reset();
    if (build.outOfRange) {
        m_problem = SerialProblem{build.outOfRange, {}};
        finish(Outcome::Refused);
        return true;
    }
    if (build.conversionError) {
        fail(Outcome::Refused, {std::nullopt, *build.conversionError});
        return true;
    }
    // A byte that does not fit would reach the controller as a damaged frame, so the
    // whole frame is checked before anything is sent.
    if (const std::optional<int> index = firstByteOutOfRange(build.frame)) {
        fail(Outcome::Refused,
             {std::nullopt,
              {kOverflowError,
               LocalText::entry(MessageId::FrameByteOverflowDetail,
                                {QString::number(*index), QString::number(build.frame[*index])})}});
        return true;
    }
    m_frame = build.frame;
    m_link.setLineLostHandler([this](const SerialError& error) {
        fail(Outcome::Failed, {std::nullopt, error});
    });
    m_link.configure(portName, LineSettings{});
    SerialResult error = m_link.open();
    if (!error)
        error = m_link.setBreak(true);
    if (error) {
        fail(Outcome::Failed, {std::nullopt, *error});
        return true;
    }
    after(kBreakMs, [this] { endBreak(); });
    return true;
}

// A step still waiting when the upload failed (the line was lost meanwhile) is dropped.
void UploadSequence::after(int ms, std::function<void()> step) {
    m_clock.after(ms, [this, attempt = m_attempt, step = std::move(step)] {
        if (m_running && attempt == m_attempt)
            step();
    });
}

void UploadSequence::endBreak() {
    if (SerialResult error = m_link.setBreak(false)) {
        fail(Outcome::Failed, {std::nullopt, *error});
        return;
    }
    m_progress.showWindow();
    sendPacket(0);
}

void UploadSequence::sendPacket(int k) {
    const char packet[] = {static_cast<char>(m_frame[k]), '\xFF', '\xFF'};
    if (SerialResult error = m_link.write(QByteArray(packet, sizeof packet))) {
        fail(Outcome::Failed, {std::nullopt, *error});
        return;
    }
    const int squares = static_cast<int>(roundHalfEven((k + 1) / 16.0));
    if (squares > m_squaresShown) {
        m_progress.showSquare(squares - 1);
        m_squaresShown = squares;
    }
    m_progress.setPercent(QString::number(roundHalfEven((k + 1) * 100.0 / kFrameSize)) +
                          QLatin1Char('%'));
    if (k + 1 < kFrameSize) {
        // Between packets the event loop repaints the windows.
        after(0, [this, k] { sendPacket(k + 1); });
        return;
    }
    m_link.close();
    after(kAfterCloseMs, [this] { showSent(); });
}

void UploadSequence::showSent() {
    m_progress.showDone();
    after(kDoneShownMs, [this] {
        m_progress.closeWindow();
        finish(Outcome::Sent);
    });
}

void UploadSequence::fail(Outcome outcome, SerialProblem problem) {
    // The port and the progress go first, so nothing is held while the caller tells the
    // problem, and no step still waiting may run from its message's event loop.
    ++m_attempt;
    m_link.close();
    m_progress.closeWindow();
    m_problem = std::move(problem);
    finish(outcome);
}

void UploadSequence::finish(Outcome outcome) {
    m_link.setLineLostHandler({});
    m_running = false;
    emit finished(outcome);
}
