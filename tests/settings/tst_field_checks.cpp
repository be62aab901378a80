#include "settings/critical_rpm.h"
#include "settings/field_checks.h"

#include <QtTest>

Q_DECLARE_METATYPE(SettingsField)

namespace {
FieldContext context(int cylinders, bool bipolar, const QString& separator) {
    return {cylinders, bipolar, separator,
            separator == QLatin1String(",") ? QStringLiteral(".") : QStringLiteral(",")};
}
} // namespace

class FieldChecksTest : public QObject {
    Q_OBJECT
private slots:
    // Each row: the field, its text, the context, then either the failing entry with its
    // inserted values or (entry empty) the text the field keeps. The plain limits are
    // driven through the panel; these are the rows the panel tests leave out.
    void firstFailingTestWins_data() {
        QTest::addColumn<SettingsField>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cylinders");
        QTest::addColumn<bool>("bipolar");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QStringList>("result"); // inserted values, or the accepted text

        const auto in = SettingsField::InputChargeDwell;
        QTest::newRow("input dwell 15 of 4") << in << "15" << 4 << false << "." << "" << QStringList{"15"};
        QTest::newRow("input dwell 59 of 6") << in << "059" << 6 << false << "." << "" << QStringList{"059"};
        QTest::newRow("input dwell empty") << in << "" << 4 << false << "." << "InputDwellEmptyMessage" << QStringList{};
        QTest::newRow("input dwell decimal") << in << "20.5" << 4 << false << "." << "InputDwellWholeMessage" << QStringList{};
        QTest::newRow("input dwell negative") << in << "-20" << 4 << false << "." << "InputDwellWholeMessage" << QStringList{};
        QTest::newRow("input dwell beyond 16 bit") << in << "65551" << 4 << false << "." << "InputDwellMaxMessage" << QStringList{"60"};

        const auto sp = SettingsField::SparkTime;
        QTest::newRow("spark 2 comma") << sp << "2" << 4 << false << "," << "" << QStringList{"2,0"};
        QTest::newRow("spark .5 comma") << sp << ",5" << 4 << false << "," << "" << QStringList{"0,5"};
        QTest::newRow("spark 0,4 comma") << sp << "0,4" << 4 << false << "," << "SparkMinMessage" << QStringList{"0,5"};
        QTest::newRow("spark 1.24 to one decimal") << sp << "1.24" << 4 << false << "." << "" << QStringList{"1.2"};
        QTest::newRow("spark empty comma") << sp << "" << 4 << false << "," << "SparkEmptyMessage" << QStringList{"1,2"};
        QTest::newRow("spark letters") << sp << "1x" << 4 << false << "." << "SparkNumberMessage" << QStringList{};
        QTest::newRow("spark comma in point locale") << sp << "1,5" << 4 << false << "." << "SparkPointOnlyMessage" << QStringList{};
        QTest::newRow("spark point in comma locale") << sp << "1.5" << 4 << false << "," << "SparkCommaOnlyMessage" << QStringList{};
        QTest::newRow("spark negative") << sp << "-1" << 4 << false << "." << "SparkMinMessage" << QStringList{"0.5"};

        const auto ch = SettingsField::ChargeTime;
        QTest::newRow("charge 2 comma") << ch << "2" << 4 << false << "," << "" << QStringList{"2,0"};
        QTest::newRow("charge 1,5 comma") << ch << "1,5" << 4 << false << "," << "ChargeMinMessage" << QStringList{};
        QTest::newRow("charge empty") << ch << "" << 4 << false << "." << "ChargeEmptyMessage" << QStringList{};
        QTest::newRow("charge two separators") << ch << "5.0.1" << 4 << false << "." << "ChargeNumberMessage" << QStringList{};
        QTest::newRow("charge point in comma locale") << ch << "5.5" << 4 << false << "," << "ChargeCommaOnlyMessage" << QStringList{};

        const auto dw = SettingsField::DwellAngle;
        QTest::newRow("dwell 45 of 8") << dw << "45" << 8 << false << "," << "DwellMaxMessage" << QStringList{"44"};
        QTest::newRow("dwell empty") << dw << "" << 4 << false << "." << "DwellCorrEmptyMessage" << QStringList{};
        QTest::newRow("dwell doubling overflows 16 bit") << dw << "16384" << 2 << false << "." << "DwellMaxMessage" << QStringList{"179"};
        QTest::newRow("dwell huge") << dw << "99999999999999999999" << 2 << false << "." << "DwellMaxMessage" << QStringList{"179"};

        QTest::newRow("correction 181,5 comma") << dw << "181,5" << 2 << true << "," << "" << QStringList{"181,5"};
        QTest::newRow("correction 180") << dw << "180" << 2 << true << "." << "" << QStringList{"180"};
        QTest::newRow("correction 178 comma") << dw << "178" << 2 << true << "," << "DwellCorrMinMessage" << QStringList{"178,5"};
        QTest::newRow("correction 180,5 in point locale") << dw << "180,5" << 2 << true << "." << "DwellPointOnlyMessage" << QStringList{};
        QTest::newRow("correction 180.5 in comma locale") << dw << "180.5" << 2 << true << "," << "DwellCommaOnlyMessage" << QStringList{};
        QTest::newRow("correction not a number") << dw << "18O" << 2 << true << "." << "DwellCorrWholeMessage" << QStringList{};
        QTest::newRow("correction empty") << dw << "" << 2 << true << "." << "DwellCorrEmptyMessage" << QStringList{};

        const auto rv = SettingsField::RevLimit;
        QTest::newRow("rev empty") << rv << "" << 4 << false << "." << "" << QStringList{""};
        QTest::newRow("rev beyond 32 bit") << rv << "99999999999" << 4 << false << "." << "RevLimitMaxMessage" << QStringList{};
        QTest::newRow("rev 4294967896 does not wrap") << rv << "4294967896" << 4 << false << "." << "RevLimitMaxMessage" << QStringList{};
        QTest::newRow("rev blank") << rv << " " << 4 << false << "." << "RevLimitWholeMessage" << QStringList{};
        QTest::newRow("rev decimal") << rv << "6000.0" << 4 << false << "." << "RevLimitWholeMessage" << QStringList{};
    }
    void firstFailingTestWins() {
        QFETCH(SettingsField, field);
        QFETCH(QString, text);
        QFETCH(int, cylinders);
        QFETCH(bool, bipolar);
        QFETCH(QString, separator);
        QFETCH(QString, entry);
        QFETCH(QStringList, result);

        const FieldVerdict verdict =
            checkSettingsField(field, text, context(cylinders, bipolar, separator));
        if (entry.isEmpty()) {
            QVERIFY2(verdict.ok(), verdict.ok() ? "" : verdict.failure->entry);
            QCOMPARE(verdict.accepted, result.value(0));
        } else {
            QVERIFY(!verdict.ok());
            QCOMPARE(QString::fromLatin1(verdict.failure->entry), entry);
            QCOMPARE(verdict.failure->values, result);
        }
    }

    void criticalRpm_data() {
        QTest::addColumn<int>("operationMode");
        QTest::addColumn<int>("coilControlMode");
        QTest::addColumn<int>("cylinders");
        QTest::addColumn<QString>("spark");
        QTest::addColumn<QString>("charge");
        QTest::addColumn<QString>("dwell");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("number");

        QTest::newRow("time 4 cyl") << 0 << 0 << 4 << "1.2" << "5.0" << "" << "." << "SparkPowerLimitCaption" << "4839";
        QTest::newRow("time 4 cyl comma") << 0 << 0 << 4 << "1,2" << "5" << "" << "," << "SparkPowerLimitCaption" << "4839";
        QTest::newRow("time 8 cyl") << 0 << 0 << 8 << "2.0" << "8.0" << "" << "." << "SparkPowerLimitCaption" << "1500";
        QTest::newRow("time half rounds up") << 0 << 0 << 8 << "1.6" << "8.0" << "" << "." << "SparkPowerLimitCaption" << "1563";
        QTest::newRow("dwell 4 cyl 55") << 0 << 1 << 4 << "" << "" << "55" << "." << "CoilDischargeLimitCaption" << " 9722";
        QTest::newRow("dwell 8 cyl 44") << 0 << 1 << 8 << "" << "" << "44" << "." << "CoilDischargeLimitCaption" << "  278";
        QTest::newRow("dwell 2 cyl 30") << 0 << 1 << 2 << "" << "" << "30" << "." << "CoilDischargeLimitCaption" << "41667";
        QTest::newRow("bipolar") << 1 << 1 << 2 << "" << "" << "180,5" << "," << "CoilDischargeLimitCaption" << "25000";
        QTest::newRow("bipolar ignores time") << 1 << 0 << 8 << "1.2" << "5" << "" << "." << "CoilDischargeLimitCaption" << "25000";
        QTest::newRow("time being corrected") << 0 << 0 << 4 << "" << "abc" << "" << "." << "SparkPowerLimitCaption" << "";
        QTest::newRow("times summing to zero") << 0 << 0 << 4 << "0" << "0" << "" << "." << "SparkPowerLimitCaption" << "";
        QTest::newRow("dwell being corrected") << 0 << 1 << 4 << "" << "" << "" << "." << "CoilDischargeLimitCaption" << "";
    }
    void criticalRpm() {
        QFETCH(int, operationMode);
        QFETCH(int, coilControlMode);
        QFETCH(int, cylinders);
        QFETCH(QString, spark);
        QFETCH(QString, charge);
        QFETCH(QString, dwell);
        QFETCH(QString, separator);
        QFETCH(QString, entry);
        QFETCH(QString, number);
        const CriticalRpm rpm = computeCriticalRpm(
            {operationMode, coilControlMode, cylinders, spark, charge, dwell, separator});
        QCOMPARE(QString::fromLatin1(rpm.captionEntry), entry);
        QCOMPARE(rpm.number, number);
    }

    void captionInBothLanguages_data() {
        QTest::addColumn<int>("coilControlMode");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("caption");
        const int en = int(Language::English);
        const int hu = int(Language::Hungarian);
        QTest::newRow("time en") << 0 << en << "Spark Power Limit(RPM): 4839";
        QTest::newRow("time hu") << 0 << hu << "Szikrateljesítmény határ(RPM): 4839";
        QTest::newRow("dwell en") << 1 << en << "Coil Discharge Limit(RPM):  9722";
        QTest::newRow("dwell hu") << 1 << hu << "Teljes trafókisülés határ(RPM): 9722";
    }
    void captionInBothLanguages() {
        QFETCH(int, coilControlMode);
        QFETCH(int, language);
        QFETCH(QString, caption);
        LanguageTexts texts;
        texts.setLanguage(Language(language));
        QCOMPARE(criticalRpmCaption({0, coilControlMode, 4, "1,2", "5", "55", ","}, texts),
                 caption);
    }

    void chooserLimitsFollowTheCylinders_data() {
        QTest::addColumn<int>("cylinders");
        QTest::addColumn<double>("chargeDwell");
        QTest::addColumn<double>("inputDwell");
        QTest::addColumn<double>("proposed");
        QTest::newRow("2") << 2 << 179.0 << 60.0 << 55.0;
        QTest::newRow("6") << 6 << 59.0 << 59.0 << 55.0;
        QTest::newRow("8") << 8 << 44.0 << 44.0 << 44.0;
    }
    void chooserLimitsFollowTheCylinders() {
        QFETCH(int, cylinders);
        QFETCH(double, chargeDwell);
        QFETCH(double, inputDwell);
        QFETCH(double, proposed);
        QCOMPARE(maxChargeDwell(cylinders), chargeDwell);
        QCOMPARE(maxInputChargeDwell(cylinders), inputDwell);
        QCOMPARE(defaultChargeDwell(cylinders), proposed);
    }
};

QTEST_GUILESS_MAIN(FieldChecksTest)
#include "tst_field_checks.moc"
