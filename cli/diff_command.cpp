#include "cli/cli_command.h"
#include "cli/cli_document.h"
#include "messages/map_comparison.h"

namespace {

// A note spans lines; one difference stays on one line.
QString oneLine(QString text) {
    return text.replace(QLatin1String("\r\n"), QLatin1String(" / "));
}

int runDiff(const QStringList& arguments, CliContext& context) {
    const std::optional<MapDocument> first = CliDocument::load(arguments[0], context);
    if (!first)
        return kExitWrongFile;
    const std::optional<MapDocument> second = CliDocument::load(arguments[1], context);
    if (!second)
        return kExitWrongFile;
    const QString& separator = context.decimalSeparator;
    const MapComparison comparison = compareMaps(*first, *second, separator, Language::English);
    for (const SettingDifference& setting : comparison.settings)
        context.out << "setting " << setting.name << ": " << oneLine(setting.value) << " -> "
                    << oneLine(setting.other) << '\n';
    for (const CellDifference& cell : comparison.cells) {
        context.out << "cell RPM " << first->rpmBreakpoints[cell.row] << ", load "
                    << columnLoadText(*first, cell.column, separator) << ": " << cell.value
                    << " -> " << cell.other << " (" << cell.difference << ")\n";
    }
    return comparison.same() ? kExitOk : kExitDifferent;
}

} // namespace

CliCommand diffCommand() {
    return {
        QStringLiteral("diff"),
        QStringLiteral("A.klv B.klv"),
        QStringLiteral("What differs from A to B, one line each: \"setting NAME: A -> B\" for the\n"
                       "settings, axes and cut levels, then \"cell RPM R, load L: A -> B (B-A)\"\n"
                       "for the advance cells, with A's RPM and load. Maps of different\n"
                       "resolutions are compared by their settings only. Exit status 0 when\n"
                       "nothing differs, 5 when something does."),
        2,
        &runDiff,
    };
}
