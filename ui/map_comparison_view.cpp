#include "ui/map_comparison_view.h"
#include "ui/document_owner.h"

#include "core/form_state.h"
#include "language/dialogs.h"
#include "language/language_texts.h"
#include "storage/map_file.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QTimer>

namespace {

const char* const kMapFileFilter = "KLV Files(*.klv)|*.klv";
const char* const kMarkName = "DifferenceMark";
// A frame, not a background, so the cell's text keeps its colours.
const QColor kMarkColour(255, 140, 0);
constexpr int kMarkWidth = 2;

// Drawn over a differing cell; it takes no mouse events, so the cell works as before.
class DifferenceMark : public QWidget {
  public:
    explicit DifferenceMark(QWidget* cell) : QWidget(cell) {
        setObjectName(QLatin1String(kMarkName));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(cell->rect());
        show();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QPen(kMarkColour, kMarkWidth));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
};

} // namespace

MapComparisonView::MapComparisonView(const GridWidgets& grid, QMenu& gridMenu, Dialogs& dialogs,
                                     const LanguageTexts& texts, const FormState& state,
                                     const DocumentOwner& owner, QObject* parent)
    : QObject(parent), m_cells(grid.cells), m_gridMenu(gridMenu), m_dialogs(dialogs),
      m_texts(texts), m_state(state), m_owner(owner), m_compare(new QAction(this)),
      m_stop(new QAction(this)) {
    m_compare->setObjectName(QStringLiteral("CompareWithMapFile"));
    m_stop->setObjectName(QStringLiteral("StopComparing"));
    connect(m_compare, &QAction::triggered, this, &MapComparisonView::compareWithFile);
    connect(m_stop, &QAction::triggered, this, &MapComparisonView::stop);
    gridMenu.addSeparator();
    gridMenu.addAction(m_compare);
    gridMenu.addAction(m_stop);
    connect(&gridMenu, &QMenu::aboutToShow, this, &MapComparisonView::refreshMenu);
    grid.gridPanel->installEventFilter(this);
    for (const auto& row : m_cells)
        for (QLineEdit* field : row) {
            field->installEventFilter(this);
            connect(field, &QLineEdit::textChanged, this, &MapComparisonView::scheduleRefresh);
        }
}

bool MapComparisonView::eventFilter(QObject* watched, QEvent* event) {
    // A tool tip is worded when it shows, so it follows a language switch.
    if (event->type() == QEvent::ToolTip) {
        auto* cell = qobject_cast<QLineEdit*>(watched);
        const auto mark = m_marked.constFind(cell);
        if (cell && mark != m_marked.cend())
            cell->setToolTip(markToolTip(mark->difference));
        return false;
    }
    // A greyed cell takes no events, so its right click reaches the grid's frame.
    if (event->type() != QEvent::ContextMenu || qobject_cast<QLineEdit*>(watched))
        return false;
    m_gridMenu.exec(static_cast<QContextMenuEvent*>(event)->globalPos());
    return true;
}

void MapComparisonView::refreshMenu() {
    m_compare->setText(m_texts.message(MessageId::CompareMenuItem));
    m_stop->setText(m_texts.message(MessageId::StopCompareMenuItem));
    m_stop->setEnabled(m_other.has_value());
}

void MapComparisonView::compareWithFile() {
    const QString path = m_dialogs.openFile(m_texts.message(MessageId::CompareDialogTitle),
                                            QLatin1String(kMapFileFilter));
    if (path.isEmpty())
        return;
    const Outcome<MapDocument> other = loadMapFile(
        path, MapDocument::startupDefaults(m_state.decimalSeparator), m_state.decimalSeparator);
    if (!other.ok()) {
        m_dialogs.inform(m_texts.message(MessageId::WrongFileMessage),
                         m_texts.title(MessageId::WrongFileMessage));
        return;
    }
    compareWith(other.value());
}

// One message at most: the shapes differ, or the settings that differ, or nothing does.
void MapComparisonView::compareWith(const MapDocument& other) {
    m_other = other;
    refreshMarks();
    const MapDocument mine = m_owner.document();
    const MapComparison comparison =
        compareMaps(mine, other, m_state.decimalSeparator, m_texts.language());
    std::optional<MessageId> entry;
    QStringList values;
    if (!comparison.sameShape) {
        // The shape is the first setting compared.
        entry = MessageId::CompareShapesMessage;
        values = {comparison.settings[0].value, comparison.settings[0].other};
    } else if (!comparison.settings.empty()) {
        entry = MessageId::CompareSettingsMessage;
        QStringList lines;
        for (const SettingDifference& setting : comparison.settings)
            lines << QStringLiteral("%1: %2 / %3").arg(setting.name, setting.value, setting.other);
        values = {lines.join(QLatin1Char('\n'))};
    } else if (comparison.same()) {
        entry = MessageId::CompareSameMessage;
    }
    if (entry)
        m_dialogs.inform(m_texts.message(*entry, values), m_texts.title(*entry));
}

void MapComparisonView::stop() {
    m_other.reset();
    clearMarks();
}

// Loading a map fills every cell at once; the marks follow after the last change.
void MapComparisonView::scheduleRefresh() {
    if (!m_other || m_refreshPending)
        return;
    m_refreshPending = true;
    QTimer::singleShot(0, this, [this] {
        m_refreshPending = false;
        refreshMarks();
    });
}

void MapComparisonView::refreshMarks() {
    clearMarks();
    if (!m_other)
        return;
    const MapComparison comparison =
        compareMaps(m_owner.document(), *m_other, m_state.decimalSeparator, m_texts.language());
    for (const CellDifference& difference : comparison.cells)
        setMark(difference);
}

QString MapComparisonView::markToolTip(const CellDifference& difference) const {
    return m_texts.message(MessageId::CompareCellToolTip,
                           {difference.other, difference.difference});
}

void MapComparisonView::setMark(const CellDifference& difference) {
    QLineEdit* cell = m_cells[difference.row][difference.column];
    m_marked.insert(cell, {cell->toolTip(), difference, new DifferenceMark(cell)});
    cell->setToolTip(markToolTip(difference));
}

void MapComparisonView::clearMarks() {
    for (auto it = m_marked.cbegin(); it != m_marked.cend(); ++it) {
        it.key()->setToolTip(it.value().previousToolTip);
        delete it.value().frame;
    }
    m_marked.clear();
}
