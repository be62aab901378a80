#include "tests/fuzz/session_invariants.h"

#include "core/document_ranges.h"
#include "core/number_rules.h"
#include "device/frame_build.h"
#include "editor/breakpoint_checks.h"
#include "editor/cell_value_check.h"
#include "editor/map_max_check.h"
#include "settings/field_checks.h"
#include "storage/map_file.h"
#include "ui/main_window.h"

#include <QApplication>

QList<OutOfRange> refusedValues(const MapDocument& doc, const FormState& form) {
    QList<OutOfRange> found;
    // A typed cell must reach 0.5; a map may hold 0.0 (an advance the controller takes).
    for (int r = 0; r < doc.rowCount(); ++r)
        for (int c = 0; c < doc.columnCount(); ++c) {
            const auto value = textToDouble(doc.cells[r][c], form.decimalSeparator);
            if (!value || *value < 0 || *value > CellValueCheck::kMaximum)
                found.append({QStringLiteral("Text%1(%2)").arg(c + 1).arg(r), doc.cells[r][c]});
        }
    const FieldContext context{doc.cylinderCount(), doc.operationMode == 1, form.decimalSeparator,
                               form.otherSeparator};
    auto field = [&](SettingsField f, const char* name, const QString& text) {
        if (!checkSettingsField(f, text, context).ok())
            found.append({QLatin1String(name), text});
    };
    // Only the fields the controller gets in the chosen modes.
    if (doc.operationMode == 1) {
        field(SettingsField::DwellAngle, "Text19", doc.dwellAngle);
    } else {
        if (doc.inputDwellMode)
            field(SettingsField::InputChargeDwell, "Text14", doc.inputChargeDwell);
        if (doc.coilControlMode == 0) {
            field(SettingsField::SparkTime, "Text15", doc.sparkTime);
            field(SettingsField::ChargeTime, "Text16", doc.chargeTime);
        } else {
            field(SettingsField::DwellAngle, "Text19", doc.dwellAngle);
        }
    }
    if (!doc.revLimit.isEmpty())
        field(SettingsField::RevLimit, "Text17", doc.revLimit);
    if (doc.loadUnit == 2 && MapMaxCheck::firstFailure(doc.mapMaxPressure, form))
        found.append({QStringLiteral("Text18"), doc.mapMaxPressure});
    if (doc.resolution != 0) {
        QStringList volts;
        for (int i = 1; i <= doc.columnCount(); ++i)
            volts.append(formatFixed(doc.loadBreakpoints[i], 2, form.decimalSeparator));
        if (BreakpointChecks::checkVolts(volts, form).failure)
            found.append({QStringLiteral("load axis"), volts.join(QLatin1Char(' '))});
    }
    return found;
}

namespace {

QString kindOf(const QString& field) {
    return field.contains(QLatin1Char('(')) ? QStringLiteral("cell") : QString(field).remove(' ');
}

bool sameValue(const QString& a, const QString& b, const QString& separator) {
    const auto x = textToDouble(a, separator), y = textToDouble(b, separator);
    return a == b || (x && y && *x == *y);
}

// The first value where the file's document differs from the shown one, or the empty
// text; texts that read as the same number count as the same value ("5" and "5.0").
QString firstDifference(const MapDocument& shown, MapDocument file, const QString& separator) {
    if (shown.resolution != file.resolution)
        return QStringLiteral("resolution");
    for (int r = 0; r < shown.rowCount(); ++r)
        for (int c = 0; c < shown.columnCount(); ++c) {
            if (!sameValue(shown.cells[r][c], file.cells[r][c], separator))
                return QStringLiteral("cell %1,%2: %3 / %4")
                    .arg(r)
                    .arg(c)
                    .arg(shown.cells[r][c], file.cells[r][c]);
            file.cells[r][c] = shown.cells[r][c];
        }
    const std::pair<const char*, QString MapDocument::*> texts[] = {
        {"Text15", &MapDocument::sparkTime},  {"Text16", &MapDocument::chargeTime},
        {"Text19", &MapDocument::dwellAngle}, {"Text14", &MapDocument::inputChargeDwell},
        {"Text17", &MapDocument::revLimit},   {"Text18", &MapDocument::mapMaxPressure},
        {"Text13", &MapDocument::note}};
    for (const auto& [name, text] : texts) {
        if (!sameValue(shown.*text, file.*text, separator))
            return QStringLiteral("%1 \"%2\" / \"%3\"")
                .arg(QLatin1String(name), shown.*text, file.*text);
        file.*text = shown.*text;
    }
    return shown == file ? QString() : QStringLiteral("axes, lists or options");
}

} // namespace

QString SessionInvariants::shownValues() const {
    if (!m_window.isVisible())
        return {};
    if (!m_window.formState().documentReady)
        return QStringLiteral("ready: the window was left in its not-ready state");
    const QWidget* focus = m_window.focusWidget();
    const QString typing = focus ? focus->objectName() : QString();
    for (const OutOfRange& v : refusedValues(m_window.collectDocument(), m_window.formState()))
        if (v.field != typing && m_loadedOutOfRange.value(v.field, QStringLiteral("\n")) != v.value)
            return QStringLiteral("shown-%1: %2 shows \"%3\" (focus: %4)")
                .arg(kindOf(v.field), v.field, v.value, typing);
    return {};
}

QString SessionInvariants::afterLoad(const QString& path, bool reported) {
    if (!m_window.windowTitle().endsWith(QStringLiteral("  ") + path))
        return {};
    m_loadedOutOfRange.clear();
    const QList<OutOfRange> found = refusedValues(m_window.collectDocument(), m_window.formState());
    for (const OutOfRange& v : found)
        m_loadedOutOfRange.insert(v.field, v.value);
    if (found.isEmpty() || reported)
        return {};
    return QStringLiteral("load-unreported: %1 loaded as \"%2\" without a message")
        .arg(found.first().field, found.first().value);
}

QString SessionInvariants::savedFile(const QString& path) const {
    const QString separator = m_window.formState().decimalSeparator;
    // The window's own document is the base a load starts from: what the file does not
    // hold in the chosen modes stays as shown.
    MapDocument shown = m_window.collectDocument();
    const Outcome<MapDocument> read = loadMapFile(path, shown, separator);
    // Map files cannot hold empty lines before the note's first text; readers drop them.
    while (shown.note.startsWith(QLatin1String("\r\n")))
        shown.note.remove(0, 2);
    if (!read.ok())
        return QStringLiteral("save-unreadable: the saved file is refused: %1").arg(read.reason());
    const QString difference = firstDifference(shown, read.value(), separator);
    if (difference.isEmpty())
        return {};
    return QStringLiteral("save-differs: the saved file reads back otherwise (%1)").arg(difference);
}

QString SessionInvariants::sentFrame(const MapDocument& from, const QByteArray& sent) const {
    const QString separator = m_window.formState().decimalSeparator;
    if (const auto failure = firstValueOutOfRange(from, separator))
        return QStringLiteral("frame-out-of-range: sent although %1")
            .arg(m_window.texts().message(*failure));
    const FrameBuild build = buildFrame(from, separator);
    for (int i = 0; i < sent.size() && i < int(build.frame.size()); ++i)
        if (quint8(sent[i]) != build.frame[size_t(i)] || build.conversionError)
            return QStringLiteral("frame-differs: byte %1 sent as %2").arg(i).arg(quint8(sent[i]));
    return {};
}
