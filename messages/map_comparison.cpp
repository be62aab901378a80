#include "messages/map_comparison.h"

#include "core/cell_tenths.h"
#include "core/load_header_text.h"
#include "core/number_rules.h"
#include "language/widget_texts.h"

namespace {

const QStringList kShapeTexts = {QStringLiteral("60 x 1"), QStringLiteral("60 x 4"),
                                 QStringLiteral("40 x 6"), QStringLiteral("30 x 8"),
                                 QStringLiteral("20 x 12")};
const QStringList kLoadUnits = {QStringLiteral("V"), QStringLiteral("%"), QStringLiteral("Bar")};
const QStringList kCutLevels = {QStringLiteral("0%"), QStringLiteral("25%"), QStringLiteral("50%"),
                                QStringLiteral("100%")};

// An empty field (no rev limit, a hidden value) still shows as something.
QString shown(const QString& text) {
    return text.isEmpty() ? QStringLiteral("-") : text;
}

QString pick(const QStringList& list, int index) {
    return index >= 0 && index < list.size() ? list[index] : QString::number(index);
}

// Collects the differences of one pair of maps, naming them in one language.
class Comparer {
  public:
    Comparer(const MapDocument& a, const MapDocument& b, const QString& separator,
             Language language)
        : m_a(a), m_b(b), m_separator(separator), m_language(language) {
        m_texts.setLanguage(language);
    }

    MapComparison run() {
        m_result.sameShape = m_a.resolution == m_b.resolution;
        compareSettings();
        if (m_result.sameShape) {
            compareAxes();
            compareCells();
        }
        return m_result;
    }

  private:
    // A setting is named by the caption of the label beside its field, without the colon.
    QString caption(const char* widget) const {
        QString text = findWidgetText(widget, WidgetTextKind::Caption)->text(m_language);
        if (text.endsWith(QLatin1Char(':')))
            text.chop(1);
        return text;
    }
    QString item(const char* widget, int index) const {
        const WidgetText* row = findWidgetText(widget, WidgetTextKind::ListItem, index);
        return row ? row->text(m_language) : QString::number(index);
    }
    QString choice(bool on, const char* onWidget, const char* offWidget) const {
        return caption(on ? onWidget : offWidget);
    }

    void add(const QString& name, const QString& a, const QString& b) {
        if (a != b)
            m_result.settings.push_back({name, shown(a), shown(b)});
    }
    void addText(const char* label, const QString& a, const QString& b) {
        const std::optional<double> x = textToDouble(a, m_separator);
        const std::optional<double> y = textToDouble(b, m_separator);
        if (x && y ? *x != *y : a.trimmed() != b.trimmed())
            m_result.settings.push_back({caption(label), shown(a), shown(b)});
    }
    void addList(const char* label, const char* list, int a, int b) {
        if (a != b)
            m_result.settings.push_back({caption(label), item(list, a), item(list, b)});
    }

    void compareSettings() {
        add(caption("Label10"), pick(kShapeTexts, m_a.resolution),
            pick(kShapeTexts, m_b.resolution));
        addList("Label13", "Combo12", m_a.operationMode, m_b.operationMode);
        add(caption("Label17"), QString::number(m_a.cylinderCount()),
            QString::number(m_b.cylinderCount()));
        addList("Label7", "Combo4", m_a.coilControlMode, m_b.coilControlMode);
        // The file holds the coil values of the chosen coil control only.
        if (m_a.coilControlMode == 0 || m_b.coilControlMode == 0) {
            addText("Label3", m_a.sparkTime, m_b.sparkTime);
            addText("Label4", m_a.chargeTime, m_b.chargeTime);
        }
        if (m_a.coilControlMode != 0 || m_b.coilControlMode != 0)
            addText("Label18", m_a.dwellAngle, m_b.dwellAngle);
        add(caption("Frame16"), choice(m_a.inputDwellMode, "Option4", "Option3"),
            choice(m_b.inputDwellMode, "Option4", "Option3"));
        if (m_a.inputDwellMode || m_b.inputDwellMode)
            addText("Label12", m_a.inputChargeDwell, m_b.inputChargeDwell);
        addText("Label8", m_a.revLimit, m_b.revLimit);
        add(caption("Frame11"), choice(m_a.loadInputUsed, "Option1", "Option2"),
            choice(m_b.loadInputUsed, "Option1", "Option2"));
        add(caption("Label14"), pick(kLoadUnits, m_a.loadUnit), pick(kLoadUnits, m_b.loadUnit));
        if (m_a.loadUnit == LoadHeaderText::Bar || m_b.loadUnit == LoadHeaderText::Bar)
            addText("Label15", m_a.mapMaxPressure, m_b.mapMaxPressure);
        addList("Label5", "Combo3", m_a.inputPolarity, m_b.inputPolarity);
        addList("Label6", "Combo2", m_a.outputPolarity, m_b.outputPolarity);
        add(caption("Label1"), QString::number(m_a.transparentIntervals),
            QString::number(m_b.transparentIntervals));
        add(caption("Label2"), QString::number(m_a.chargeCorrectionIntervals),
            QString::number(m_b.chargeCorrectionIntervals));
        add(caption("Frame5"), m_a.note, m_b.note);
    }

    // The axes and the cut levels belong to rows and columns, so only maps of one shape
    // have them in common.
    void compareAxes() {
        for (int r = 0; r < m_a.rowCount(); ++r) {
            const QString row = QString::number(r + 1);
            add(m_texts.message(MessageId::CompareRowRpm, {row}),
                QString::number(m_a.rpmBreakpoints[r]), QString::number(m_b.rpmBreakpoints[r]));
            add(m_texts.message(MessageId::CompareRowCutLevel, {row}),
                pick(kCutLevels, m_a.revCutLevel[r]), pick(kCutLevels, m_b.revCutLevel[r]));
        }
        for (int i = 1; i < m_a.columnCount(); ++i)
            add(m_texts.message(MessageId::CompareLoadBoundary, {QString::number(i)}),
                formatFixed(m_a.loadBreakpoints[i], 2, m_separator),
                formatFixed(m_b.loadBreakpoints[i], 2, m_separator));
    }

    void compareCells() {
        for (int r = 0; r < m_a.rowCount(); ++r)
            for (int c = 0; c < m_a.columnCount(); ++c)
                compareCell(r, c);
    }

    void compareCell(int r, int c) {
        const int a = m_a.cells[r][c];
        const int b = m_b.cells[r][c];
        if (a == b)
            return;
        m_result.cells.push_back(
            {r, c, CellTenths::text(a, m_separator), CellTenths::text(b, m_separator),
             (b > a ? QStringLiteral("+") : QString()) + CellTenths::text(b - a, m_separator)});
    }

    const MapDocument& m_a;
    const MapDocument& m_b;
    QString m_separator;
    Language m_language;
    LanguageTexts m_texts;
    MapComparison m_result;
};

} // namespace

MapComparison compareMaps(const MapDocument& map, const MapDocument& other,
                          const QString& decimalSeparator, Language language) {
    return Comparer(map, other, decimalSeparator, language).run();
}

QString columnLoadText(const MapDocument& map, int column, const QString& decimalSeparator) {
    const double volts = map.loadBreakpoints[column + 1];
    switch (map.loadUnit) {
    case LoadHeaderText::Volt:
        return LoadHeaderText::text(map.loadUnit, volts, 0.0, decimalSeparator) +
               QStringLiteral(" V");
    case LoadHeaderText::Percent:
        return LoadHeaderText::text(map.loadUnit, volts, 0.0, decimalSeparator);
    default: {
        const std::optional<double> maximum = textToDouble(map.mapMaxPressure, decimalSeparator);
        return maximum ? LoadHeaderText::text(map.loadUnit, volts, *maximum, decimalSeparator) +
                             QStringLiteral(" bar")
                       : QStringLiteral("? bar");
    }
    }
}
