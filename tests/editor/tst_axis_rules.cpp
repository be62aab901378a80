#include "editor/breakpoint_checks.h"
#include "editor/column_check.h"

#include <QtTest>

namespace {
FormState separators(const QString& decimal) {
    FormState form;
    form.decimalSeparator = decimal;
    form.otherSeparator = decimal == "," ? "." : ",";
    return form;
}

// "#" stands for the locale's separator and "@" for the other one, so one row covers
// both locales.
QString inLocale(QString text, const FormState& form) {
    return text.replace('#', form.decimalSeparator).replace('@', form.otherSeparator);
}

QStringList inLocale(const QStringList& texts, const FormState& form) {
    QStringList out;
    for (const QString& t : texts)
        out.append(inLocale(t, form));
    return out;
}

QString verdict(const std::optional<CheckFailure>& failure, const LanguageTexts& texts) {
    return failure ? failure->text(texts) : QStringLiteral("ok");
}
} // namespace

class AxisRulesTest : public QObject {
    Q_OBJECT
private slots:
    void rpmAxis_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ascending") << QStringList{"650", "800", "950"} << "ok";
        QTest::newRow("lowest first and largest last")
            << QStringList{"600", "601", "32767"} << "ok";
        QTest::newRow("repeated value")
            << QStringList{"650", "800", "800"}
            << "The 3. RPM value (800) is not higher than the 2. (800)!";
        QTest::newRow("drop in the middle")
            << QStringList{"650", "900", "800", "1000"}
            << "The 3. RPM value (800) is not higher than the 2. (900)!";
        QTest::newRow("first too low")
            << QStringList{"550", "800"} << "The first RPM value(550) can not be less than 600!";
        QTest::newRow("first zero")
            << QStringList{"0", "800"} << "The 1. RPM value (0) is not higher than zero!";
        QTest::newRow("letter inside")
            << QStringList{"650", "800", "950", "1100", "7a0"}
            << "The 5. RPM value (7a0) is not number!";
        QTest::newRow("empty") << QStringList{"650", ""} << "The 2. RPM value () is not number!";
        QTest::newRow("beyond 16 bits")
            << QStringList{"650", "40000"} << "The 2. RPM value (40000) is not number!";
        QTest::newRow("far beyond 16 bits")
            << QStringList{"650", "99999999999999999999"}
            << "The 2. RPM value (99999999999999999999) is not number!";
        QTest::newRow("sign") << QStringList{"-650"} << "The 1. RPM value (-650) is not number!";
        QTest::newRow("decimal") << QStringList{"650.5"}
                                 << "The 1. RPM value (650.5) is not number!";
        // Every row is read before the first row's minimum and the order are looked at.
        QTest::newRow("number rules first")
            << QStringList{"550", "500", "x"} << "The 3. RPM value (x) is not number!";
        QTest::newRow("minimum before order")
            << QStringList{"550", "500"} << "The first RPM value(550) can not be less than 600!";
    }
    void rpmAxis() {
        QFETCH(QStringList, rows);
        QFETCH(QString, expected);
        LanguageTexts texts;
        const BreakpointChecks::RpmAxis axis = BreakpointChecks::checkRpm(rows);
        QCOMPARE(verdict(axis.failure, texts), expected);
        if (!axis.failure) {
            QCOMPARE(axis.rpm.size(), rows.size());
            for (int r = 0; r < rows.size(); ++r)
                QCOMPARE(int(axis.rpm[r]), rows[r].toInt());
        } else {
            QCOMPARE(axis.failure->title(texts), QStringLiteral("Error!"));
        }
    }

    void rpmMessageInHungarian() {
        LanguageTexts texts;
        texts.setLanguage(Language::Hungarian);
        const auto axis = BreakpointChecks::checkRpm({"650", "800", "800"});
        QCOMPARE(verdict(axis.failure, texts),
                 QStringLiteral("A(z) 3-dik fordulatszám határ (800) nem nagyobb, mint a(z) "
                                "2-dik (800)!"));
        QCOMPARE(axis.failure->title(texts), QStringLiteral("Hiba!"));
    }

    void voltAxis_data() {
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<QString>("expected");
        QTest::newRow("defaults")
            << QStringList{"2#00", "2#40", "2#90", "3#50", "4#20", "5#00"} << "ok";
        QTest::newRow("whole numbers") << QStringList{"1", "2", "5#00"} << "ok";
        QTest::newRow("first at its limit") << QStringList{"3#1", "5#00"} << "ok";
        QTest::newRow("only the locked top") << QStringList{"5#00"} << "ok";
        QTest::newRow("first above its limit")
            << QStringList{"3#2", "5#00"} << "The first Voltage value can not be higher than 3#1V!";
        QTest::newRow("above 5 V")
            << QStringList{"2#0", "5#5", "5#00"} << "The 2. Voltage value (5#5) higher than 5V!";
        QTest::newRow("last editable at the top")
            << QStringList{"2", "5", "5#00"}
            << "The 3. Voltage value (5#00) is not higher than the 2. (5)!";
        QTest::newRow("falling")
            << QStringList{"2#0", "1#5", "5#00"}
            << "The 2. Voltage value (1#5) is not higher than the 1. (2#0)!";
        QTest::newRow("equal once kept with two decimals")
            << QStringList{"2#001", "2#004", "5#00"}
            << "The 2. Voltage value (2#004) is not higher than the 1. (2#001)!";
        QTest::newRow("top once kept with two decimals")
            << QStringList{"2", "4#999", "5#00"}
            << "The 3. Voltage value (5#00) is not higher than the 2. (4#999)!";
        QTest::newRow("letters")
            << QStringList{"2#0", "abc", "5#00"} << "The 2. Voltage value (abc) is not number!";
        QTest::newRow("empty") << QStringList{"", "5#00"} << "The 1. Voltage value () is not number!";
        QTest::newRow("two separators")
            << QStringList{"2#0#1", "5#00"} << "The 1. Voltage value (2#0#1) is not number!";
        QTest::newRow("other separator") << QStringList{"2@5", "5#00"} << "other";
        QTest::newRow("zero")
            << QStringList{"0", "5#00"} << "The 1. Voltage value (0) is not higher than zero!";
        QTest::newRow("rounds to zero")
            << QStringList{"0#004", "5#00"} << "The 1. Voltage value (0#004) is not higher than zero!";
        QTest::newRow("negative")
            << QStringList{"2", "-1", "5#00"} << "The 2. Voltage value (-1) is not higher than zero!";
        // Each boundary passes all its own rules before the next one is read.
        QTest::newRow("first limit before a later number rule")
            << QStringList{"3#2", "abc", "5#00"}
            << "The first Voltage value can not be higher than 3#1V!";
        QTest::newRow("number rules before order")
            << QStringList{"3", "2", "6", "5#00"} << "The 3. Voltage value (6) higher than 5V!";
    }
    void voltAxis() {
        QFETCH(QStringList, headers);
        QFETCH(QString, expected);
        LanguageTexts texts;
        for (const QString decimal : {".", ","}) {
            const FormState form = separators(decimal);
            QString want = inLocale(expected, form);
            if (expected == "other")
                want = decimal == "." ? "The 1. Voltage value (2,5) must have decimal point, not "
                                        "decimal comma!"
                                      : "The 1. Voltage value (2.5) must have decimal comma, not "
                                        "decimal point!";
            const QStringList typed = inLocale(headers, form);
            const BreakpointChecks::VoltAxis axis = BreakpointChecks::checkVolts(typed, form);
            QCOMPARE(verdict(axis.failure, texts), want);
            if (axis.failure)
                QCOMPARE(axis.failure->title(texts), QStringLiteral("Error!"));
            else
                QCOMPARE(axis.volts.size(), headers.size() - 1);
        }
    }

    void acceptedVoltsKeptWithTwoDecimals() {
        for (const QString decimal : {".", ","}) {
            const FormState form = separators(decimal);
            const auto axis =
                BreakpointChecks::checkVolts(inLocale(QStringList{"1#234", "2#5", "5#00"}, form), form);
            QVERIFY(!axis.failure);
            QCOMPARE(axis.volts, (QList<double>{1.23, 2.5}));
        }
    }

    void columnStep_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("raise");
        QTest::addColumn<QString>("expected"); // the new text, or the refusal
        const QString high = "Value can not be higher than 63#5 degree!";
        const QString low = "Value can not be less than 0#5 degree!";
        QTest::newRow("raise to the top") << "63#0" << true << "63#5";
        QTest::newRow("raise past the top") << "63#1" << true << high;
        QTest::newRow("raise at the top") << "63#5" << true << high;
        QTest::newRow("raise from the bottom") << "0#5" << true << "1#0";
        QTest::newRow("lower to the bottom") << "1#0" << false << "0#5";
        QTest::newRow("lower past the bottom") << "0#9" << false << low;
        QTest::newRow("lower at the bottom") << "0#5" << false << low;
        QTest::newRow("lower from the top") << "63#5" << false << "63#0";
        QTest::newRow("odd tenth") << "12#3" << false << "11#8";
        QTest::newRow("no number, raise") << "abc" << true << high;
        QTest::newRow("no number, lower") << "abc" << false << low;
        QTest::newRow("other separator") << "12@5" << true << high;
    }
    void columnStep() {
        QFETCH(QString, value);
        QFETCH(bool, raise);
        QFETCH(QString, expected);
        LanguageTexts texts;
        const auto step = raise ? ColumnCheck::Step::Increase : ColumnCheck::Step::Decrease;
        for (const QString decimal : {".", ","}) {
            const FormState form = separators(decimal);
            const QString text = inLocale(value, form);
            const auto refusal = ColumnCheck::refusal(text, step, form.decimalSeparator);
            const QString got = refusal ? refusal->text(texts)
                                        : ColumnCheck::stepped(text, step, form.decimalSeparator);
            QCOMPARE(got, inLocale(expected, form));
            if (refusal)
                QCOMPARE(refusal->title(texts), QStringLiteral("Attention!"));
        }
    }
};

QTEST_GUILESS_MAIN(AxisRulesTest)
#include "tst_axis_rules.moc"
