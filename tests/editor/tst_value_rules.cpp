#include "editor/decimal_format.h"
#include "editor/load_header_text.h"

#include <QtTest>

class ValueRulesTest : public QObject {
    Q_OBJECT
private slots:
    void oneDecimalHalvesAwayFromZero_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("point");
        QTest::addColumn<QString>("comma");
        QTest::newRow("12.34") << 12.34 << "12.3" << "12,3";
        QTest::newRow("7") << 7.0 << "7.0" << "7,0";
        QTest::newRow("1.25") << 1.25 << "1.3" << "1,3";
        QTest::newRow("1.15 as typed") << 1.15 << "1.2" << "1,2";
        QTest::newRow("63.5") << 63.5 << "63.5" << "63,5";
        QTest::newRow("0.05") << 0.05 << "0.1" << "0,1";
        QTest::newRow("-1.25") << -1.25 << "-1.3" << "-1,3";
        QTest::newRow("tiny negative is no minus zero") << -0.01 << "0.0" << "0,0";
    }
    void oneDecimalHalvesAwayFromZero() {
        QFETCH(double, value);
        QFETCH(QString, point);
        QFETCH(QString, comma);
        QCOMPARE(DecimalFormat::fixed(value, 1, "."), point);
        QCOMPARE(DecimalFormat::fixed(value, 1, ","), comma);
        QCOMPARE(DecimalFormat::toDouble(comma, ","), DecimalFormat::toDouble(point, "."));
    }

    void headerTexts_data() {
        QTest::addColumn<int>("unit");
        QTest::addColumn<double>("mapMaximum");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("V") << 0 << 0.0
                           << QStringList{"2.00", "2.40", "2.90", "3.50", "4.20", "5.00"};
        QTest::newRow("%") << 1 << 0.0 << QStringList{"40%", "48%", "58%", "70%", "84%", "100%"};
        QTest::newRow("Bar 1.0") << 2 << 1.0
                                 << QStringList{"0.40", "0.48", "0.58", "0.70", "0.84", "1.00"};
        QTest::newRow("Bar 2.5") << 2 << 2.5
                                 << QStringList{"1.00", "1.20", "1.45", "1.75", "2.10", "2.50"};
        QTest::newRow("unknown unit is bar")
            << 7 << 2.5 << QStringList{"1.00", "1.20", "1.45", "1.75", "2.10", "2.50"};
    }
    void headerTexts() {
        QFETCH(int, unit);
        QFETCH(double, mapMaximum);
        QFETCH(QStringList, expected);
        const double volts[] = {2.0, 2.4, 2.9, 3.5, 4.2, 5.0};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(LoadHeaderText::text(unit, volts[i], mapMaximum, "."), expected[i]);
            QCOMPARE(LoadHeaderText::text(unit, volts[i], mapMaximum, ","),
                     QString(expected[i]).replace('.', ','));
        }
    }
};

QTEST_GUILESS_MAIN(ValueRulesTest)
#include "tst_value_rules.moc"
