#include "device/device_image.h"

#include "core/cell_tenths.h"
#include "core/number_rules.h"

namespace {

constexpr int kOverflow = 6;
constexpr int kDivisionByZero = 11;
constexpr int kTypeMismatch = 13;

constexpr int kFirstSettingsWord = 240;
constexpr int kFirstLoadWord = 241;
constexpr int kLastLoadWord = 251;
constexpr qint16 kUnusedLoadField = 63;
// One revolution at the rev limit in units of 1.6 us: 60,000,000 / 1.6.
constexpr double kRevolutionTicks = 37500000.0;

// Converts the document's texts and records the first conversion that fails; every
// later call then answers nothing, so the build stops at the first fault.
class Conversions {
  public:
    explicit Conversions(const QString& decimalSeparator) : m_separator(decimalSeparator) {}

    std::optional<double> number(const QString& text, const LocalText& what) {
        if (m_code)
            return std::nullopt;
        const std::optional<double> value = textToDouble(text, m_separator);
        if (!value)
            fail(kTypeMismatch, LocalText::entry(MessageId::TypeMismatchDetail, {what, text}));
        return value;
    }

    // `name()` makes the value's name only when a conversion fails: a map has hundreds
    // of cells.
    template <typename Name> std::optional<qint16> whole(double value, Name name) {
        if (m_code)
            return std::nullopt;
        const std::optional<qint16> result = toWhole16(value);
        if (!result)
            fail(kOverflow, LocalText::entry(MessageId::OverflowDetail,
                                             {name(), QString::number(value, 'g', 15)}));
        return result;
    }
    std::optional<qint16> whole(double value, const LocalText& what) {
        return whole(value, [&what] { return what; });
    }

    std::optional<qint16> wholeText(const QString& text, const LocalText& what) {
        const std::optional<double> value = number(text, what);
        return value ? whole(*value, what) : std::nullopt;
    }

    void fail(int code, const LocalText& description) {
        if (m_code)
            return;
        m_code = code;
        m_description = description;
    }

    bool failed() const { return m_code != 0; }
    int code() const { return m_code; }
    const LocalText& description() const { return m_description; }

  private:
    QString m_separator;
    int m_code = 0;
    LocalText m_description;
};

LocalText cellName(const MapDocument& doc, int row, int column) {
    return LocalText::entry(MessageId::CellRpmName,
                            {QString::number(row + 1), QString::number(doc.rpmBreakpoints[row]),
                             QString::number(column + 1)});
}

// Twice the advance on the half-degree grid in the low seven bits, one bit of the
// row's cut level in bit 7; 0 when it does not fit, which `conv` then holds as its fault.
template <typename Name>
qint16 cellWord(Conversions& conv, double halfGridAdvance, int cutBit, Name what) {
    return conv.whole(2 * halfGridAdvance + 128 * cutBit, what).value_or(0);
}

void putCells(const MapDocument& doc, Conversions& conv, DeviceImage& w) {
    const int columns = doc.columnCount();
    for (int r = 0; r < doc.rowCount(); ++r) {
        const int level = doc.revCutLevel[r];
        const int evenBit = level % 2;
        const int oddBit = IntDiv(level, 2);
        for (int c = 0; c < columns; ++c) {
            const auto what = [&doc, r, c] { return cellName(doc, r, c); };
            const double half = RoundToHalf(CellTenths::degrees(doc.cells[r][c]));
            if (doc.resolution == 0) {
                // The controller always holds four columns: the single cell is sent
                // four times, the even copies with bit 0 of the level, the odd with bit 1.
                w[4 * r] = w[4 * r + 2] = cellWord(conv, half, evenBit, what);
                w[4 * r + 1] = w[4 * r + 3] = cellWord(conv, half, oddBit, what);
            } else {
                w[r * columns + c] = cellWord(conv, half, c % 2 == 0 ? evenBit : oddBit, what);
            }
            if (conv.failed())
                return;
        }
    }
}

void putDwellWord(const MapDocument& doc, Conversions& conv, DeviceImage& w) {
    w[kFirstSettingsWord] = 0;
    std::optional<qint16> word;
    if (doc.operationMode == 1) {
        // Dwell correction 181.5 degrees is the field's top value 127, one step per half degree.
        const LocalText what = LocalText::entry(MessageId::DwellCorrectionName);
        const std::optional<double> angle = conv.number(doc.dwellAngle, what);
        if (angle)
            word = conv.whole(2 * RoundToHalf(*angle) - 236, what);
    } else if (doc.inputDwellMode) {
        const LocalText what = LocalText::entry(MessageId::InputChargeDwellName);
        const std::optional<double> dwell = conv.number(doc.inputChargeDwell, what);
        if (dwell)
            word = conv.whole(2 * RoundToHalf(*dwell) - 29, what);
    } else {
        return;
    }
    if (word)
        w[kFirstSettingsWord] = *word;
}

void putLoadAxis(const MapDocument& doc, Conversions& conv, DeviceImage& w) {
    for (int k = kFirstLoadWord; k <= kLastLoadWord; ++k)
        w[k] = kUnusedLoadField;
    if (doc.resolution == 0) {
        // Four equal columns: one boundary in the middle of the range.
        w[kFirstLoadWord] = 31;
        return;
    }
    for (int i = 0; i <= doc.columnCount() - 2; ++i) {
        // One step is 127/1280 V.
        const double steps = roundHalfEven(doc.loadBreakpoints[i + 1] * 1280 / 127);
        const std::optional<qint16> word = conv.whole(
            steps, LocalText::entry(MessageId::LoadBoundaryName, {QString::number(i + 1)}));
        if (!word)
            return;
        w[kFirstLoadWord + i] = *word;
    }
}

void putRevLimit(const MapDocument& doc, Conversions& conv, DeviceImage& w) {
    w[252] = 0;
    w[253] = 15;
    w[254] = 255;
    if (doc.revLimit.isEmpty())
        return;
    const LocalText what = LocalText::entry(MessageId::RevLimitName);
    const std::optional<qint16> rpm = conv.wholeText(doc.revLimit, what);
    if (!rpm)
        return;
    if (*rpm == 0)
        return conv.fail(kDivisionByZero, LocalText::entry(MessageId::RevLimitZeroDetail));
    if (*rpm < 0)
        return conv.fail(kOverflow, LocalText::entry(MessageId::RevLimitNegativeDetail,
                                                     {QString::number(*rpm)}));
    const qint64 ticks = static_cast<qint64>(roundHalfEven(kRevolutionTicks / *rpm));
    qint64 high = ticks / 256;
    qint64 sixteenths = static_cast<qint64>(roundHalfEven((ticks % 256) / 16.0));
    // A low byte that rounds up to a full 256 belongs to the high byte; written as 271
    // in the low byte it would not fit the frame.
    if (sixteenths == 16) {
        ++high;
        sixteenths = 0;
    }
    const std::optional<qint16> highWord = conv.whole(double(high), what);
    if (highWord) {
        w[252] = *highWord;
        w[253] = static_cast<qint16>(sixteenths * 16 + 15);
    }
}

void putCoilWords(const MapDocument& doc, Conversions& conv, DeviceImage& w) {
    w[256] = 128;
    w[257] = 180;
    if (doc.operationMode == 1)
        return;
    if (doc.coilControlMode == 0) {
        const LocalText sparkTime = LocalText::entry(MessageId::SparkTimeName);
        const LocalText chargeTime = LocalText::entry(MessageId::ChargeTimeName);
        const std::optional<double> spark = conv.number(doc.sparkTime, sparkTime);
        if (!spark)
            return;
        const std::optional<qint16> sparkWord = conv.whole((*spark - 0.5) * 10, sparkTime);
        // Only whole milliseconds of charge time reach the controller, in 0.1024 ms steps.
        const std::optional<qint16> charge = conv.wholeText(doc.chargeTime, chargeTime);
        if (!sparkWord || !charge)
            return;
        const std::optional<qint16> chargeWord =
            conv.whole(roundHalfEven(*charge / 0.1024), chargeTime);
        if (!chargeWord)
            return;
        w[256] = *sparkWord;
        w[257] = *chargeWord;
    } else {
        const std::optional<qint16> dwell =
            conv.wholeText(doc.dwellAngle, LocalText::entry(MessageId::ChargeDwellName));
        if (dwell)
            w[257] = *dwell;
    }
}

int configurationByte(const MapDocument& doc) {
    const int shapeCode = doc.resolution == 0 ? 8 : (doc.resolution - 1) * 16;
    const int cylinderCode = doc.operationMode == 1 ? 1 : doc.cylinderCount() - 1;
    return doc.inputPolarity * 128 + doc.outputPolarity * 64 + shapeCode + cylinderCode;
}

} // namespace

DeviceImageResult BuildDeviceImage(const MapDocument& doc, const QString& decimalSeparator) {
    Conversions conv(decimalSeparator);
    DeviceImage w{};
    putCells(doc, conv, w);
    putDwellWord(doc, conv, w);
    putLoadAxis(doc, conv, w);
    putRevLimit(doc, conv, w);
    w[255] = static_cast<qint16>(doc.operationMode == 1 ? doc.transparentIntervals
                                                        : doc.chargeCorrectionIntervals * 16 +
                                                              doc.transparentIntervals);
    putCoilWords(doc, conv, w);
    w[258] = static_cast<qint16>(configurationByte(doc));

    DeviceImageResult result;
    if (conv.failed()) {
        result.errorCode = conv.code();
        result.errorDescription = conv.description();
    } else {
        result.image = w;
    }
    return result;
}
