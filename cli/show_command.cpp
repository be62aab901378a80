#include "cli/show_document.h"

#include "cli/cli_document.h"
#include "core/cell_tenths.h"
#include "core/document_ranges.h"
#include "core/load_header_text.h"
#include "core/number_rules.h"
#include "language/language_texts.h"
#include "messages/range_summary.h"

namespace {

const QStringList kCutLevels = {QStringLiteral("0%"), QStringLiteral("25%"), QStringLiteral("50%"),
                                QStringLiteral("100%")};
const QStringList kShapes = {QStringLiteral("60 x 1"), QStringLiteral("60 x 4"),
                             QStringLiteral("40 x 6"), QStringLiteral("30 x 8"),
                             QStringLiteral("20 x 12")};
const QStringList kUnits = {QStringLiteral("V"), QStringLiteral("%"), QStringLiteral("Bar")};
constexpr int kCellWidth = 7;

QString edge(int polarity) {
    return polarity == 1 ? QStringLiteral("Rising") : QStringLiteral("Falling");
}

QString pick(const QStringList& list, int index) {
    return index >= 0 && index < list.size() ? list[index] : QString::number(index);
}

// The column header in the file's load unit, as the window's headers show it.
QString loadHeader(const MapDocument& doc, int column, const QString& sep) {
    const std::optional<double> maximum = textToDouble(doc.mapMaxPressure, sep);
    if (doc.loadUnit == LoadHeaderText::Bar && !maximum)
        return QStringLiteral("?");
    return LoadHeaderText::text(doc.loadUnit, doc.loadBreakpoints[column + 1],
                                maximum.value_or(0.0), sep);
}

void showSettings(const MapDocument& doc, QTextStream& out) {
    const bool bipolar = doc.operationMode == 1;
    out << "Resolution: " << pick(kShapes, doc.resolution) << '\n';
    out << "Operation mode: " << (bipolar ? "Bipolar" : "Normal") << '\n';
    out << "Cylinders: " << (bipolar ? 2 : doc.cylinderCount()) << '\n';
    out << "Coil control: " << (doc.coilControlMode == 0 ? "Time" : "Dwell") << '\n';
    if (bipolar) {
        out << "Dwell correction: " << doc.dwellAngle << " crankshaft degrees\n";
    } else if (doc.coilControlMode == 0) {
        out << "Spark time: " << doc.sparkTime << " ms\n";
        out << "Charge time: " << doc.chargeTime << " ms\n";
    } else {
        out << "Charge dwell: " << doc.dwellAngle << " camshaft degrees\n";
    }
    if (!bipolar && doc.inputDwellMode)
        out << "Input charge dwell: " << doc.inputChargeDwell << " camshaft degrees\n";
    else
        out << "Input charge dwell: off\n";
    if (doc.revLimit.isEmpty())
        out << "Rev limit: none\n";
    else
        out << "Rev limit: " << doc.revLimit << " RPM\n";
    out << "Load input: " << (doc.loadInputUsed ? "used" : "not used") << '\n';
    out << "Load unit: " << pick(kUnits, doc.loadUnit) << '\n';
    if (doc.loadUnit == 2)
        out << "MAP sensor maximum: " << doc.mapMaxPressure << " bar\n";
    out << "Input polarity: " << edge(doc.inputPolarity) << '\n';
    out << "Output polarity: " << edge(doc.outputPolarity) << '\n';
    out << "Transparent intervals: " << doc.transparentIntervals << '\n';
    out << "Charge correction intervals: " << doc.chargeCorrectionIntervals << '\n';
    out << "Note:";
    for (const QString& line : doc.note.split(QStringLiteral("\r\n")))
        out << (line.isEmpty() ? QStringLiteral("\n") : QStringLiteral("\n  ") + line);
    out << '\n';
}

void showGrid(const MapDocument& doc, const QString& sep, QTextStream& out) {
    out << QStringLiteral("RPM").rightJustified(kCellWidth);
    for (int c = 0; c < doc.columnCount(); ++c)
        out << loadHeader(doc, c, sep).rightJustified(kCellWidth);
    out << "  REV Limit\n";
    for (int r = 0; r < doc.rowCount(); ++r) {
        out << QString::number(doc.rpmBreakpoints[r]).rightJustified(kCellWidth);
        for (int c = 0; c < doc.columnCount(); ++c)
            out << CellTenths::text(doc.cells[r][c], sep).rightJustified(kCellWidth);
        out << "  " << pick(kCutLevels, doc.revCutLevel[r]) << '\n';
    }
}

int runShow(const QStringList& arguments, CliContext& context) {
    const std::optional<MapDocument> document = CliDocument::load(arguments[0], context);
    if (!document)
        return kExitWrongFile;
    const QString outOfRange =
        outOfRangeSummary(*document, context.decimalSeparator, LanguageTexts());
    if (!outOfRange.isEmpty())
        context.err << outOfRange << '\n';
    showDocument(*document, context);
    return kExitOk;
}

} // namespace

void showDocument(const MapDocument& document, CliContext& context) {
    showSettings(document, context.out);
    context.out << '\n';
    showGrid(document, context.decimalSeparator, context.out);
}

CliCommand showCommand() {
    return {
        QStringLiteral("show"),
        QStringLiteral("FILE.klv"),
        QStringLiteral("The settings with their units, then the advance grid in degrees: one\n"
                       "line per RPM row, columns headed by the load boundaries in the file's\n"
                       "load unit (volts, percent of 5 V, or bar of the MAP sensor's range),\n"
                       "and the rev-limit cut level of each row."),
        1,
        &runShow,
    };
}
