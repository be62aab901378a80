#include "ui/document_owner.h"

#include "language/language_texts.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTimer>
#include <utility>

namespace {

enum class Step { None, Undo, Redo };

Step stepOf(const QKeyEvent& key) {
    const QKeyCombination keys = key.keyCombination();
    if (keys == QKeyCombination(Qt::ControlModifier, Qt::Key_Z))
        return Step::Undo;
    if (keys == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) ||
        keys == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z))
        return Step::Redo;
    return Step::None;
}

// The line edit a widget types into: itself, or an editable list's own field.
QLineEdit* lineEditOf(QWidget* widget) {
    if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit())
        return combo->lineEdit();
    return qobject_cast<QLineEdit*>(widget);
}

// Whether the focused field of `window` holds typing not yet checked: its text is no value
// of the document yet, so no snapshot may take it. The window's own focus child counts:
// it keeps the focus, and takes the keys, also while the window is not the active one
// (without a window manager, after an input box has closed, say).
bool holdsUncheckedTyping(const QWidget* window) {
    const QLineEdit* field = lineEditOf(window->focusWidget());
    return field && field->isUndoAvailable();
}

// Whether the focused field has typing of its own to take back (or bring back).
bool fieldCanStep(QWidget* widget, Step step) {
    if (const QLineEdit* field = lineEditOf(widget))
        return step == Step::Undo ? field->isUndoAvailable() : field->isRedoAvailable();
    if (auto* text = qobject_cast<QPlainTextEdit*>(widget))
        return step == Step::Undo ? text->document()->isUndoAvailable()
                                  : text->document()->isRedoAvailable();
    return false;
}

} // namespace

// A step holds the map before and after its change and puts back only the part it changed.
class HistoryStep : public QUndoCommand {
  public:
    HistoryStep(DocumentOwner& owner, MapDocument before, MapDocument after)
        : m_owner(owner), m_change(DocumentOwner::changeBetween(before, after)),
          m_before(std::move(before)), m_after(std::move(after)) {}
    void undo() override { m_owner.show(m_change, m_before); }
    // The change is already on screen when the step is pushed.
    void redo() override {
        if (!std::exchange(m_pushing, false))
            m_owner.show(m_change, m_after);
    }

  private:
    DocumentOwner& m_owner;
    DocumentOwner::Change m_change;
    MapDocument m_before;
    MapDocument m_after;
    bool m_pushing = true;
};

DocumentOwner::DocumentOwner(QWidget* window, Bridges bridges)
    : QObject(window), m_window(window), m_bridges(std::move(bridges)) {
    qApp->installEventFilter(this);
    // A cell's value may be copied along its row, and an axis or shape change redraws
    // before its neighbours follow: those become a step once the running event is over.
    connect(&m_model, &DocumentModel::cellChanged, this, &DocumentOwner::commitSoon);
    connect(&m_model, &DocumentModel::tableChanged, this, &DocumentOwner::commitSoon);
    connect(&m_model, &DocumentModel::settingsChanged, this, &DocumentOwner::commit);
    connect(&m_model, &DocumentModel::stepComplete, this, &DocumentOwner::commit);
}

void DocumentOwner::restart() {
    m_stack.clear();
    m_shown = document();
}

// While a field holds typing the change waits: its check commits it together with the
// field's value, and undo first runs that check.
void DocumentOwner::commit() {
    if (m_showing || !m_bridges.ready() || holdsUncheckedTyping(m_window))
        return;
    MapDocument now = document();
    if (now == m_shown)
        return;
    m_stack.push(new HistoryStep(*this, std::exchange(m_shown, now), now));
}

DocumentOwner::Change DocumentOwner::changeBetween(const MapDocument& before,
                                                   const MapDocument& after) {
    MapDocument settingsChanged = before;
    settingsChanged.copySettingsFrom(after);
    if (settingsChanged == after)
        return {Change::Kind::Settings};
    for (int r = 0; r < after.rowCount(); ++r)
        for (int c = 0; c < after.columnCount(); ++c)
            if (before.cells[r][c] != after.cells[r][c]) {
                MapDocument cellChanged = before;
                cellChanged.cells[r][c] = after.cells[r][c];
                return {cellChanged == after ? Change::Kind::Cell : Change::Kind::Map, r, c};
            }
    return {};
}

void DocumentOwner::commitSoon() {
    if (std::exchange(m_commitPending, true))
        return;
    QTimer::singleShot(0, this, [this] {
        m_commitPending = false;
        commit();
    });
}

void DocumentOwner::addMenuEntries(QMenu& menu, const LanguageTexts& texts) {
    QAction* first = menu.actions().value(0);
    auto entry = [&](const QList<QKeySequence>& keys, bool undo) {
        auto* action = new QAction(&menu);
        action->setShortcuts(keys);
        // The keys reach the window through the filter below; the entry only shows them.
        action->setShortcutContext(Qt::WidgetShortcut);
        connect(action, &QAction::triggered, this, [this, undo] { step(undo); });
        menu.insertAction(first, action);
        return action;
    };
    QAction* undo = entry({QKeySequence(Qt::CTRL | Qt::Key_Z)}, true);
    QAction* redo =
        entry({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
              false);
    if (first)
        menu.insertSeparator(first);
    connect(&menu, &QMenu::aboutToShow, this, [this, undo, redo, &texts] {
        undo->setText(texts.message(MessageId::UndoCaption));
        redo->setText(texts.message(MessageId::RedoCaption));
        // The menu may open in the same event as the change (a right click that moved the
        // focus off a cell and committed it): that change is the step to undo already.
        commit();
        undo->setEnabled(m_bridges.ready() &&
                         (m_stack.canUndo() || holdsUncheckedTyping(m_window)));
        redo->setEnabled(m_bridges.ready() && m_stack.canRedo());
    });
}

void DocumentOwner::step(bool undo) {
    if (!m_bridges.ready())
        return;
    m_bridges.checkFocusedField();
    commit(); // a change not yet in the history is the step to undo first
    undo ? m_stack.undo() : m_stack.redo();
}

void DocumentOwner::show(Change change, const MapDocument& doc) {
    m_showing = true;
    switch (change.kind) {
    case Change::Kind::Cell:
        m_bridges.showCell(change.row, change.column, doc.cells[change.row][change.column]);
        break;
    case Change::Kind::Settings:
        m_bridges.showSettings(doc);
        break;
    case Change::Kind::Map:
        m_bridges.show(doc);
        break;
    }
    m_showing = false;
    m_shown = document();
}

// The note has no check: leaving it after a change commits the change, and its typing
// is the document's to undo from then on.
void DocumentOwner::onFocusOut(QObject* watched, const QEvent& event) {
    auto* note = qobject_cast<QPlainTextEdit*>(watched);
    const Qt::FocusReason reason = static_cast<const QFocusEvent&>(event).reason();
    if (!note || note->window() != m_window || reason == Qt::PopupFocusReason ||
        reason == Qt::ActiveWindowFocusReason)
        return;
    note->document()->clearUndoRedoStacks();
    commit();
}

bool DocumentOwner::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut)
        onFocusOut(watched, *event);
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    QWidget* focus = m_window->focusWidget();
    if (!widget || widget->window() != m_window || (focus ? widget != focus : widget != m_window))
        return false;
    const Step pressed = stepOf(*static_cast<QKeyEvent*>(event));
    if (pressed == Step::None || fieldCanStep(widget, pressed))
        return false;
    step(pressed == Step::Undo);
    return true;
}
