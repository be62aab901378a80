#include "core/document_ranges.h"

#include "core/cell_tenths.h"
#include "core/dwell_limits.h"
#include "core/number_rules.h"

#include <cmath>

namespace {

class RangeCheck {
  public:
    RangeCheck(const QString& separator, int limit) : m_separator(separator), m_limit(limit) {}

    bool full() const { return m_failures.size() >= m_limit; }
    const QList<CheckFailure>& failures() const { return m_failures; }

    // `decimals` writes the limits as the window shows such a value; -1 the shortest way.
    void text(const QString& text, double low, double high, int decimals, MessageId entry) {
        const std::optional<double> value = textToDouble(text, m_separator);
        if (!value || (*value >= low && *value <= high))
            return;
        add(entry, {text, limit(low, decimals), limit(high, decimals)});
    }
    // The controller holds 0.0 .. 63.5 degrees.
    void cell(int tenths, int row, int column) {
        if (tenths < 0 || tenths > 635)
            add(MessageId::RangeCellMessage,
                {QString::number(row + 1), QString::number(column + 1),
                 CellTenths::text(tenths, m_separator), limit(0.0, 1), limit(63.5, 1)});
    }

    void add(MessageId entry, const QStringList& values) {
        if (!full())
            m_failures.append(CheckFailure{entry, values});
    }

    QString limit(double value, int decimals) const {
        if (decimals >= 0)
            return formatFixed(value, decimals, m_separator);
        return QString::number(value, 'g', 15).replace(QLatin1Char('.'), m_separator);
    }

  private:
    QString m_separator;
    int m_limit;
    QList<CheckFailure> m_failures;
};

void checkRows(const MapDocument& doc, RangeCheck& check) {
    for (int r = 0; r < doc.rowCount() && !check.full(); ++r) {
        for (int c = 0; c < doc.columnCount(); ++c)
            check.cell(doc.cells[r][c], r, c);
        const int level = doc.revCutLevel[r];
        if (level < 0 || level > 3)
            check.add(MessageId::RangeCutLevelMessage,
                      {QString::number(r + 1), QString::number(level), QStringLiteral("0"),
                       QStringLiteral("3")});
    }
}

// Strictly increasing from 0 V and below the fixed 5 V of the last column.
void checkLoadAxis(const MapDocument& doc, RangeCheck& check) {
    if (doc.resolution == 0)
        return;
    double previous = 0.0;
    for (int i = 1; i < doc.columnCount(); ++i) {
        const double volts = doc.loadBreakpoints[i];
        if (!(volts > previous && volts < 5.0))
            check.add(MessageId::RangeLoadMessage, {QString::number(i), check.limit(volts, 2),
                                                    check.limit(previous, 2), check.limit(5.0, 2)});
        previous = volts;
    }
}

void checkSettings(const MapDocument& doc, RangeCheck& check) {
    const int cylinders = doc.cylinderCount();
    if (!doc.revLimit.isEmpty())
        check.text(doc.revLimit, 600, 30000, -1, MessageId::RangeRevLimitMessage);
    if (doc.operationMode == 1) {
        check.text(doc.dwellAngle, 178.5, 181.5, -1, MessageId::RangeDwellCorrMessage);
        return;
    }
    if (doc.inputDwellMode)
        check.text(doc.inputChargeDwell, 15, maxInputChargeDwell(cylinders), -1,
                   MessageId::RangeInputDwellMessage);
    if (doc.coilControlMode == 0) {
        check.text(doc.sparkTime, 0.5, 2.0, 1, MessageId::RangeSparkMessage);
        check.text(doc.chargeTime, 2, 8, -1, MessageId::RangeChargeMessage);
    } else {
        check.text(doc.dwellAngle, 30, maxChargeDwell(cylinders), -1, MessageId::RangeDwellMessage);
    }
}

} // namespace

QList<CheckFailure> valuesOutOfRange(const MapDocument& doc, const QString& decimalSeparator,
                                     int limit) {
    RangeCheck check(decimalSeparator, limit);
    checkRows(doc, check);
    checkLoadAxis(doc, check);
    checkSettings(doc, check);
    return check.failures();
}

std::optional<CheckFailure> firstValueOutOfRange(const MapDocument& doc,
                                                 const QString& decimalSeparator) {
    const QList<CheckFailure> failures = valuesOutOfRange(doc, decimalSeparator, 1);
    if (failures.isEmpty())
        return std::nullopt;
    return failures.first();
}
