// Plays random user sessions against the real main window and checks after every step what
// must always hold. `window_sessions --seconds N [--sessions N] [--seed S] [--out DIR]` plays
// random sessions; `window_sessions [--trace] --replay FILE|DIR...` plays replay files back.
#include "tests/fuzz/session_input.h"
#include "tests/fuzz/session_invariants.h"
#include "tests/fuzz/session_script.h"

#include "core/twips.h"
#include "device/serial_link.h"
#include "tests/support/fake_clock.h"
#include "tests/support/modal_dialogs.h"
#include "ui/main_window.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <atomic>
#include <cstdio>
#include <ctime>
#include <thread>
#include <unistd.h>

namespace {

constexpr int kWatchdogSeconds = 8;
bool g_trace = false;
std::atomic<int> g_progress{0};
std::atomic<int> g_step{0};
std::atomic<int> g_outerStep{0};
std::atomic<const char*> g_pendingReplay{nullptr};

// A link that records the frame bytes of the transfer under way and fails the call
// the session armed.
class SessionLink : public SerialLink {
  public:
    std::function<void()> onConfigure;
    QByteArray frame;
    void arm(const QString& op, int occurrence) { m_failOp = op, m_failAt = occurrence; }
    void configure(const QString&, const LineSettings&) override {
        frame.clear();
        m_counts.clear();
        onConfigure();
    }
    SerialResult open() override { return call(QStringLiteral("open")); }
    SerialResult setBreak(bool on) override { return call(on ? "break-on" : "break-off"); }
    SerialResult write(const QByteArray& bytes) override {
        SerialResult error = call(QStringLiteral("write"));
        if (!error)
            frame.append(bytes.left(1));
        return error;
    }
    void close() override {}

  private:
    SerialResult call(const QString& op) {
        if (op != m_failOp || m_counts[op]++ != m_failAt)
            return std::nullopt;
        m_failOp.clear();
        return SerialError{op == QLatin1String("open") ? kPortMissingError : 8105,
                           QStringLiteral("line fault")};
    }
    QString m_failOp;
    int m_failAt = 0;
    QMap<QString, int> m_counts;
};

// Answers every dialog from the session's answers, with a real modal box in modal sessions;
// the box stays open for the answer's number of steps, which run inside it.
class SessionDialogs : public ModalDialogs {
  public:
    SessionDialogs(SessionScript& script, SessionFiles& files, std::function<void(int)> hold)
        : m_script(script), m_files(files), m_hold(std::move(hold)) {
        setRealBoxes(script.modal);
    }
    int messages = 0;
    int boxDepth = 0;
    QString openedPath, savedPath;
    QByteArray savedBefore;

    Answer message(const QString& text, const QString& title, Buttons buttons, Icon icon,
                   Answer def) override {
        ++messages;
        if (g_trace)
            std::fprintf(stderr, "    message: %s\n", qPrintable(text));
        const QString value = next("message");
        answerMessage(value == "yes" ? Answer::Yes : value == "no" ? Answer::No : Answer::Ok);
        return box<Answer>([&] { return ModalDialogs::message(text, title, buttons, icon, def); });
    }
    QString input(const QString& prompt, const QString& title) override {
        if (g_trace)
            std::fprintf(stderr, "    input: %s\n", qPrintable(prompt));
        answerInput(next("input"));
        return box<QString>([&] { return ModalDialogs::input(prompt, title); });
    }
    QString openFile(const QString& title, const QString& filter) override {
        openedPath = m_files.openPath(next("open"));
        messages = 0;
        answerOpenFile(openedPath);
        return box<QString>([&] { return ModalDialogs::openFile(title, filter); });
    }
    QString saveFile(const QString& title, const QString& filter) override {
        savedPath = m_files.savePath(next("save"));
        QFile before(SessionFiles::withSuffix(savedPath));
        savedBefore = before.open(QIODevice::ReadOnly) ? before.readAll() : QByteArray();
        answerSaveFile(savedPath);
        return box<QString>([&] { return ModalDialogs::saveFile(title, filter); });
    }

  private:
    QString next(const char* kind) {
        const SessionAnswer answer = m_script.answer(QLatin1String(kind));
        if (g_trace)
            std::fprintf(stderr, "    %s answered %s\n", kind, qPrintable(answer.value));
        m_holdNext = answer.hold;
        return answer.value;
    }
    template <class R> R box(const std::function<R()>& open) {
        if (m_script.modal)
            whileOpen([this, hold = m_holdNext] { m_hold(hold); });
        ++boxDepth;
        QWidget* active = QApplication::activeWindow();
        const R result = open();
        // The window manager gives the activation back to the window the box came from.
        if (active && active->isVisible() && QApplication::activeWindow() != active)
            QApplication::setActiveWindow(active);
        --boxDepth;
        return result;
    }

    SessionScript& m_script;
    SessionFiles& m_files;
    std::function<void(int)> m_hold;
    int m_holdNext = 0;
};

class UrlSink : public QObject {
    Q_OBJECT
  public slots:
    void open(const QUrl&) {}
};

// One session: the window, its doubles, the steps and the checks at every rest.
class SessionPlayer : public QObject {
  public:
    SessionPlayer(SessionScript& script, SessionFiles& files, const QString& settingsPath)
        : m_script(script), m_dialogs(script, files, [this](int n) { holdSteps(n); }) {
        m_link.onConfigure = [this] {
            m_sentFrom = m_window->collectDocument();
            m_checkedFrameBytes = 0;
        };
        QLocale::setDefault(QLocale(script.locale));
        m_window = std::make_unique<MainWindow>(m_dialogs, settingsPath, m_link, m_clock);
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        m_check = std::make_unique<SessionInvariants>(*m_window);
        connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
                &SessionPlayer::stepInsideWait);
    }

    // Plays the steps, checking at every rest; stops at the first failure not in `known`.
    QString play(const QSet<QString>& known, int& stepsPlayed) {
        QString failure;
        while (failure.isEmpty() && m_next < m_script.steps.size() && m_window->isVisible()) {
            playOne();
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            for (const QString& f : checkAtRest())
                if (failure.isEmpty() && !known.contains(f.section(QLatin1Char(':'), 0, 0)))
                    failure = f;
        }
        stepsPlayed = m_next;
        if (failure.isEmpty() && m_window->isVisible() && !known.contains(QStringLiteral("close")))
            failure = endSession();
        return failure;
    }

  private:
    // However the session went, it ends with the transfers done and a close request, and
    // then the window must be gone.
    QString endSession() {
        m_ended = true;
        for (int attempt = 0; attempt < 3 && m_window->isVisible(); ++attempt) {
            m_clock.run();
            deliverInput(*m_window, {{QStringLiteral("close")}});
            QCoreApplication::processEvents();
        }
        if (!m_window->isVisible())
            return {};
        return QStringLiteral("close: the window is still open after three close requests");
    }

    void playOne() {
        const SessionStep step = m_script.steps.at(m_next++);
        g_step = m_next;
        if (m_depth == 0)
            g_outerStep = m_next;
        if (g_trace)
            std::fprintf(stderr, "%d %s\n", m_next, qPrintable(step.words.join(QLatin1Char(' '))));
        ++g_progress;
        ++m_depth;
        perform(step);
        --m_depth;
        ++g_progress;
    }
    void holdSteps(int count) {
        for (int i = 0; i < count && m_next < m_script.steps.size(); ++i)
            playOne();
    }
    // A step that waits in an event loop of its own (not a dialog's) gets the user's next
    // steps there, as a desktop delivers them, and the session's end once they run out.
    void stepInsideWait() {
        if (m_depth <= m_dialogs.boxDepth || m_posted || !m_window->isVisible() || m_ended)
            return;
        m_posted = true;
        QTimer::singleShot(0, this, [this] {
            m_posted = false;
            if (m_next < m_script.steps.size())
                playOne();
            else
                endSession();
        });
    }

    void perform(const SessionStep& step) {
        if (step.verb() == QLatin1String("time")) {
            for (int i = 0; i < step.number(1) && m_clock.step(); ++i) {
            }
        } else if (step.verb() == QLatin1String("fault")) {
            m_link.arm(step.target(), int(step.number(2)));
        } else {
            deliverInput(*m_window, step);
        }
    }

    QStringList checkAtRest() {
        QStringList failures;
        if (!m_dialogs.openedPath.isEmpty()) {
            failures += m_check->afterLoad(m_dialogs.openedPath, m_dialogs.messages > 0);
            m_dialogs.openedPath.clear();
        }
        failures += m_check->shownValues();
        if (!m_dialogs.savedPath.isEmpty()) {
            QFile file(SessionFiles::withSuffix(m_dialogs.savedPath));
            if (file.open(QIODevice::ReadOnly) && file.readAll() != m_dialogs.savedBefore)
                failures += m_check->savedFile(file.fileName());
            m_dialogs.savedPath.clear();
        }
        if (m_link.frame.size() != m_checkedFrameBytes) {
            m_checkedFrameBytes = m_link.frame.size();
            failures += m_check->sentFrame(m_sentFrom, m_link.frame);
        }
        failures.removeAll(QString());
        return failures;
    }

    SessionScript& m_script;
    SessionDialogs m_dialogs;
    FakeClock m_clock;
    SessionLink m_link;
    MapDocument m_sentFrom;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<SessionInvariants> m_check;
    int m_next = 0;
    int m_depth = 0;
    bool m_posted = false;
    bool m_ended = false;
    qsizetype m_checkedFrameBytes = 0;
};

struct RunOptions {
    qint64 seconds = 60;
    int sessions = -1;
    quint32 seed = 0;
    QString out = QStringLiteral(".");
    QStringList replays;
};

// The names of every widget of the window, and of its lists.
std::pair<QStringList, QStringList> windowLayout() {
    ScriptedDialogs dialogs;
    QTemporaryDir dir;
    MainWindow window(dialogs, dir.filePath(QStringLiteral("kelvor-310.ini")));
    QStringList widgets, lists;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        widgets.append(w->objectName());
        if (qobject_cast<const QComboBox*>(w))
            lists.append(w->objectName());
    }
    widgets.sort();
    lists.sort();
    return {widgets, lists};
}

// Names the step that stopped returning and ends the process; the replay of the whole
// session was written before it started.
void startWatchdog() {
    std::thread([] {
        int last = -1, still = 0;
        for (;;) {
            std::this_thread::sleep_for(std::chrono::milliseconds(250));
            const int now = g_progress;
            still = now == last ? still + 1 : 0;
            last = now;
            if (still > kWatchdogSeconds * 4) {
                std::fprintf(stderr,
                             "window session hangs: step %d did not return within %d s (the "
                             "last step started was %d); replay: %s\n",
                             g_outerStep.load(), kWatchdogSeconds, g_step.load(),
                             g_pendingReplay.load());
                _exit(3);
            }
        }
    }).detach();
}

// Plays one script; prints and keeps a replay of a failure not seen before in this run.
bool playScript(SessionScript& script, const QString& out, QSet<QString>& seenKinds, int& steps) {
    QTemporaryDir dir;
    SessionFiles files(dir.path(), QStringLiteral(KELVOR_SOURCE_DIR "/tests/storage/golden"));
    QString failure;
    int played = 0;
    {
        SessionPlayer player(script, files, dir.filePath(QStringLiteral("kelvor-310.ini")));
        failure = player.play(seenKinds, played);
    }
    steps += played;
    if (failure.isEmpty())
        return true;
    const QString kind = failure.section(QLatin1Char(':'), 0, 0);
    seenKinds.insert(kind);
    if (out.isEmpty()) {
        std::fprintf(stderr, "failed at step %d: %s\n", played, qPrintable(failure));
    } else {
        const QString path =
            QDir(out).filePath(QStringLiteral("%1-%2.txt").arg(kind).arg(script.seed));
        script.write(path, failure, played);
        std::fprintf(stderr, "window session seed %u failed at step %d: %s\nreplay: %s\n",
                     script.seed, played, qPrintable(failure), qPrintable(path));
    }
    return false;
}

int run(const RunOptions& options) {
    UrlSink sink;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &sink, "open");
    startWatchdog();
    QSet<QString> seen;
    int failed = 0, steps = 0, sessions = 0;
    QElapsedTimer clock;
    clock.start();
    if (!options.replays.isEmpty()) {
        for (const QString& path : options.replays) {
            SessionScript script = SessionScript::read(path);
            const QByteArray name = path.toLocal8Bit();
            g_pendingReplay = name.constData();
            QSet<QString> none;
            if (!playScript(script, {}, none, steps))
                std::fprintf(stderr, "replay failed: %s\n", name.constData()), ++failed;
            ++sessions;
        }
    } else {
        const auto [widgets, lists] = windowLayout();
        const QString pending =
            QDir(options.out).filePath(QStringLiteral("unfinished-session.txt"));
        const QByteArray pendingName = pending.toLocal8Bit();
        g_pendingReplay = pendingName.constData();
        for (quint32 seed = options.seed;
             clock.elapsed() < options.seconds * 1000 && sessions != options.sessions; ++seed) {
            SessionScript script = SessionScript::generate(seed, widgets, lists);
            script.write(pending, QStringLiteral("the session running when the run stopped"), -1);
            failed += playScript(script, options.out, seen, steps) ? 0 : 1;
            ++sessions;
        }
        QFile::remove(pending);
    }
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    // The processor time too: on a shared machine the wall time depends on the others.
    const double cpu = std::max(1e-3, double(std::clock()) / CLOCKS_PER_SEC);
    const double wall = std::max<qint64>(1, clock.elapsed()) / 1000.0;
    std::printf("window sessions: %d sessions, %d steps in %.1f s (%.0f steps/s, %.0f steps per "
                "CPU second), %d failed\n",
                sessions, steps, wall, steps / wall, steps / cpu, failed);
    return failed ? 1 : 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The offscreen platform warns at every popup that it cannot grab the keyboard.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtWarningMsg || !text.startsWith(QLatin1String("This plugin does not support")))
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    QApplication::setQuitOnLastWindowClosed(false);
    Twips::setLogicalDpi(96);
    RunOptions options;
    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        const QString value = args.value(i + 1);
        if (args[i] == QLatin1String("--seconds"))
            options.seconds = value.toLongLong(), ++i;
        else if (args[i] == QLatin1String("--sessions"))
            options.sessions = value.toInt(), ++i;
        else if (args[i] == QLatin1String("--seed"))
            options.seed = value.toUInt(), ++i;
        else if (args[i] == QLatin1String("--out"))
            options.out = value, ++i;
        else if (args[i] == QLatin1String("--trace"))
            g_trace = true;
        else if (args[i] == QLatin1String("--replay"))
            for (++i; i < args.size(); ++i)
                options.replays += SessionScript::replayFiles(args[i]);
    }
    if (options.seed == 0)
        options.seed = quint32(QDateTime::currentMSecsSinceEpoch());
    return run(options);
}

#include "window_sessions.moc"
