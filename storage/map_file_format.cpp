#include "storage/map_file_format.h"

#include "core/cell_tenths.h"
#include "core/number_rules.h"
#include "core/numeric_text.h"
#include "storage/central_european_code_page.h"
#include "storage/file_number.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

QString withCrLf(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text.replace(QLatin1Char('\n'), kLineEnd);
}

bool hasLineBreak(const QString& text) {
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

class Writer {
  public:
    explicit Writer(const QString& separator) : m_separator(separator) {}

    void line(const QString& text) { m_text += text + kLineEnd; }
    void line(int value) { line(QString::number(value)); }

    // `what` names the field: an entry of the language table.
    void text(const QString& text, MessageId what) {
        if (hasLineBreak(text))
            fail(LocalText::entry(MessageId::LineBreakDetail, {LocalText::entry(what)}));
        line(text);
    }

    // A decimal text of the document, scaled so that the file needs no separator. `what`
    // names the field: an entry of the language table.
    void scaled(const QString& text, double factor, MessageId what) {
        const std::optional<double> value = textToDouble(text, m_separator);
        if (!value)
            fail(LocalText::entry(MessageId::NotNumberDetail, {LocalText::entry(what), text}));
        scaled(value.value_or(0), factor);
    }
    void scaled(double value, double factor) {
        appendFileNumber(m_text, value * factor, m_separator);
        m_text += kLineEnd;
    }

    void fail(const LocalText& reason) {
        if (m_reason.isEmpty())
            m_reason = reason;
    }

    Outcome<QByteArray, LocalText> result() const {
        if (!m_reason.isEmpty())
            return Outcome<QByteArray, LocalText>::failure(m_reason);
        return Outcome<QByteArray, LocalText>::success(CentralEuropeanCodePage::encode(m_text));
    }

  private:
    QString m_separator;
    QString m_text;
    LocalText m_reason;
};

// Hands out the lines in order and remembers why the read failed; once it has failed
// every later read fails too, so the reading code needs no early returns per line. A line
// ends at CR LF, CR or LF; a last line without its line end still counts, the end after it
// adds no line. Lines are cut only when asked for, so a file that fails early costs little.
class Reader {
  public:
    explicit Reader(QString text) : m_text(std::move(text)) {}

    bool atEnd() const { return m_position >= m_text.size(); }
    bool failed() const { return !m_reason.isEmpty(); }
    const QString& reason() const { return m_reason; }

    std::optional<QString> text(const char* what) {
        const std::optional<QStringView> line = view(what);
        if (!line)
            return std::nullopt;
        return line->toString();
    }

    std::optional<int> listIndex(const char* what, int last) {
        const std::optional<QStringView> line = view(what);
        if (!line)
            return std::nullopt;
        bool ok = false;
        const int value = line->toInt(&ok);
        if (line->isEmpty() || !IsIntegerText(*line) || !ok || value > last) {
            fail(QStringLiteral("line %1: %2 \"%3\" is not 0..%4")
                     .arg(m_next)
                     .arg(QLatin1String(what), *line)
                     .arg(last));
            return std::nullopt;
        }
        return value;
    }

    std::optional<double> number(const char* what) {
        const std::optional<QStringView> line = view(what);
        if (!line)
            return std::nullopt;
        const std::optional<double> value = fileNumberValue(*line);
        if (!value)
            fail(QStringLiteral("line %1: %2 \"%3\" is not a number")
                     .arg(m_next)
                     .arg(QLatin1String(what), *line));
        return value;
    }

    // A cell line holds tenths of a degree; a fraction there is rounded as the window
    // rounds a typed value.
    int cell() {
        const std::optional<double> value = number("cell");
        if (!value)
            return 0;
        // Files hold whole tenths; only a hand-edited fraction needs the rounding.
        const std::optional<int> tenths = *value == std::trunc(*value) && std::fabs(*value) <= 1e9
                                              ? std::optional<int>(int(*value))
                                              : CellTenths::fromDegrees(*value / 10);
        if (!tenths)
            fail(QStringLiteral("line %1: cell is out of range").arg(m_next));
        return tenths.value_or(0);
    }

    std::optional<qint16> whole(const char* what) {
        const std::optional<double> value = number(what);
        if (!value)
            return std::nullopt;
        const std::optional<qint16> result = toWhole16(*value);
        if (!result)
            fail(
                QStringLiteral("line %1: %2 is out of range").arg(m_next).arg(QLatin1String(what)));
        return result;
    }

    void fail(const QString& reason) {
        if (!failed())
            m_reason = reason;
    }

  private:
    // The next line as a view into the text, which outlives it: numbers need no copy.
    std::optional<QStringView> view(const char* what) {
        if (failed())
            return std::nullopt;
        if (atEnd()) {
            fail(QStringLiteral("the file ends before the %1").arg(QLatin1String(what)));
            return std::nullopt;
        }
        return nextLine();
    }

    QStringView nextLine() {
        const auto isLineEnd = [](QChar c) { return c == u'\r' || c == u'\n'; };
        const QStringView rest = QStringView(m_text).sliced(m_position);
        qsizetype end =
            m_position + (std::find_if(rest.begin(), rest.end(), isLineEnd) - rest.begin());
        const QStringView line = rest.first(end - m_position);
        if (end + 1 < m_text.size() && m_text[end] == u'\r' && m_text[end + 1] == u'\n')
            ++end;
        m_position = end + 1;
        ++m_next;
        return line;
    }

    QString m_text;
    qsizetype m_position = 0;
    int m_next = 0; // the number of the line read last
    QString m_reason;
};

// The two lines stored as typed carry the separator of the PC that saved them; either
// one is read, so a map travels between locales.
QString withSeparator(QString text, const QString& decimalSeparator) {
    if (!IsDecimalText(text))
        return text;
    return text.replace(QLatin1Char('.'), decimalSeparator)
        .replace(QLatin1Char(','), decimalSeparator);
}

} // namespace

Outcome<QByteArray, LocalText> writeMapFile(const MapDocument& doc,
                                            const QString& decimalSeparator) {
    Writer out(decimalSeparator);
    out.line(QString::fromLatin1(kMapFileMagic));
    out.line(doc.cylinders);
    out.line(doc.inputPolarity);
    out.line(doc.outputPolarity);
    out.line(doc.transparentIntervals);
    out.line(doc.chargeCorrectionIntervals);
    out.line(doc.resolution);
    out.line(doc.loadInputUsed ? 1 : 0);
    out.line(doc.loadUnit);
    if (doc.loadUnit == 2)
        out.text(doc.mapMaxPressure, MessageId::MapMaximumName);
    out.text(doc.revLimit, MessageId::RevLimitName);
    const int columns = doc.columnCount();
    for (int i = 1; i < columns; ++i)
        out.scaled(doc.loadBreakpoints[i], 100);
    out.line(doc.operationMode);
    out.line(doc.coilControlMode);
    if (doc.coilControlMode == 0) {
        out.scaled(doc.sparkTime, 10, MessageId::SparkTimeName);
        out.scaled(doc.chargeTime, 10, MessageId::ChargeTimeName);
    } else {
        out.text(doc.dwellAngle, MessageId::ChargeDwellName);
    }
    if (doc.inputDwellMode) {
        out.line(1);
        out.text(doc.inputChargeDwell, MessageId::InputChargeDwellName);
    } else {
        out.line(0);
    }
    for (int r = 0; r < doc.rowCount(); ++r) {
        out.line(doc.rpmBreakpoints[r]);
        for (int c = 0; c < columns; ++c)
            out.line(doc.cells[r][c]);
        out.line(doc.revCutLevel[r]);
    }
    out.line(withCrLf(doc.note));
    return out.result();
}

Outcome<MapDocument> readMapFile(const QByteArray& bytes, const MapDocument& base,
                                 const QString& decimalSeparator) {
    Reader in(CentralEuropeanCodePage::decode(bytes));
    if (in.text("magic line") != QString::fromLatin1(kMapFileMagic))
        return Outcome<MapDocument>::failure(QStringLiteral("the first line is not the magic"));

    MapDocument doc = base;
    doc.cylinders = in.listIndex("cylinder choice", 5).value_or(0);
    doc.inputPolarity = in.listIndex("input polarity", 1).value_or(0);
    doc.outputPolarity = in.listIndex("output polarity", 1).value_or(0);
    doc.transparentIntervals = in.listIndex("transparent intervals", 15).value_or(0);
    doc.chargeCorrectionIntervals = in.listIndex("charge correction intervals", 15).value_or(0);
    // Only these exact texts set the shape; any other line could not be shown.
    const std::optional<QString> shape = in.text("resolution");
    static const QStringList shapes = {QStringLiteral("0"), QStringLiteral("1"),
                                       QStringLiteral("2"), QStringLiteral("3"),
                                       QStringLiteral("4")};
    if (shape && !shapes.contains(*shape))
        in.fail(QStringLiteral("resolution \"%1\" is not 0..4").arg(*shape));
    doc.resolution = shapes.indexOf(shape.value_or(QString()));
    doc.loadInputUsed = in.text("load input choice") == QStringLiteral("1");
    doc.loadUnit = in.listIndex("load unit", 2).value_or(0);
    if (doc.loadUnit == 2)
        doc.mapMaxPressure =
            withSeparator(in.text("MAP maximum").value_or(QString()), decimalSeparator);
    doc.revLimit = in.text("rev limit").value_or(QString());
    const int columns = in.failed() ? 0 : doc.columnCount();
    for (int i = 1; i < columns; ++i)
        doc.loadBreakpoints[i] = in.number("load boundary").value_or(0) / 100;
    if (!in.failed())
        doc.loadBreakpoints[columns] = 5.0;
    doc.operationMode = in.listIndex("operation mode", 1).value_or(0);
    doc.coilControlMode = in.listIndex("coil control mode", 1).value_or(0);
    if (doc.coilControlMode == 0) {
        doc.sparkTime = formatFixed(in.whole("spark time").value_or(0) / 10.0, 1, decimalSeparator);
        doc.chargeTime =
            formatFixed(in.whole("charge time").value_or(0) / 10.0, 1, decimalSeparator);
    } else {
        doc.dwellAngle = in.text("dwell angle").value_or(QString());
    }
    if (doc.operationMode == 1)
        doc.dwellAngle = withSeparator(doc.dwellAngle, decimalSeparator);
    doc.inputDwellMode = in.text("input dwell choice") == QStringLiteral("1");
    if (doc.inputDwellMode)
        doc.inputChargeDwell = in.text("input charge dwell").value_or(QString());

    const int rows = in.failed() ? 0 : doc.rowCount();
    // A file of another shape may end before its last row: the rows it does not reach take
    // the defaults of its shape, not the rows of the shape the window held.
    if (doc.resolution != base.resolution)
        doc.resetTable();
    for (int r = 0; r < rows && !in.atEnd(); ++r) {
        doc.rpmBreakpoints[r] = in.whole("row RPM").value_or(0);
        for (int c = 0; c < columns; ++c)
            doc.cells[r][c] = in.cell();
        doc.revCutLevel[r] = in.listIndex("cut level", 3).value_or(0);
    }

    // Empty lines before the first text of the note are dropped, later ones kept.
    QString note;
    while (!in.failed() && !in.atEnd()) {
        const QString line = *in.text("note");
        note = note.isEmpty() ? line : note + kLineEnd + line;
    }
    doc.note = note;

    if (in.failed())
        return Outcome<MapDocument>::failure(in.reason());
    return Outcome<MapDocument>::success(doc);
}
