#include "settings/critical_rpm.h"
#include "settings/field_checks.h"

#include <QtTest>

namespace {
const auto in = SettingsField::InputChargeDwell;
const auto sp = SettingsField::SparkTime;
const auto ch = SettingsField::ChargeTime;
const auto dw = SettingsField::DwellAngle;
const auto rv = SettingsField::RevLimit;

// A text and what the field makes of it: "= " and the text it keeps, or the entry it fails
// with and that entry's inserted values. Bipolar is written as -2 cylinders.
struct Case {
    SettingsField field;
    QString text;
    int cylinders;
    QString separator, outcome;
};
void row(const char* name, SettingsField field, const QString& text, int cylinders,
         const char* separator, const char* outcome) {
    QTest::newRow(name) << Case{field, text, cylinders, separator, outcome};
}
} // namespace

class FieldChecksTest : public QObject {
    Q_OBJECT
  private slots:
    void limitsAndMessages_data() {
        QTest::addColumn<Case>("check");
        row("input dwell 14", in, "14", 4, ".", "InputDwellMinMessage");
        row("input dwell 60 of 4", in, "060", 4, ".", "= 060");
        row("input dwell beyond 16 bit", in, "65551", 4, ".", "InputDwellMaxMessage 60");
        row("input dwell empty", in, "", 4, ".", "InputDwellEmptyMessage");

        row("spark 0,5", sp, ",5", 4, ",", "= 0,5");
        row("spark 0,4", sp, "0,4", 4, ",", "SparkMinMessage 0,5");
        row("spark 2.1", sp, "2.1", 4, ".", "SparkMaxMessage");
        row("spark of 400 digits", sp, QString(400, '9'), 4, ".", "SparkMaxMessage");
        row("spark 1.24 to one decimal", sp, "1.24", 4, ".", "= 1.2");
        row("spark empty", sp, "", 4, ",", "SparkEmptyMessage 1,2");
        row("spark comma in point locale", sp, "1,5", 4, ".", "SparkPointOnlyMessage");

        row("charge two separators", ch, "5.0.1", 4, ".", "ChargeNumberMessage");

        row("dwell 29", dw, "29", 4, ".", "DwellMinMessage");
        row("dwell doubling overflows 16 bit", dw, "16384", 2, ".", "DwellMaxMessage 179");
        row("dwell decimal", dw, "45.5", 4, ".", "DwellWholeMessage");
        row("dwell empty", dw, "", 4, ".", "DwellCorrEmptyMessage");

        row("correction 181,5", dw, "181,5", -2, ",", "= 181,5");
        row("correction 182", dw, "182", -2, ".", "DwellCorrMaxMessage 181.5");
        row("correction 178", dw, "178", -2, ",", "DwellCorrMinMessage 178,5");
        row("correction not a number", dw, "18O", -2, ".", "DwellCorrWholeMessage");

        row("rev limit 599", rv, "599", 4, ".", "RevLimitMinMessage");
        row("rev limit 30001", rv, "30001", 4, ".", "RevLimitMaxMessage");
        row("rev limit decimal", rv, "6000.0", 4, ".", "RevLimitWholeMessage");
    }
    void limitsAndMessages() {
        QFETCH(Case, check);
        const FieldContext context{qAbs(check.cylinders), check.cylinders < 0, check.separator,
                                   check.separator == "," ? "." : ","};
        const FieldVerdict verdict = checkSettingsField(check.field, check.text, context);
        const QStringList outcome =
            verdict.ok() ? QStringList{"=", verdict.accepted}
                         : QStringList{verdict.failure->entry} + verdict.failure->values;
        QCOMPARE(outcome.join(' '), check.outcome);
    }

    // The coil settings (mode, coil control, cylinders, spark, charge, dwell, separator)
    // give a caption and its number; no number while a field it reads is being corrected.
    void criticalRpm_data() {
        QTest::addColumn<CoilSettings>("settings");
        QTest::addColumn<QString>("caption"); // its entry and number
        const auto row = [](const char* name, const CoilSettings& settings, const char* caption) {
            QTest::newRow(name) << settings << QString(caption);
        };
        row("time half rounds up", {0, 0, 8, "1.6", "8.0", "", "."}, "SparkPowerLimitCaption 1563");
        row("dwell 8 cyl 44", {0, 1, 8, "", "", "44", "."}, "CoilDischargeLimitCaption   278");
        row("bipolar ignores time", {1, 0, 8, "1.2", "5", "", "."},
            "CoilDischargeLimitCaption 25000");
        row("time being corrected", {0, 0, 4, "", "abc", "", "."}, "SparkPowerLimitCaption ");
        row("times summing to zero", {0, 0, 4, "0", "0", "", "."}, "SparkPowerLimitCaption ");
    }
    void criticalRpm() {
        QFETCH(CoilSettings, settings);
        QFETCH(QString, caption);
        const CriticalRpm rpm = computeCriticalRpm(settings);
        QCOMPARE(QString::fromLatin1(rpm.captionEntry) + ' ' + rpm.number, caption);
    }
};

QTEST_GUILESS_MAIN(FieldChecksTest)
#include "tst_field_checks.moc"
