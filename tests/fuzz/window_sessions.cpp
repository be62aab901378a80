// Plays random user sessions against the real main window and checks after every step what
// must always hold. `window_sessions --seconds N [--sessions N] [--seed S] [--out DIR]` plays
// random sessions; `window_sessions [--trace] --replay FILE|DIR...` plays replay files back.
#include "core/cell_tenths.h"
#include "core/document_ranges.h"
#include "core/number_rules.h"
#include "core/twips.h"
#include "device/frame_build.h"
#include "device/serial_link.h"
#include "editor/breakpoint_checks.h"
#include "editor/cell_value_check.h"
#include "editor/map_max_check.h"
#include "graph/graph2d_model.h"
#include "graph/graph3d_model.h"
#include "graph/graph_panel.h"
#include "settings/field_checks.h"
#include "storage/map_file.h"
#include "tests/support/fake_clock.h"
#include "tests/support/test_window.h"
#include "ui/main_window.h"

#include <QAbstractEventDispatcher>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeySequence>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <random>
#include <unistd.h>

namespace {

constexpr int kSessionSteps = 200;
constexpr int kWatchdogSeconds = 8;
bool g_trace = false;
// For the watchdog: the outermost step under way and the last step begun.
std::atomic<int> g_outerStep{0}, g_step{0};
std::atomic<const char*> g_pendingReplay{nullptr};
int g_timestamp = 0;

// ---- Sessions as they are played and replayed.

struct Random : std::mt19937 {
    using std::mt19937::mt19937;
    int inRange(int low, int high) { return low + int((*this)() % unsigned(high - low + 1)); }
    QString pick(const QStringList& items) { return items.at(inRange(0, int(items.size()) - 1)); }
    QString pick(const char* words) { return pick(QString(words).split(' ')); }
    QString fraction() { return QString::number(inRange(0, 999) / 1000.0); }
};

const char* const kKeys = "0 1 2 3 4 5 6 7 8 9 0 5 . , . , - a x Enter Enter Enter Tab Esc Left "
                          "Right Up Down PgUp PgDn Home End Bksp Bksp Del ^Z ^Y ^C ^V ^E ^R";
// Load, save, send and version come up twice as often as the other buttons.
const char* const kButtons = "Command1 Command2 Command3 Command4 Command1 Command2 Command3 "
                             "Command4 Command5 Command8 Command9 Command10 Picture3 Picture4 "
                             "Option1 Option2 Option3 Option4 Option5 Option6";
// Number lines a hand edit or a damaged disk may leave in a map file, an empty one among them.
const char* const kDamagedLines = "70.0 999 -5 abc  12,5 1e5 65535 0 3 0.4 9.9 20 4,5 -0";

// One user action as the words of its replay line: "click Text3(12) 0.31 0.52" (a point of
// the widget as fractions of its size), "key Enter", "wheel Combo6 0.5 0.5 -1" (notches),
// "choose Combo5 2", "time 300" (clock waits), "fault write 57" (the call that fails), "close".
using Step = QStringList;

double number(const Step& step, int index) {
    return step.value(index).toDouble();
}

// What a dialog was answered, as the words KIND HOLD VALUE of its replay line: "message 0 yes",
// "input 2 12,5" (a modal box that stays open for two further steps), "open 0 damaged:2:77".
using Reply = QStringList;

// A session as it is played and replayed: the locale, whether dialogs are really modal, the
// steps, and the dialogs' answers. Steps never depend on the window's state, so a seed
// always gives the same steps; answers are recorded in a replay, or drawn from the seed.
struct SessionScript {
    quint32 seed = 0;
    QString locale;
    bool modal = false;
    QList<Step> steps;
    QList<Reply> recorded, given;
    Random answerRandom;

    void setSeed(quint32 value) { seed = value, answerRandom.seed(value ^ 0x5eedu); }

    static SessionScript generate(quint32 seed, const QStringList& widgets) {
        Random random(seed);
        SessionScript s;
        s.setSeed(seed);
        s.modal = random() % 2;
        s.locale = random() % 2 ? "hu_HU" : "en_US";
        while (s.steps.size() < kSessionSteps) {
            const int roll = random.inRange(0, 99);
            if (roll < 30) {
                for (int n = random.inRange(1, 4); n > 0; --n)
                    s.steps.append({"key", random.pick(kKeys)});
            } else if (roll < 71 || (roll >= 79 && roll < 85)) {
                const char* verb = roll < 60 ? "click" : roll < 64 ? "press" : "release";
                verb = roll < 68 ? verb : roll < 71 ? "double" : "wheel";
                s.steps.append(
                    {verb, roll >= 50 && roll < 60 ? random.pick(kButtons) : random.pick(widgets),
                     random.fraction(), random.fraction()});
                if (roll >= 79)
                    s.steps.last()
                        << QString::number(random.inRange(1, 3) * (random() % 2 ? 1 : -1));
            } else if (roll < 79) {
                s.steps.append({"choose", random.pick(widgets.filter(QRegularExpression("^Combo"))),
                                QString::number(random.inRange(0, 15))});
            } else if (roll < 95) {
                s.steps.append(
                    {"time", QString::number(std::array{1, 3, 40, 300, 3000}[random() % 5])});
            } else if (roll < 99) {
                s.steps.append({"fault", random.pick("open break-on break-off write"),
                                QString::number(random() % 3 ? 0 : 100)});
            } else {
                s.steps.append({"close"});
            }
        }
        return s;
    }

    static SessionScript read(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            qFatal("Cannot read the replay %s", qPrintable(path));
        SessionScript s;
        for (QTextStream in(&file); !in.atEnd();) {
            const QString line = in.readLine().trimmed();
            const QString verb = line.section(' ', 0, 0), rest = line.section(' ', 1);
            if (verb == "seed")
                s.setSeed(rest.toUInt());
            else if (verb == "locale")
                s.locale = rest;
            else if (verb == "modal")
                s.modal = rest == "1";
            else if (verb == "answer")
                s.recorded.append(rest.split(' '));
            else if (!line.isEmpty() && !line.startsWith('#'))
                s.steps.append(line.split(' ', Qt::SkipEmptyParts));
        }
        return s;
    }

    // The first `played` steps and the answers given so far (before the first step, none:
    // they follow from the seed).
    void write(const QString& path, const QString& why, int played) const {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
            return;
        QTextStream out(&file);
        out << "# " << why << "\nseed " << seed << "\nlocale " << locale << "\nmodal " << int(modal)
            << '\n';
        for (const Step& step : steps.mid(0, played))
            out << step.join(' ') << '\n';
        for (const Reply& answer : given)
            out << "answer " << answer.join(' ') << '\n';
    }

    // The answer to the next dialog of `kind`: the recorded one, or one drawn from the seed
    // once they run out or when the recorded one was for another kind of dialog.
    Reply answer(const QString& kind) {
        const Reply next = recorded.isEmpty() ? Reply() : recorded.takeFirst();
        given.append(next.value(0) == kind ? next : randomAnswer(kind));
        return given.last();
    }

    Reply randomAnswer(const QString& kind) {
        Random& random = answerRandom;
        const int hold = modal && random() % 2 ? random.inRange(1, 3) : 0;
        QString value;
        if (kind == "message") {
            value = random() % 2 ? "yes" : "no";
        } else if (kind == "input") {
            // A value valid for each kind of field (P the decimal point), twice, so that every
            // re-ask loop can end; then the mistakes users make (O the other separator).
            const QString point = QLocale(locale).decimalPoint(),
                          valid = "12P5 30 1P5 4 3000 180 20 2P5 0P5 ";
            QString texts = valid + valid + "2P45 abc 99 0 1O5 -3  12P5P " + QString(40, '9');
            value = random.pick(
                texts.replace('P', point).replace('O', point == "," ? "." : ",").split(' '));
        } else if (kind == "open") {
            const int golden = random.inRange(0, 4);
            value = random.pick("golden golden golden short damaged damaged damaged empty "
                                "missing saved cancel");
            if (value == "golden")
                value += ":" + QString::number(golden);
            else if (value == "short" || value == "damaged")
                value += QStringLiteral(":%1:%2").arg(golden).arg(
                    value == "short" ? random.inRange(1, 380) : random());
        } else {
            value = random.pick("new new new again noext badfolder cancel");
        }
        return {kind, QString::number(hold), value};
    }
};

// ---- Input as the window system delivers it: through the QWindow, so that a modal box
// blocks it exactly as on a desktop.

bool blockedByModal(QWindow* window) {
    QWindow* modal = QGuiApplication::modalWindow();
    while (window && window != modal)
        window = window->transientParent();
    return modal && !window;
}

void mouse(QWindow* window, QPointF at, bool down) {
    // A press on a window that is not active activates it first, as a window manager does.
    auto* widget = QApplication::topLevelAt(window->mapToGlobal(at.toPoint()));
    if (down && !blockedByModal(window) && !QApplication::activePopupWidget() &&
        QApplication::activeWindow() != widget && widget && widget->windowHandle() == window)
        QApplication::setActiveWindow(widget);
    g_timestamp += 10;
    qt_handleMouseEvent(
        window, at, window->mapToGlobal(at), down ? Qt::LeftButton : Qt::NoButton, Qt::LeftButton,
        down ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease, Qt::NoModifier, g_timestamp);
}

void click(QWindow* window, QPointF at) {
    mouse(window, at, true);
    mouse(window, at, false);
}

void key(QWidget& window, const QString& name) {
    // Keys reach the window that has the keyboard; when none has it (a closed progress
    // window left no active window), the window manager has given it back to the main one.
    if (!QGuiApplication::focusWindow() && !blockedByModal(window.windowHandle()) &&
        !QApplication::activePopupWidget())
        QApplication::setActiveWindow(&window);
    QWindow* target =
        QGuiApplication::focusWindow() ? QGuiApplication::focusWindow() : window.windowHandle();
    // The replay names keys as key sequences do, but for Enter (Return), Bksp, PgDn and ^Z
    // (Ctrl+Z).
    QString spelled = name;
    spelled.replace("Enter", "Return").replace("Bksp", "Backspace").replace("PgDn", "PgDown");
    const QKeyCombination key = QKeySequence(spelled.replace('^', "Ctrl+"))[0];
    // The text a keyboard sends with the key: a control character with Ctrl, none with the
    // moving keys.
    const QMap<QString, QString> texts{
        {"Enter", "\r"}, {"Tab", "\t"}, {"Esc", "\x1b"}, {"Bksp", "\b"}, {"Del", "\x7f"}};
    const QString text = key.keyboardModifiers() ? QString(QChar(key.key() - '@'))
                         : key.key() > 0xffff    ? texts.value(name)
                                                 : name;
    qt_handleKeyEvent(target, QEvent::KeyPress, key.key(), key.keyboardModifiers(), text);
    qt_handleKeyEvent(target, QEvent::KeyRelease, key.key(), key.keyboardModifiers(), text);
}

void sendSpontaneous(QWindow* window, QEvent&& event) {
    if (blockedByModal(window))
        return;
    QSpontaneKeyEvent::setSpontaneous(&event);
    QCoreApplication::sendEvent(window, &event);
}

void deliverInput(QWidget& window, const Step& step) {
    QWindow* handle = window.windowHandle();
    const QString verb = step.value(0);
    if (verb == "key")
        return key(window, step.value(1));
    if (verb == "close")
        return sendSpontaneous(handle, QCloseEvent());
    auto* widget = window.findChild<QWidget*>(step.value(1));
    auto* list = qobject_cast<QComboBox*>(widget);
    if (verb == "choose" && list) {
        // Opens the list with a click near its arrow and clicks the item in the popup.
        click(handle, list->mapTo(&window, QPointF(list->width() - 4, list->height() / 2.0)));
        QAbstractItemView* view = list->view();
        if (!view->isVisible() || list->count() == 0)
            return;
        const QModelIndex item =
            list->model()->index(int(number(step, 2)) % list->count(), list->modelColumn());
        view->scrollTo(item);
        click(view->window()->windowHandle(),
              view->viewport()->mapTo(view->window(), view->visualRect(item).center()));
    }
    if (!widget || verb == "choose")
        return;
    QPointF at = widget->mapTo(
        &window, QPointF(number(step, 2) * widget->width(), number(step, 3) * widget->height()));
    at = QPointF(qBound(0.0, at.x(), window.width() - 1.0),
                 qBound(0.0, at.y(), window.height() - 1.0));
    if (verb == "wheel")
        return sendSpontaneous(handle,
                               QWheelEvent(at, handle->mapToGlobal(at), {},
                                           QPoint(0, int(120 * number(step, 4))), Qt::NoButton,
                                           Qt::NoModifier, Qt::NoScrollPhase, false));
    if (verb == "press" || verb == "release")
        return mouse(handle, at, verb == "press");
    if (verb == "double")
        click(handle, at);
    click(handle, at);
    // Far enough apart that the next click is not taken for a double click.
    g_timestamp += 1000;
}

// ---- What must hold whenever the window is at rest.

using Refused = QList<std::pair<QString, QString>>; // the widget (or "load axis") and its text

// The shown values that their fields would refuse, named by widget, unchecked texts among
// them, and the fields and lists that do not show the map's value (unless typed in). (The
// document's own validation names no widgets and leaves texts that are no number to the
// frame's conversion; it judges the frames.)
Refused refusedValues(const MapDocument& doc, const FormState& form, const QWidget& window) {
    Refused found;
    auto shows = [&](const QString& name, const QString& value) {
        const QWidget* widget = findNamed<QWidget>(&window, name);
        const auto* list = qobject_cast<const QComboBox*>(widget);
        const auto* option = qobject_cast<const QRadioButton*>(widget);
        const QString shown = list     ? QString::number(list->currentIndex())
                              : option ? QString::number(option->isChecked())
                                       : static_cast<const QLineEdit*>(widget)->text();
        if (shown != value)
            found.append({name, shown + " for " + value});
        return shown == value;
    };
    // A typed cell must reach 0.5; a map may hold 0.0 (an advance the controller takes).
    for (int r = 0; r < doc.rowCount(); ++r) {
        for (int c = 0; c < doc.columnCount(); ++c) {
            const QString name = QStringLiteral("Text%1(%2)").arg(c + 1).arg(r);
            const QString value = CellTenths::text(doc.cells[r][c], form.decimalSeparator);
            if (shows(name, value) && (doc.cells[r][c] < 0 || doc.cells[r][c] > 635))
                found.append({name, value});
        }
        shows(QStringLiteral("Combo9(%1)").arg(r), QString::number(doc.revCutLevel[r]));
    }
    const std::pair<const char*, QString> settings[] = {
        {"Text14", doc.inputChargeDwell},
        {"Text15", doc.sparkTime},
        {"Text16", doc.chargeTime},
        {"Text17", doc.revLimit},
        {"Text18", doc.mapMaxPressure},
        {"Text19", doc.dwellAngle},
        {"Combo12", QString::number(doc.operationMode)},
        {"Combo4", QString::number(doc.coilControlMode)},
        {"Combo7", QString::number(doc.cylinders)},
        {"Combo3", QString::number(doc.inputPolarity)},
        {"Combo2", QString::number(doc.outputPolarity)},
        {"Combo10", QString::number(doc.chargeCorrectionIntervals)},
        {"Combo11", QString::number(doc.transparentIntervals)},
        {"Combo5", QString::number(doc.loadUnit)},
        {"Option1", QString::number(doc.loadInputUsed)}};
    for (const auto& [name, value] : settings)
        shows(name, value);
    const FieldContext context{doc.cylinderCount(), doc.operationMode == 1, form.decimalSeparator,
                               form.otherSeparator};
    // Only the fields the controller gets in the chosen modes.
    const bool timed = doc.operationMode != 1 && doc.coilControlMode == 0;
    const std::tuple<bool, SettingsField, const char*, QString> fields[] = {
        {doc.operationMode != 1 && doc.inputDwellMode, SettingsField::InputChargeDwell, "Text14",
         doc.inputChargeDwell},
        {timed, SettingsField::SparkTime, "Text15", doc.sparkTime},
        {timed, SettingsField::ChargeTime, "Text16", doc.chargeTime},
        {!timed, SettingsField::DwellAngle, "Text19", doc.dwellAngle},
        {!doc.revLimit.isEmpty(), SettingsField::RevLimit, "Text17", doc.revLimit}};
    for (const auto& [sent, field, name, text] : fields)
        if (sent && !checkSettingsField(field, text, context).ok())
            found.append({QLatin1String(name), text});
    if (doc.loadUnit == 2 && MapMaxCheck::firstFailure(doc.mapMaxPressure, form))
        found.append({QStringLiteral("Text18"), doc.mapMaxPressure});
    if (doc.resolution != 0) {
        QStringList volts;
        for (int i = 1; i <= doc.columnCount(); ++i)
            volts.append(formatFixed(doc.loadBreakpoints[i], 2, form.decimalSeparator));
        if (BreakpointChecks::checkVolts(volts, form).failure)
            found.append({QStringLiteral("load axis"), volts.join(' ')});
    }
    return found;
}

// The first value where the file's document differs from the shown one, or the empty
// text; texts that read as the same number count as the same value ("5" and "5.0").
QString firstDifference(MapDocument shown, MapDocument file, const QString& separator) {
    if (shown.resolution != file.resolution)
        return QStringLiteral("resolution");
    for (int r = 0; r < shown.rowCount(); ++r)
        for (int c = 0; c < shown.columnCount(); ++c)
            if (shown.cells[r][c] != file.cells[r][c])
                return QStringLiteral("cell %1,%2 %3 / %4")
                    .arg(r)
                    .arg(c)
                    .arg(shown.cells[r][c])
                    .arg(file.cells[r][c]);
    // A document's texts, each with the name of its place.
    using Place = std::pair<QString, QString*>;
    auto texts = [](MapDocument& d) {
        return QList<Place>{{"Text15", &d.sparkTime},  {"Text16", &d.chargeTime},
                            {"Text19", &d.dwellAngle}, {"Text14", &d.inputChargeDwell},
                            {"Text17", &d.revLimit},   {"Text18", &d.mapMaxPressure},
                            {"Text13", &d.note}};
    };
    const QList<Place> a = texts(shown), b = texts(file);
    for (int i = 0; i < a.size(); ++i) {
        const auto x = textToDouble(*a[i].second, separator),
                   y = textToDouble(*b[i].second, separator);
        if (*a[i].second != *b[i].second && !(x && y && *x == *y))
            return QStringLiteral("%1 \"%2\" / \"%3\"").arg(a[i].first, *a[i].second, *b[i].second);
        *b[i].second = *a[i].second;
    }
    return shown == file ? QString() : QStringLiteral("axes, lists or options");
}

// ---- One session: the window, the steps, and the checks at every rest. The player is the
// window's dialogs and serial link as well.
class SessionPlayer : public QObject, public ScriptedDialogs, public SerialLink {
  public:
    SessionPlayer(SessionScript& script, const QString& folder)
        : m_script(script), m_folder(folder) {
        setRealBoxes(script.modal);
        QLocale::setDefault(QLocale(script.locale));
        m_window = std::make_unique<MainWindow>(*this, m_folder.filePath("kelvor-310.ini"), *this,
                                                m_clock);
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
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
                if (failure.isEmpty() && !known.contains(f.section(':', 0, 0)))
                    failure = f;
        }
        stepsPlayed = m_next;
        if (failure.isEmpty() && m_window->isVisible() && !known.contains("close"))
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
            deliverInput(*m_window, {"close"});
            QCoreApplication::processEvents();
        }
        return m_window->isVisible() ? "close: the window is still open after three close requests"
                                     : QString();
    }

    void playOne() {
        const Step step = m_script.steps.at(m_next++);
        g_step = m_next;
        if (m_depth++ == 0)
            g_outerStep = m_next;
        if (g_trace)
            std::fprintf(stderr, "%d %s\n", m_next, qPrintable(step.join(' ')));
        alarm(kWatchdogSeconds);
        if (step.value(0) == "fault")
            m_failOp = step.value(1), m_failAt = int(number(step, 2));
        else if (step.value(0) != "time")
            deliverInput(*m_window, step);
        for (int i = 0; step.value(0) == "time" && i < number(step, 1) && m_clock.step(); ++i) {
        }
        --m_depth;
        alarm(kWatchdogSeconds);
    }
    // A step that waits in an event loop of its own (not a dialog's) gets the user's next
    // steps there, as a desktop delivers them, and the session's end once they run out.
    void stepInsideWait() {
        if (m_depth <= m_boxDepth || m_posted || !m_window->isVisible() || m_ended)
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

    // The dialogs: answered from the session's answers, with a real modal box in modal
    // sessions, open for the answer's number of steps, which run inside it.
    Answer message(const QString& text, const QString& title, Buttons buttons, Icon icon,
                   Answer def) override {
        ++m_messages;
        const QString value = next("message", text);
        answerMessage(value == "yes" ? Answer::Yes : value == "no" ? Answer::No : Answer::Ok);
        return box<Answer>(
            [&] { return ScriptedDialogs::message(text, title, buttons, icon, def); });
    }
    QString input(const QString& prompt, const QString& title) override {
        answerInput(next("input", prompt));
        return box<QString>([&] { return ScriptedDialogs::input(prompt, title); });
    }
    QString openFile(const QString& title, const QString& filter) override {
        m_openedPath = openPath(next("open").split(':'));
        m_messages = 0;
        answerOpenFile(m_openedPath);
        return box<QString>([&] { return ScriptedDialogs::openFile(title, filter); });
    }
    QString saveFile(const QString& title, const QString& filter) override {
        const QString choice = next("save");
        QString path;
        if (choice == "again" && !m_lastSaved.isEmpty())
            path = m_lastSaved;
        else if (choice == "new" || choice == "again" || choice == "noext")
            path = m_folder.filePath(
                QString(choice == "noext" ? "noext-%1" : "save-%1.klv").arg(++m_saves));
        else if (choice == "badfolder")
            path = m_folder.filePath("none/map.klv");
        // A name without extension gets the map file's own, as the window gives it.
        m_savedPath = path.isEmpty() || !QFileInfo(path).suffix().isEmpty() ? path : path + ".klv";
        m_lastSaved = path.isEmpty() ? m_lastSaved : m_savedPath;
        m_savedBefore = path.isEmpty() ? QByteArray() : contents(m_savedPath);
        answerSaveFile(path);
        return box<QString>([&] { return ScriptedDialogs::saveFile(title, filter); });
    }
    QString next(const char* kind, const QString& shown = {}) {
        const Reply answer = m_script.answer(QLatin1String(kind));
        if (g_trace && !shown.isNull())
            std::fprintf(stderr, "    %s: %s\n", kind, qPrintable(shown));
        if (g_trace)
            std::fprintf(stderr, "    %s answered %s\n", kind, qPrintable(answer.value(2)));
        m_holdNext = answer.value(1).toInt();
        return answer.value(2);
    }
    template <class R> R box(const std::function<R()>& open) {
        if (m_script.modal)
            whileOpen([this, hold = m_holdNext] {
                for (int i = 0; i < hold && m_next < m_script.steps.size(); ++i)
                    playOne();
            });
        ++m_boxDepth;
        QWidget* active = QApplication::activeWindow();
        const R result = open();
        // The window manager gives the activation back to the window the box came from.
        if (active && active->isVisible() && QApplication::activeWindow() != active)
            QApplication::setActiveWindow(active);
        --m_boxDepth;
        return result;
    }
    // Files made on demand in the session's folder from "golden:I", "short:I:LINES",
    // "damaged:I:SEED", "empty", "missing", "saved" or "cancel".
    QString openPath(const QStringList& choice) {
        const QString& kind = choice[0];
        const QDir folder(KELVOR_SOURCE_DIR "/tests/storage/golden");
        const QString golden = folder.filePath(
            folder.entryList({"*.klv"}, QDir::Files, QDir::Name).value(choice.value(1).toInt()));
        if (kind == "missing" || (kind == "saved" && m_lastSaved.isEmpty()))
            return m_folder.filePath("missing.klv");
        if (kind == "saved" || kind == "golden")
            return kind == "saved" ? m_lastSaved : golden;
        if (kind != "short" && kind != "damaged" && kind != "empty")
            return {};
        QList<QByteArray> lines = contents(golden).split('\n');
        if (kind == "short")
            lines = lines.mid(0, choice.value(2).toInt());
        Random random(choice.value(2).toUInt());
        for (int n = random.inRange(1, 4); kind == "damaged" && n > 0 && lines.size() > 2; --n) {
            const int at = random.inRange(0, int(lines.size()) - 2), how = int(random() % 4);
            if (how == 0)
                lines[at] = random.pick(kDamagedLines).toLatin1() + '\r';
            else if (how == 1)
                lines.removeAt(at);
            else if (how == 2)
                lines.insert(at, lines[at]);
            else
                lines[at] = lines[at].left(int(random() % 3));
        }
        QFile file(m_folder.filePath(kind + ".klv"));
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(kind == "empty" ? QByteArray() : lines.join('\n'));
        return file.fileName();
    }

    // The serial link: records the frame bytes of the transfer under way and fails the call
    // the session armed.
    void configure(const QString&, const LineSettings&) override {
        m_frame.clear(), m_counts.clear(), m_checkedFrameBytes = 0;
        m_sentFrom = m_window->document();
    }
    SerialResult open() override { return call("open"); }
    SerialResult setBreak(bool on) override { return call(on ? "break-on" : "break-off"); }
    SerialResult write(const QByteArray& bytes) override {
        const SerialResult error = call("write");
        if (!error)
            m_frame.append(bytes.left(1));
        return error;
    }
    void close() override {}
    SerialResult call(const QString& op) {
        if (op != m_failOp || m_counts[op]++ != m_failAt)
            return std::nullopt;
        m_failOp.clear();
        return SerialError{op == "open" ? kPortMissingError : 8105, QStringLiteral("line fault")};
    }

    // The failures found at a rest, as "kind: details".
    QStringList checkAtRest() {
        QStringList failures;
        const Refused refused =
            refusedValues(m_window->document(), m_window->formState(), *m_window);
        // A load (the window then names the file) of values out of range reports them.
        if (!m_openedPath.isEmpty() && m_window->windowTitle().endsWith("  " + m_openedPath)) {
            m_loadedOutOfRange = refused;
            // The MAP maximum only labels the headers: the controller never gets it, so the
            // load's message, which names what the controller cannot take, leaves it out.
            const auto reported = std::find_if(refused.begin(), refused.end(), [](const auto& r) {
                return r.first != QLatin1String("Text18");
            });
            if (reported != refused.end() && m_messages == 0)
                failures += QStringLiteral("load-unreported: %1 loaded as \"%2\" without a message")
                                .arg(reported->first, reported->second);
        }
        m_openedPath.clear();
        // Every shown value passes its checks, is being typed in the focused field, or came
        // out of range from a file whose load said so, maybe copied along its row since
        // (the load input turned off copies the last column's values).
        const auto loaded = [this](const QString& field, const QString& value) {
            const QString row = field.mid(field.indexOf('('));
            return std::any_of(
                m_loadedOutOfRange.begin(), m_loadedOutOfRange.end(), [&](const auto& r) {
                    return r == std::pair{field, value} ||
                           (field.contains('(') && r.second == value && r.first.endsWith(row));
                });
        };
        const QWidget* focus = m_window->focusWidget();
        const QString typing = focus ? focus->objectName() : QString();
        const bool visible = m_window->isVisible(), ready = m_window->formState().documentReady;
        if (visible && !ready)
            failures += "ready: the window was left in its not-ready state";
        for (const auto& [field, value] : refused)
            if (visible && ready && field != typing && !loaded(field, value)) {
                failures += QStringLiteral("shown-%1: %2 shows \"%3\" (focus: %4)")
                                .arg(field.contains('(') ? "cell" : QString(field).remove(' '),
                                     field, value, typing);
                break;
            }
        const QString saved = std::exchange(m_savedPath, {});
        if (QFile::exists(saved) && contents(saved) != m_savedBefore)
            failures += savedFile(saved);
        if (visible && ready)
            failures += staleChart();
        if (m_frame.size() != std::exchange(m_checkedFrameBytes, m_frame.size()))
            failures += sentFrame();
        failures.removeAll(QString());
        return failures;
    }
    // The view shown is the one the map draws: no change or step leaves it behind. (A cell
    // edit colours the 3D frame's last row otherwise than a redraw does, by design.)
    QString staleChart() const {
        const GraphPanel& graphs = m_window->graphs();
        const bool threeD = graphs.shows3D();
        Graph2DModel chart;
        Graph3DModel frame;
        frame.setTurn(graphs.model3D().turn());
        threeD ? frame.DrawGraph3D(m_window->document())
               : chart.DrawGraph2D(m_window->document(), m_window->formState().decimalSeparator);
        const auto shown = threeD ? graphs.model3D().lines() : graphs.model2D().lines();
        const auto drawn = threeD ? frame.lines() : chart.lines();
        for (qsizetype i = 0; i < drawn.size(); ++i)
            if (shown[i]->visible != drawn[i]->visible ||
                (drawn[i]->visible &&
                 (shown[i]->p1 != drawn[i]->p1 || shown[i]->p2 != drawn[i]->p2 ||
                  (!threeD && shown[i]->colour != drawn[i]->colour))))
                return QStringLiteral("chart: line %1 is not the map's").arg(i);
        return {};
    }
    // The file the window wrote reads back to the document it shows.
    QString savedFile(const QString& path) const {
        const QString separator = m_window->formState().decimalSeparator;
        // The window's own document is the base a load starts from: what the file does not
        // hold in the chosen modes stays as shown.
        MapDocument shown = m_window->document();
        const Outcome<MapDocument> read = loadMapFile(path, shown, separator);
        // Map files cannot hold empty lines before the note's first text; readers drop them.
        while (shown.note.startsWith("\r\n"))
            shown.note.remove(0, 2);
        if (!read.ok())
            return "save-unreadable: the saved file is refused: " + read.reason();
        const QString difference = firstDifference(shown, read.value(), separator);
        if (difference.isEmpty())
            return {};
        return "save-differs: the saved file reads back otherwise (" + difference + ")";
    }
    // A frame goes out only from values that pass the document's validation, and is the
    // frame of those values.
    QString sentFrame() const {
        const QString separator = m_window->formState().decimalSeparator;
        if (const auto failure = firstValueOutOfRange(m_sentFrom, separator))
            return "frame-out-of-range: sent although " + m_window->texts().message(*failure);
        const FrameBuild build = buildFrame(m_sentFrom, separator);
        for (int i = 0; i < m_frame.size() && i < int(build.frame.size()); ++i)
            if (quint8(m_frame[i]) != build.frame[size_t(i)] || build.conversionError)
                return QStringLiteral("frame-differs: byte %1 sent as %2")
                    .arg(QString::number(i), QString::number(quint8(m_frame[i])));
        return {};
    }

    SessionScript& m_script;
    QDir m_folder;
    QString m_openedPath, m_savedPath, m_lastSaved, m_failOp;
    QByteArray m_savedBefore, m_frame;
    int m_messages = 0, m_boxDepth = 0, m_holdNext = 0, m_saves = 0, m_failAt = 0;
    QMap<QString, int> m_counts;
    FakeClock m_clock;
    MapDocument m_sentFrom;
    std::unique_ptr<MainWindow> m_window;
    Refused m_loadedOutOfRange;
    int m_next = 0, m_depth = 0;
    bool m_posted = false, m_ended = false;
    qsizetype m_checkedFrameBytes = 0;
};

// The names of every widget of the window.
QStringList windowWidgets() {
    ScriptedDialogs dialogs;
    QTemporaryDir dir;
    MainWindow window(dialogs, dir.filePath("kelvor-310.ini"));
    QStringList widgets;
    for (const QWidget* w : window.findChildren<QWidget*>(QRegularExpression("^(?!qt_).")))
        widgets.append(w->objectName());
    widgets.sort();
    return widgets;
}

// Takes the home page link, which opens no browser here.
class UrlSink : public QObject {
    Q_OBJECT
  public slots:
    void open(const QUrl&) {}
};

// Names the step that stopped returning and ends the process; the replay of the whole
// session was written before it started.
void onHang(int) {
    std::fprintf(
        stderr,
        "window session hangs: step %d (last begun %d) did not return within %d s; replay: %s\n",
        g_outerStep.load(), g_step.load(), kWatchdogSeconds, g_pendingReplay.load());
    _exit(3);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The offscreen platform warns at every popup that it cannot grab the keyboard.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtWarningMsg || !text.startsWith("This plugin does not support"))
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    QApplication::setQuitOnLastWindowClosed(false);
    Twips::setLogicalDpi(96);
    QMap<QString, QString> option{{"--seconds", "60"},
                                  {"--sessions", "-1"},
                                  {"--out", "."},
                                  {"--seed", QString::number(QDateTime::currentMSecsSinceEpoch())}};
    QStringList replays; // the files named after --replay, and the *.txt of folders named there
    bool replaying = false;
    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        const QDir folder(args[i]);
        if (args[i] == "--trace")
            g_trace = true;
        else if (args[i] == "--replay")
            replaying = true;
        else if (!replaying)
            option[args[i]] = args.value(i + 1), ++i;
        else if (!QFileInfo(args[i]).isDir())
            replays += args[i];
        else
            for (const QString& name : folder.entryList({"*.txt"}, QDir::Files, QDir::Name))
                replays += folder.filePath(name);
    }
    UrlSink sink;
    QDesktopServices::setUrlHandler("https", &sink, "open");
    std::signal(SIGALRM, onHang);
    alarm(kWatchdogSeconds);
    // Random sessions keep a replay of each kind of failure found first in the run, and a
    // replay of the session under way until it ends.
    const bool generating = replays.isEmpty();
    const QStringList widgets = generating ? windowWidgets() : QStringList();
    const QString out = generating ? option["--out"] : QString();
    const QString pending = QDir(out).filePath("unfinished-session.txt");
    quint32 seed = quint32(option["--seed"].toULongLong());
    QSet<QString> seen;
    int failed = 0, steps = 0, sessions = 0;
    QElapsedTimer clock;
    clock.start();
    for (; generating ? clock.elapsed() < option["--seconds"].toLongLong() * 1000 &&
                            sessions != option["--sessions"].toInt()
                      : sessions < replays.size();
         ++seed, ++sessions) {
        SessionScript script = generating ? SessionScript::generate(seed, widgets)
                                          : SessionScript::read(replays[sessions]);
        const QByteArray name = (generating ? pending : replays[sessions]).toLocal8Bit();
        g_pendingReplay = name.constData();
        if (generating)
            script.write(pending, "the session running when the run stopped", kSessionSteps);
        QTemporaryDir dir;
        int played = 0;
        const QString failure = SessionPlayer(script, dir.path()).play(seen, played);
        steps += played;
        if (failure.isEmpty())
            continue;
        ++failed;
        const QString kind = failure.section(':', 0, 0),
                      path = QDir(out).filePath(
                          QStringLiteral("%1-%2.txt").arg(kind).arg(script.seed));
        std::fprintf(stderr, "window session seed %u failed at step %d: %s\n%s: %s\n", script.seed,
                     played, qPrintable(failure), generating ? "replay" : "replay failed",
                     qPrintable(generating ? path : replays[sessions]));
        if (generating)
            script.write(path, failure, played), seen.insert(kind);
    }
    if (generating)
        QFile::remove(pending);
    QDesktopServices::unsetUrlHandler("https");
    // The processor time too: on a shared machine the wall time depends on the others.
    const double cpu = std::max(1e-3, double(std::clock()) / CLOCKS_PER_SEC);
    const double wall = std::max<qint64>(1, clock.elapsed()) / 1000.0;
    std::printf("window sessions: %d sessions, %d steps in %.1f s (%.0f steps/s, %.0f steps per "
                "CPU second), %d failed\n",
                sessions, steps, wall, steps / wall, steps / cpu, failed);
    return failed ? 1 : 0;
}

#include "window_sessions.moc"
