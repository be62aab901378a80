#include "core/number_rules.h"
#include "core/numeric_text.h"

#include <QtTest>
#include <cmath>

namespace {

QString shown(std::optional<double> value) {
    return value ? QString::number(*value, 'g', 17) : QStringLiteral("none");
}

// What a rule makes of an input, as text. Inputs with a separator use "," for it.
QString outcome(const QString& rule, const QString& input) {
    const double x = input == "nan" ? std::nan("") : input.toDouble();
    if (rule == "text") // "decimal integer" flags
        return QStringLiteral("%1 %2").arg(IsDecimalText(input)).arg(IsIntegerText(input));
    if (rule == "half")
        return shown(RoundToHalf(x));
    if (rule == "whole") {
        const std::optional<qint16> whole = toWhole16(x);
        return whole ? QString::number(*whole) : QStringLiteral("none");
    }
    if (rule == "point" || rule == "comma")
        return shown(textToDouble(input, rule == "point" ? u"." : u","));
    if (rule == "checked")
        return shown(checkedDecimalValue(input, ","));
    return formatFixed(x, rule.right(1).toInt(), rule.startsWith("comma") ? "," : ".");
}

} // namespace

class NumberRulesTest : public QObject {
    Q_OBJECT
  private slots:
    void rules_data() {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* rule, const QString& input, const char* expected) {
            QTest::addRow("%s %s", rule, qPrintable(input.left(20)))
                << QString(rule) << input << QString(expected);
        };
        row("text", "", "0 1");
        row("text", "-0,5", "1 0");
        row("text", "+5", "0 0");
        row("text", QString::fromUtf8("\u0663"), "0 0");
        row("half", "10.25", "10");
        row("half", "-1.3", "-1.5");
        row("whole", "2.5", "2");
        row("whole", "32767.5", "none");
        row("whole", "nan", "none");
        row("comma", "1.25", "none");
        row("point", " 7 ", "7");
        row("point", "inf", "none");
        // A number too small for a double is below every minimum; one too long for it is
        // above every maximum, as the field checks show.
        row("checked", "0," + QString(400, '0') + "1", "0");
        row("fixed 0", "57.99999999999999", "58");
        row("fixed 1", "-0.01", "0.0");
        // The shortest text of the number is rounded, halves away from zero.
        row("fixed 1", "1.15", "1.2");
        row("fixed 1", "9.96", "10.0");
        row("comma fixed 2", "2.005", "2,01");
    }
    void rules() {
        QFETCH(QString, rule);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(outcome(rule, input), expected);
    }

    // Division truncates toward zero; the minimum of equal values is the second one.
    void divisionAndMinimum() {
        QCOMPARE((QList<int>{IntDiv(-7, 2), IntDiv(7, -2), IntDiv(63, 16)}),
                 (QList<int>{-3, -3, 3}));
        QVERIFY(std::signbit(MinOf(0.0, -0.0)) && !std::signbit(MinOf(-0.0, 0.0)));
    }
};

QTEST_GUILESS_MAIN(NumberRulesTest)
#include "tst_number_rules.moc"
