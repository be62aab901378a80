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
        QTest::newRow("lone point") << "." << false << false;
        QTest::newRow("lone comma") << "," << false << false;
        QTest::newRow("digit") << "5" << true << true;
        QTest::newRow("leading zeros") << "007" << true << true;
        QTest::newRow("negative comma") << "-0,5" << true << false;
        QTest::newRow("leading point") << ".5" << true << false;
        QTest::newRow("minus point") << "-.5" << true << false;
        QTest::newRow("trailing point") << "5." << true << false;
        QTest::newRow("two decimals") << "12.25" << true << false;
        QTest::newRow("comma") << "1,5" << true << false;
        QTest::newRow("point") << "1.5" << true << false;
        QTest::newRow("two points") << "1.2.3" << false << false;
        QTest::newRow("mixed separators") << "1,2.3" << false << false;
        QTest::newRow("trailing minus") << "1-" << false << false;
        QTest::newRow("exponent") << "1e3" << false << false;
        QTest::newRow("plus sign") << "+5" << false << false;
        QTest::newRow("inner blank") << "1 5" << false << false;
        QTest::newRow("negative integer") << "-5" << true << false;
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
        QTest::newRow("quarter stays down") << 0.25 << 0.0;
        QTest::newRow("three quarters goes up") << 0.75 << 1.0;
        QTest::newRow("10.25") << 10.25 << 10.0;
        QTest::newRow("10.26") << 10.26 << 10.5;
        QTest::newRow("10.74") << 10.74 << 10.5;
        QTest::newRow("10.75") << 10.75 << 11.0;
        QTest::newRow("10.2") << 10.2 << 10.0;
        QTest::newRow("10.3") << 10.3 << 10.5;
        QTest::newRow("10.8") << 10.8 << 11.0;
        QTest::newRow("63.6") << 63.6 << 63.5;
        QTest::newRow("63.8") << 63.8 << 64.0;
        QTest::newRow("negative") << -1.3 << -1.5;
        QTest::newRow("already half") << 7.5 << 7.5;
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
        QTest::newRow("3.5 to even") << 3.5 << 4;
        QTest::newRow("5.5") << 5.5 << 6;
        QTest::newRow("6.5") << 6.5 << 6;
        QTest::newRow("-2.5") << -2.5 << -2;
        QTest::newRow("just above half") << 2.5000001 << 3;
        QTest::newRow("largest") << 32767.4 << 32767;
        QTest::newRow("rounds past the top") << 32767.5 << -99999;
        QTest::newRow("smallest") << -32768.0 << -32768;
        QTest::newRow("below the bottom") << -32769.0 << -99999;
        QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << -99999;
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

    void textConversion_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("value");
        QTest::newRow("point locale") << "1.25"
                                      << "." << true << 1.25;
        QTest::newRow("comma locale") << "1,25"
                                      << "," << true << 1.25;
        QTest::newRow("point in comma locale") << "1.25"
                                               << "," << false << 0.0;
        QTest::newRow("comma in point locale") << "1,25"
                                               << "." << false << 0.0;
        QTest::newRow("whole") << "600"
                               << "," << true << 600.0;
        QTest::newRow("negative") << "-0,5"
                                  << "," << true << -0.5;
        QTest::newRow("blanks around") << " 7 "
                                       << "." << true << 7.0;
        QTest::newRow("empty") << ""
                               << "." << false << 0.0;
        QTest::newRow("sign only") << "-"
                                   << "." << false << 0.0;
        QTest::newRow("exponent") << "1e3"
                                  << "." << false << 0.0;
        QTest::newRow("letters") << "abc"
                                 << "." << false << 0.0;
        QTest::newRow("infinity word") << "inf"
                                       << "." << false << 0.0;
    }
    void textConversion() {
        QFETCH(QString, text);
        QFETCH(QString, separator);
        QFETCH(bool, valid);
        QFETCH(double, value);
        const std::optional<double> parsed = textToDouble(text, separator);
        QCOMPARE(parsed.has_value(), valid);
        if (valid)
            QCOMPARE(*parsed, value);
    }

    void integerDivision_data() {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("quotient");
        QTest::newRow("7 div 2") << 7 << 2 << 3;
        QTest::newRow("-7 div 2 truncates") << -7 << 2 << -3;
        QTest::newRow("63 div 16") << 63 << 16 << 3;
        QTest::newRow("7 div -2") << 7 << -2 << -3;
        QTest::newRow("exact") << 64 << 16 << 4;
    }
    void integerDivision() {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, quotient);
        QCOMPARE(IntDiv(a, b), quotient);
    }

    void minOfPrefersTheSecondOnTies() {
        const double zero = 0.0;
        const double negativeZero = -0.0;
        QVERIFY(std::signbit(MinOf(zero, negativeZero)));
        QVERIFY(!std::signbit(MinOf(negativeZero, zero)));
        QCOMPARE(MinOf(1.0, 2.0), 1.0);
        QCOMPARE(MinOf(3.0, 2.0), 2.0);
    }

    void fixedFormat_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("text");
        QTest::newRow("one decimal") << 0.5 << 1 << ","
                                     << "0,5";
        QTest::newRow("pads") << 5.0 << 1 << "."
                              << "5.0";
        QTest::newRow("two decimals") << 2.4 << 2 << "."
                                      << "2.40";
        QTest::newRow("no decimals") << 57.99999999999999 << 0 << "."
                                     << "58";
        QTest::newRow("negative") << -0.5 << 1 << "."
                                  << "-0.5";
        QTest::newRow("no negative zero") << -0.01 << 1 << "."
                                          << "0.0";
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
