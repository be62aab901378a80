#include "editor/block_editor.h"

#include "core/decimal_format.h"
#include "editor/cell_editor.h"
#include "editor/cell_value_check.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>

using BlockOperations::Direction;
using Kind = BlockAmountCheck::Kind;

namespace {
// A pasted value is shown in a message; a whole page of text pasted as one value is not.
QString elided(const QString& value) {
    constexpr int kShown = 24;
    return value.size() > kShown ? value.left(kShown) + QStringLiteral("...") : value;
}
} // namespace

BlockEditor::BlockEditor(GridWidgets& widgets, GridState& state, FormState& form,
                         CellValues& values, const LanguageTexts& texts, Dialogs& dialogs,
                         CellEditor& cells, DocumentModel& notices)
    : m_widgets(widgets), m_state(state), m_form(form), m_values(values), m_texts(texts),
      m_dialogs(dialogs), m_cells(cells), m_notices(notices), m_selection(widgets, state, cells),
      m_menu(new QMenu(widgets.gridPanel)) {
    auto entry = [this](MessageId caption, const QKeySequence& keys, std::function<void()> run) {
        m_captions.append({addAction(keys, std::move(run)), caption});
    };
    entry(MessageId::BlockCopyCaption, QKeySequence(Qt::CTRL | Qt::Key_C), [this] { copy(); });
    entry(MessageId::BlockPasteCaption, QKeySequence(Qt::CTRL | Qt::Key_V), [this] { paste(); });
    m_pasteAction = m_captions.last().first;
    m_menu->addSeparator();
    entry(MessageId::BlockSetCaption, QKeySequence(Qt::CTRL | Qt::Key_E),
          [this] { changeByAmount(MessageId::BlockSetPrompt, Kind::Value, BlockOperations::set); });
    entry(MessageId::BlockAddCaption, QKeySequence(Qt::CTRL | Qt::Key_D), [this] {
        changeByAmount(MessageId::BlockAddPrompt, Kind::Degrees, BlockOperations::add);
    });
    entry(MessageId::BlockScaleCaption, QKeySequence(Qt::CTRL | Qt::Key_P), [this] {
        changeByAmount(MessageId::BlockScalePrompt, Kind::Percent, BlockOperations::scale);
    });
    entry(MessageId::BlockRowsCaption, QKeySequence(Qt::CTRL | Qt::Key_R),
          [this] { interpolate(Direction::Rows); });
    entry(MessageId::BlockColumnsCaption, QKeySequence(Qt::CTRL | Qt::Key_L),
          [this] { interpolate(Direction::Columns); });
    entry(MessageId::BlockBothCaption, QKeySequence(Qt::CTRL | Qt::Key_B),
          [this] { interpolate(Direction::Both); });
    // Whoever opens the menu (a cell, or the grid's frame for a greyed cell) gets
    // captions in the current language and the entries the selection allows.
    connect(m_menu, &QMenu::aboutToShow, this, &BlockEditor::refreshMenu);
}

QAction* BlockEditor::addAction(const QKeySequence& keys, std::function<void()> run) {
    auto* action = m_menu->addAction(QString());
    action->setShortcut(keys);
    // The keys reach the cells through the filter below; the action only shows them.
    action->setShortcutContext(Qt::WidgetShortcut);
    connect(action, &QAction::triggered, this, std::move(run));
    return action;
}

void BlockEditor::watch(QLineEdit* cell) {
    m_selection.watch(cell);
    cell->installEventFilter(this);
}

bool BlockEditor::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        return onKey(*static_cast<QKeyEvent*>(event));
    case QEvent::ContextMenu:
        m_menu->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    default:
        return false;
    }
}

bool BlockEditor::onKey(const QKeyEvent& key) {
    const QKeySequence pressed(key.keyCombination());
    const bool hasBlock = m_selection.block(m_state.doc).has_value();
    for (const auto& [action, caption] : m_captions) {
        if (action->shortcut() != pressed)
            continue;
        if (!(hasBlock || (action == m_pasteAction && canPaste())))
            return false;
        action->trigger();
        return true;
    }
    const int k = key.key();
    if (k != Qt::Key_Shift && k != Qt::Key_Control && k != Qt::Key_Alt && k != Qt::Key_Meta)
        m_selection.clear();
    return false;
}

bool BlockEditor::canPaste() const {
    const QString text = QGuiApplication::clipboard()->text();
    return BlockOperations::isBlockText(text) ||
           (!text.isEmpty() && m_selection.block(m_state.doc));
}

void BlockEditor::refreshMenu() {
    const bool hasBlock = m_selection.block(m_state.doc).has_value();
    for (const auto& [action, caption] : m_captions) {
        action->setText(m_texts.message(caption));
        action->setEnabled(m_form.documentReady && hasBlock);
    }
    m_pasteAction->setEnabled(m_form.documentReady && canPaste());
}

bool BlockEditor::ready() const {
    return m_form.documentReady && !m_state.columnToolBusy;
}

// A value being typed in the current cell is checked before any block work sees it.
void BlockEditor::checkCurrentCell() {
    const GridCell current = m_state.currentCell;
    if (m_state.isRealCell(current) && current.column < m_state.columnCount)
        m_cells.checkCell(current.row, current.column,
                          m_widgets.cell(current.row, current.column)->text());
}

void BlockEditor::copy() {
    const MapDocument doc = m_state.doc;
    if (const auto block = m_selection.block(doc))
        QGuiApplication::clipboard()->setText(
            BlockOperations::copyText(doc, *block, m_form.decimalSeparator));
}

void BlockEditor::paste() {
    if (!ready())
        return;
    checkCurrentCell();
    const MapDocument doc = m_state.doc;
    const auto block = m_selection.block(doc);
    const QString text = QGuiApplication::clipboard()->text();
    QList<QStringList> values = BlockOperations::parseBlockText(text);
    GridCell at = m_state.currentCell;
    if (block) {
        at = {block->top, block->left};
        // One value over a block fills it.
        if (values.size() == 1 && values[0].size() == 1)
            values = QList<QStringList>(block->bottom - block->top + 1,
                                        QStringList(block->right - block->left + 1, values[0][0]));
    }
    if (!m_state.isRealCell(at) || at.column >= m_state.columnCount)
        return;
    const BlockOperations::Paste pasted = BlockOperations::paste(doc, at, values, m_form);
    if (const auto refused = pasted.refusedCell) {
        const QString row = QString::number(refused->row + 1);
        const QString column = QString::number(refused->column + 1);
        if (pasted.reason)
            note(MessageId::PasteValueMessage,
                 {elided(pasted.refusedValue), row, column, m_texts.message(*pasted.reason)});
        else
            note(MessageId::PasteDisabledMessage, {row, column});
        return;
    }
    write(pasted.document);
    if (pasted.cut)
        note(MessageId::PasteCutNote);
}

void BlockEditor::changeByAmount(MessageId prompt, Kind kind, const AmountChange& change) {
    if (!ready())
        return;
    checkCurrentCell();
    const MapDocument doc = m_state.doc;
    const auto block = m_selection.block(doc);
    if (!block)
        return;
    const auto amount = askAmount(prompt, kind);
    if (!amount)
        return;
    const BlockOperations::Result result = change(doc, *block, *amount);
    write(result.document);
    if (result.clamped)
        note(MessageId::BlockClampedNote,
             {DecimalFormat::fixed(CellValueCheck::kMinimum, 1, m_form.decimalSeparator),
              DecimalFormat::fixed(CellValueCheck::kMaximum, 1, m_form.decimalSeparator)});
}

void BlockEditor::interpolate(Direction direction) {
    if (!ready())
        return;
    checkCurrentCell();
    const MapDocument doc = m_state.doc;
    if (const auto block = m_selection.block(doc))
        write(BlockOperations::interpolate(doc, *block, direction).document);
}

// Cancel, in the first box or in a re-ask, ends the operation without a change.
std::optional<double> BlockEditor::askAmount(MessageId prompt, Kind kind) {
    const std::optional<QString> amount = m_dialogs.askUntilKept(
        m_dialogs.input(m_texts.message(prompt), m_texts.title(prompt)),
        [&](const QString& text) { return BlockAmountCheck::firstFailure(text, kind, m_form); },
        [](const QString& text) { return !text.isEmpty(); }, m_texts);
    if (!amount)
        return std::nullopt;
    return DecimalFormat::toDouble(*amount, m_form.decimalSeparator);
}

void BlockEditor::write(const MapDocument& doc) {
    // A change made before the operation is a step of its own, and the operation another.
    emit m_notices.stepComplete();
    for (int r = 0; r < m_state.rowCount; ++r)
        for (int c = 0; c < m_state.columnCount; ++c)
            if (m_values.at(r, c) != doc.cells[r][c])
                m_values.set(r, c, doc.cells[r][c]);
    emit m_notices.tableChanged();
    emit m_notices.stepComplete();
    // Escape in the current cell puts back its new value, not the one before the change.
    const GridCell current = m_state.currentCell;
    if (m_state.isRealCell(current) && m_widgets.cell(current.row, current.column)->hasFocus())
        m_form.entryText = m_widgets.cell(current.row, current.column)->text();
}

void BlockEditor::note(MessageId entry, const QStringList& values) {
    m_dialogs.inform(m_texts.message(entry, values), m_texts.title(entry));
}
