#include "core/load_header_text.h"
#include "editor/breakpoint_checks.h"
#include "editor/cell_value_check.h"
#include "editor/column_check.h"
#include "editor/cut_level_walk.h"
#include "editor/map_max_check.h"
#include "language/language_texts.h"

#include <QtTest>

namespace {
// One row covers both locales: "#" is the locale's separator, "@" the other one, and
// <own>/<other> name them in messages.
QString inLocale(QString text, const QString& decimal) {
    const bool point = decimal == ".";
    return text.replace('#', decimal)
        .replace('@', point ? "," : ".")
        .replace("<own>", point ? "point" : "comma")
        .replace("<other>", point ? "comma" : "point");
}

// The message of a refused input, or "ok". The axis checks take the texts of the rows or
// headers split at spaces, the locked top header included; "lower" lowers a column's value.
QString outcome(const QString& check, const QString& input, const QString& decimal) {
    const FormState form{false, {}, decimal, decimal == "," ? "." : ","};
    const std::optional<CheckFailure> failure =
        check == "cell"  ? CellValueCheck::firstFailure(input, form)
        : check == "map" ? MapMaxCheck::firstFailure(input, form)
        : check == "rpm" ? BreakpointChecks::checkRpm(input.split(' ')).failure
        : check == "volts"
            ? BreakpointChecks::checkVolts(input.split(' '), form).failure
            : ColumnCheck::refusal(input.toInt(), ColumnCheck::Step::Decrease, decimal);
    return failure ? LanguageTexts().message(*failure) : QStringLiteral("ok");
}
} // namespace

class RulesTest : public QObject {
    Q_OBJECT
  private slots:
    void checks_data() {
        QTest::addColumn<QString>("check");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        const QString number = "Only number is accepted! Type again:";
        const auto row = [](const char* check, const char* input) -> QTestData& {
            return QTest::addRow("%s '%s'", check, input) << QString(check) << QString(input);
        };
        row("cell", "1e3") << number;
        row("cell", "12@5") << "Only decimal <own> is accepted, not decimal <other>! type again:";
        row("cell", "63#51") << "Maximal value is 63#5 degree! Type again:";
        // Numbers too long for a double are above the maximum.
        const QByteArray huge = QByteArray(320, '9') + "#5";
        row("cell", huge.constData()) << "Maximal value is 63#5 degree! Type again:";
        row("map", "x1") << "Effective range upper limit of MAP sensor must be number! Type again!";
        row("map", "2@5") << "Only decimal <own> is allowed, not decimal <other>!";
        row("rpm", "650 900 800 1000") << "The 3. RPM value (800) is not higher than the 2. (900)!";
        row("rpm", "550 800") << "The first RPM value(550) can not be less than 600!";
        row("rpm", "0 800") << "The 1. RPM value (0) is not higher than zero!";
        // Every row is read before the first row's minimum is looked at.
        row("rpm", "550 500 x") << "The 3. RPM value (x) is not number!";
        row("volts", "3#2 5#00") << "The first Voltage value can not be higher than 3#1V!";
        row("volts", "2#004 2#001 5")
            << "The 2. Voltage value (2#001) is not higher than the 1. (2#004)!";
        // Then once more as kept, with two decimals, quoting the kept values.
        row("volts", "2#001 2#004 5#00")
            << "The 2. Voltage value (2#00) is not higher than the 1. (2#00)!";
        row("volts", "0#004 5#00") << "The 1. Voltage value (0#00) is not higher than zero!";
        row("volts", "2@5 5#00")
            << "The 1. Voltage value (2@5) must have decimal <own>, not decimal <other>!";
        // Each boundary passes all its own rules before the next one is read.
        row("volts", "3#2 abc 5#00") << "The first Voltage value can not be higher than 3#1V!";
        row("volts", "3 2 6 5#00") << "The 3. Voltage value (6) higher than 5V!";
        row("lower", "9") << "Value can not be less than 0#5 degree!"; // tenths of a degree
    }
    void checks() {
        QFETCH(QString, check);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        for (const QString decimal : {".", ","})
            QCOMPARE(outcome(check, inLocale(input, decimal), decimal),
                     inLocale(expected, decimal));
    }

    // An unknown load unit is shown in bar. A chosen cut level caps every row above it,
    // also past a row already lower.
    void headerAndCutLevelRules() {
        QCOMPARE(LoadHeaderText::text(7, 5.0, 2.5, ","), QStringLiteral("2,50"));
        QCOMPARE(CutLevelWalk::apply({3, 0, 3, 1, 0}, 3), (QList<int>{1, 0, 1, 1, 1}));
    }
};

QTEST_GUILESS_MAIN(RulesTest)
#include "tst_rules.moc"
