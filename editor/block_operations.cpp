#include "editor/block_operations.h"

#include "core/cell_tenths.h"
#include "editor/block_selection.h"
#include "editor/cell_value_check.h"

#include <QRegularExpression>

namespace {
using BlockOperations::Result;

double valueOf(const MapDocument& doc, int row, int column) {
    return CellTenths::degrees(doc.cells[row][column]);
}

// Rounded first, so a value that rounds into the range is not reported as limited.
int settled(double value, bool& clamped) {
    constexpr int lowest = int(CellValueCheck::kMinimum * 10);
    constexpr int highest = int(CellValueCheck::kMaximum * 10);
    const std::optional<int> rounded = CellTenths::fromDegrees(value);
    const int limited = rounded ? qBound(lowest, *rounded, highest) : value < 0 ? lowest : highest;
    clamped = clamped || limited != rounded;
    return limited;
}

void copyAlongRows(MapDocument& doc, int top, int bottom) {
    const int last = doc.columnCount() - 1;
    if (doc.loadInputUsed)
        return;
    for (int r = top; r <= bottom; ++r)
        for (int c = 0; c < last; ++c)
            doc.cells[r][c] = doc.cells[r][last];
}

template <class NewValue>
Result mapBlock(const MapDocument& doc, const CellBlock& block, NewValue newValue) {
    Result result{doc};
    for (int r = block.top; r <= block.bottom; ++r)
        for (int c = block.left; c <= block.right; ++c)
            result.document.cells[r][c] = settled(newValue(r, c), result.clamped);
    copyAlongRows(result.document, block.top, block.bottom);
    return result;
}

// Where x lies between from and to, 0 .. 1; 0 when they coincide.
double share(double x, double from, double to) {
    return to == from ? 0.0 : (x - from) / (to - from);
}
} // namespace

namespace BlockOperations {

Result set(const MapDocument& doc, const CellBlock& block, double value) {
    return mapBlock(doc, block, [&](int, int) { return value; });
}

Result add(const MapDocument& doc, const CellBlock& block, double degrees) {
    return mapBlock(doc, block, [&](int r, int c) { return valueOf(doc, r, c) + degrees; });
}

Result scale(const MapDocument& doc, const CellBlock& block, double percent) {
    return mapBlock(doc, block, [&](int r, int c) { return valueOf(doc, r, c) * percent / 100.0; });
}

Result interpolate(const MapDocument& doc, const CellBlock& block, Direction direction) {
    // Along one direction only the cells at that direction's edges count: the row's own
    // column across rows, the column's own row across columns.
    const bool acrossRows = direction != Direction::Columns;
    const bool acrossColumns = direction != Direction::Rows;
    return mapBlock(doc, block, [&](int r, int c) {
        const int upper = acrossRows ? block.top : r, lower = acrossRows ? block.bottom : r;
        const int left = acrossColumns ? block.left : c, right = acrossColumns ? block.right : c;
        const double t = share(doc.rpmBreakpoints[r], doc.rpmBreakpoints[block.top],
                               doc.rpmBreakpoints[block.bottom]);
        const double s = share(doc.loadBreakpoints[c + 1], doc.loadBreakpoints[block.left + 1],
                               doc.loadBreakpoints[block.right + 1]);
        auto along = [&](int row) {
            return valueOf(doc, row, left) * (1 - s) + valueOf(doc, row, right) * s;
        };
        return along(upper) * (1 - t) + along(lower) * t;
    });
}

QString copyText(const MapDocument& doc, const CellBlock& block, const QString& separator) {
    QString text;
    for (int r = block.top; r <= block.bottom; ++r) {
        QStringList line;
        for (int c = block.left; c <= block.right; ++c)
            line << CellTenths::text(doc.cells[r][c], separator);
        text += line.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

bool isBlockText(const QString& text) {
    return text.contains(QLatin1Char('\t')) || text.contains(QLatin1Char('\n')) ||
           text.contains(QLatin1Char('\r'));
}

// Anything past what a table holds only tells that the block is cut, so a huge clipboard
// is not read further than that.
QList<QStringList> parseBlockText(const QString& text) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QList<QStringList> rows;
    qsizetype from = 0;
    while (rows.size() <= kMaxRows) {
        const QRegularExpressionMatch next = lineBreak.match(text, from);
        const qsizetype end = next.hasMatch() ? next.capturedStart() : text.size();
        if (!next.hasMatch() && from == text.size() && !rows.isEmpty())
            break; // the line break ending the last line
        QStringList values;
        for (QStringView value : QStringView(text).mid(from, end - from).tokenize(u'\t')) {
            if (values.size() > kMaxColumns)
                break;
            values << value.trimmed().toString();
        }
        rows << values;
        if (!next.hasMatch())
            break;
        from = next.capturedEnd();
    }
    return rows;
}

Paste paste(const MapDocument& doc, const GridCell& at, const QList<QStringList>& values,
            const FormState& form) {
    Paste result;
    result.document = doc;
    int bottom = at.row;
    for (int i = 0; i < values.size(); ++i) {
        const int r = at.row + i;
        for (int j = 0; j < values[i].size(); ++j) {
            const int c = at.column + j;
            if (r >= doc.rowCount() || c >= doc.columnCount()) {
                result.cut = true;
                continue;
            }
            const QString& value = values[i][j];
            const auto failure = CellValueCheck::firstFailure(value, form);
            if (failure || !BlockSelection::isEditable(r, c, doc)) {
                Paste refused;
                refused.document = doc;
                refused.refusedCell = GridCell{r, c};
                refused.refusedValue = value;
                refused.reason = failure;
                return refused;
            }
            result.document.cells[r][c] = CellValueCheck::tenths(value, form.decimalSeparator);
            bottom = std::max(bottom, r);
        }
    }
    copyAlongRows(result.document, at.row, bottom);
    return result;
}

} // namespace BlockOperations
