#include "core/number_rules.h"
#include "core/numeric_text.h"

#include <QtTest>
#include <cmath>
#include <limits>

class NumberRulesTest : public QObject {
    Q_OBJECT
  private slots:
    void decimalText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("decimal");
        QTest::addColumn<bool>("integer");
        QTest::newRow("empty") << "" << false << true;
        QTest::newRow("lone minus") << "-" << false << false;
        QTest::newRow("leading zeros") << "007" << true << true;
        QTest::newRow("negative comma") << "-0,5" << true << false;
        QTest::newRow("trailing point") << "5." << true << false;
        QTest::newRow("two points") << "1.2.3" << false << false;
        QTest::newRow("mixed separators") << "1,2.3" << false << false;
        QTest::newRow("exponent") << "1e3" << false << false;
        QTest::newRow("plus sign") << "+5" << false << false;
        QTest::newRow("non-ascii digit") << QString::fromUtf8("\u0663") << false << false;
    }
    void decimalText() {
        QFETCH(QString, text);
        QFETCH(bool, decimal);
        QFETCH(bool, integer);
        QCOMPARE(IsDecimalText(text), decimal);
        QCOMPARE(IsIntegerText(text), integer);
    }

    void roundToHalf_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("expected");
        QTest::newRow("10.25") << 10.25 << 10.0;
        QTest::newRow("10.26") << 10.26 << 10.5;
        QTest::newRow("10.75") << 10.75 << 11.0;
        QTest::newRow("negative") << -1.3 << -1.5;
    }
    void roundToHalf() {
        QFETCH(double, x);
        QFETCH(double, expected);
        QCOMPARE(RoundToHalf(x), expected);
    }

    void wholeNumbers_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("expected"); // -99999 means no value
        QTest::newRow("2.5 to even") << 2.5 << 2;
        QTest::newRow("just above half") << 2.5000001 << 3;
        QTest::newRow("largest") << 32767.4 << 32767;
        QTest::newRow("rounds past the top") << 32767.5 << -99999;
        QTest::newRow("below the bottom") << -32769.0 << -99999;
        QTest::newRow("not a number") << std::nan("") << -99999;
    }
    void wholeNumbers() {
        QFETCH(double, x);
        QFETCH(int, expected);
        const std::optional<qint16> whole = toWhole16(x);
        if (expected == -99999)
            QVERIFY(!whole);
        else
            QCOMPARE(int(whole.value_or(12345)), expected);
    }

    // Rows without a value must be refused.
    void textConversion_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<double>("value");
        const double none = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("comma locale") << "1,25"
                                      << "," << 1.25;
        QTest::newRow("point in comma locale") << "1.25"
                                               << "," << none;
        QTest::newRow("negative") << "-0,5"
                                  << "," << -0.5;
        QTest::newRow("blanks around") << " 7 "
                                       << "." << 7.0;
        QTest::newRow("exponent") << "1e3"
                                  << "." << none;
        QTest::newRow("infinity word") << "inf"
                                       << "." << none;
    }
    void textConversion() {
        QFETCH(QString, text);
        QFETCH(QString, separator);
        QFETCH(double, value);
        const std::optional<double> parsed = textToDouble(text, separator);
        QCOMPARE(parsed.has_value(), !std::isnan(value));
        if (parsed)
            QCOMPARE(*parsed, value);
    }

    // A number too long for a double is above every maximum, a tiny one below.
    void checkedValues_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        const double infinity = std::numeric_limits<double>::infinity();
        QTest::newRow("plain") << "1,5" << 1.5;
        QTest::newRow("320 digits") << QString(320, '9') << infinity;
        QTest::newRow("400 digits negative") << "-" + QString(400, '1') + ",5" << -infinity;
        QTest::newRow("below precision") << "0," + QString(400, '0') + "1" << 0.0;
    }
    void checkedValues() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(checkedDecimalValue(text, ","), value);
    }

    void divisionTruncatesAndMinPrefersTheSecondOnTies() {
        QCOMPARE(IntDiv(-7, 2), -3);
        QCOMPARE(IntDiv(7, -2), -3);
        QCOMPARE(IntDiv(63, 16), 3);
        QVERIFY(std::signbit(MinOf(0.0, -0.0)));
        QVERIFY(!std::signbit(MinOf(-0.0, 0.0)));
    }

    void fixedFormat_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("text");
        QTest::newRow("comma") << 0.5 << 1 << ","
                               << "0,5";
        QTest::newRow("pads") << 2.4 << 2 << "."
                              << "2.40";
        QTest::newRow("no decimals") << 57.99999999999999 << 0 << "."
                                     << "58";
        QTest::newRow("no negative zero") << -0.01 << 1 << "."
                                          << "0.0";
        // The shortest text of the number is rounded, halves away from zero.
        QTest::newRow("1.15") << 1.15 << 1 << "."
                              << "1.2";
        QTest::newRow("2.15") << 2.15 << 1 << "."
                              << "2.2";
        QTest::newRow("4.35") << 4.35 << 1 << "."
                              << "4.4";
        QTest::newRow("negative half") << -1.25 << 1 << "."
                                       << "-1.3";
        QTest::newRow("just below a half") << 1.2499999999 << 1 << "."
                                           << "1.2";
        QTest::newRow("carry") << 9.96 << 1 << "."
                               << "10.0";
        QTest::newRow("two decimals half") << 2.005 << 2 << ","
                                           << "2,01";
        QTest::newRow("two decimals below") << 2.0049999999 << 2 << "."
                                            << "2.00";
    }
    void fixedFormat() {
        QFETCH(double, x);
        QFETCH(int, decimals);
        QFETCH(QString, separator);
        QFETCH(QString, text);
        QCOMPARE(formatFixed(x, decimals, separator), text);
    }
};

QTEST_GUILESS_MAIN(NumberRulesTest)
#include "tst_number_rules.moc"
