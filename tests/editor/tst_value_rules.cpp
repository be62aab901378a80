#include "editor/cell_value_check.h"
#include "core/decimal_format.h"
#include "core/load_header_text.h"
#include "editor/map_max_check.h"

#include <QtTest>

namespace {
FormState separators(const QString& decimal) {
    FormState form;
    form.decimalSeparator = decimal;
    form.otherSeparator = decimal == "," ? "." : ",";
    return form;
}

// The message a failed check shows, or "ok"; "#" in a text stands for the locale's
// separator so one row covers both locales.
QString verdict(const std::optional<CheckFailure>& failure, const LanguageTexts& texts) {
    return failure ? failure->text(texts) : QStringLiteral("ok");
}
} // namespace

class ValueRulesTest : public QObject {
    Q_OBJECT
private slots:
    void cellCheck_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const QString empty = "Empty field is not allowed on the Ignition Values table! Type again!";
        const QString number = "Only number is accepted! Type again:";
        QTest::newRow("empty") << "" << empty;
        QTest::newRow("letters") << "abc" << number;
        QTest::newRow("two separators") << "1#2#3" << number;
        QTest::newRow("inner minus") << "1-2" << number;
        QTest::newRow("exponent") << "1e3" << number;
        QTest::newRow("other separator") << "12@5" << "other";
        QTest::newRow("largest") << "63#5" << "ok";
        QTest::newRow("just above largest") << "63#51" << "Maximal value is 63#5 degree! Type again:";
        QTest::newRow("smallest") << "0#5" << "ok";
        QTest::newRow("just below smallest") << "0#4" << "Minimal value is 0#5 degree! Type again:";
        QTest::newRow("negative") << "-1" << "Minimal value is 0#5 degree! Type again:";
        QTest::newRow("zero") << "0" << "Minimal value is 0#5 degree! Type again:";
        QTest::newRow("whole") << "7" << "ok";
        QTest::newRow("leading separator") << "#5" << "ok";
    }
    void cellCheck() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        LanguageTexts texts;
        for (const QString decimal : {".", ","}) {
            const FormState form = separators(decimal);
            QString want = QString(expected).replace('#', decimal);
            if (expected == "other")
                want = decimal == "." ? "Only decimal point is accepted, not decimal comma! type again:"
                                      : "Only decimal comma is accepted, not decimal point! type again:";
            const QString typed = QString(text).replace('#', decimal).replace('@', form.otherSeparator);
            QCOMPARE(verdict(CellValueCheck::firstFailure(typed, form), texts), want);
        }
    }

    void cellMessagesTitledAttention() {
        LanguageTexts texts;
        const auto failure = CellValueCheck::firstFailure("", separators("."));
        QVERIFY(failure);
        QCOMPARE(failure->title(texts), QStringLiteral("Attention!"));
        texts.setLanguage(Language::Hungarian);
        QCOMPARE(failure->title(texts), QStringLiteral("Figyelem!"));
    }

    void acceptedCellRewritten_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("two decimals") << "12#34" << "12#3";
        QTest::newRow("whole") << "7" << "7#0";
        QTest::newRow("half up") << "1#25" << "1#3";
        QTest::newRow("largest") << "63#5" << "63#5";
        QTest::newRow("leading separator") << "#5" << "0#5";
    }
    void acceptedCellRewritten() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        for (const QString decimal : {".", ","})
            QCOMPARE(CellValueCheck::formatted(QString(typed).replace('#', decimal), decimal),
                     QString(shown).replace('#', decimal));
    }

    void mapMaximumCheck_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << "" << "It is necessary to set effective range upper limit of MAP sensor! In case of MAP sensor produced for Atmosferic Engine: 1 Bar! Type again!";
        QTest::newRow("letters") << "x1" << "Effective range upper limit of MAP sensor must be number! Type again!";
        QTest::newRow("other separator") << "2@5" << "other";
        QTest::newRow("above") << "12" << "Effective range upper limit of MAP sensor is 10 Bar! Type again!";
        QTest::newRow("below") << "0#5" << "Effective range lower limit of MAP sensor is 1 Bar! Type again!";
        QTest::newRow("upper bound") << "10" << "ok";
        QTest::newRow("lower bound") << "1" << "ok";
        QTest::newRow("between") << "2#5" << "ok";
    }
    void mapMaximumCheck() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        LanguageTexts texts;
        for (const QString decimal : {".", ","}) {
            const FormState form = separators(decimal);
            QString want = expected;
            if (expected == "other")
                want = decimal == "." ? "Only decimal point is allowed, not decimal comma!"
                                      : "Only decimal comma is allowed, not decimal point!";
            const QString typed = QString(text).replace('#', decimal).replace('@', form.otherSeparator);
            QCOMPARE(verdict(MapMaxCheck::firstFailure(typed, form), texts), want);
        }
    }

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
