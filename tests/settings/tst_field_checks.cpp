#include "settings/critical_rpm.h"
#include "settings/field_checks.h"

#include <QtTest>

namespace {
const auto in = SettingsField::InputChargeDwell;
const auto sp = SettingsField::SparkTime;
const auto ch = SettingsField::ChargeTime;
const auto dw = SettingsField::DwellAngle;
const auto rv = SettingsField::RevLimit;

// A text and what the field makes of it: the text it keeps, or the entry it fails with
// and that entry's inserted values. Bipolar is written as -2 cylinders.
struct Case {
    SettingsField field;
    QString text;
    int cylinders;
    QString separator;
    std::optional<MessageId> failure;
    QStringList outcome;
};
void row(const char* name, SettingsField field, const QString& text, int cylinders,
         const char* separator, const char* kept) {
    QTest::newRow(name) << Case{field, text, cylinders, separator, std::nullopt, {kept}};
}
void row(const char* name, SettingsField field, const QString& text, int cylinders,
         const char* separator, MessageId failure, const QStringList& values = {}) {
    QTest::newRow(name) << Case{field, text, cylinders, separator, failure, values};
}
} // namespace

class FieldChecksTest : public QObject {
    Q_OBJECT
  private slots:
    void limitsAndMessages_data() {
        QTest::addColumn<Case>("check");
        row("input dwell 14", in, "14", 4, ".", MessageId::InputDwellMinMessage);
        row("input dwell 60 of 4", in, "060", 4, ".", "060");
        row("input dwell beyond 16 bit", in, "65551", 4, ".", MessageId::InputDwellMaxMessage,
            {"60"});
        row("input dwell empty", in, "", 4, ".", MessageId::InputDwellEmptyMessage);

        row("spark 0,5", sp, ",5", 4, ",", "0,5");
        row("spark 0,4", sp, "0,4", 4, ",", MessageId::SparkMinMessage, {"0,5"});
        row("spark 2.1", sp, "2.1", 4, ".", MessageId::SparkMaxMessage);
        row("spark of 400 digits", sp, QString(400, '9'), 4, ".", MessageId::SparkMaxMessage);
        row("spark 1.24 to one decimal", sp, "1.24", 4, ".", "1.2");
        row("spark empty", sp, "", 4, ",", MessageId::SparkEmptyMessage, {"1,2"});
        row("spark comma in point locale", sp, "1,5", 4, ".", MessageId::SparkPointOnlyMessage);

        row("charge two separators", ch, "5.0.1", 4, ".", MessageId::ChargeNumberMessage);

        row("dwell 29", dw, "29", 4, ".", MessageId::DwellMinMessage);
        row("dwell doubling overflows 16 bit", dw, "16384", 2, ".", MessageId::DwellMaxMessage,
            {"179"});
        row("dwell decimal", dw, "45.5", 4, ".", MessageId::DwellWholeMessage);
        row("dwell empty", dw, "", 4, ".", MessageId::DwellCorrEmptyMessage);

        row("correction 181,5", dw, "181,5", -2, ",", "181,5");
        row("correction 182", dw, "182", -2, ".", MessageId::DwellCorrMaxMessage, {"181.5"});
        row("correction 178", dw, "178", -2, ",", MessageId::DwellCorrMinMessage, {"178,5"});
        row("correction not a number", dw, "18O", -2, ".", MessageId::DwellCorrWholeMessage);

        row("rev limit 599", rv, "599", 4, ".", MessageId::RevLimitMinMessage);
        row("rev limit 30001", rv, "30001", 4, ".", MessageId::RevLimitMaxMessage);
        row("rev limit decimal", rv, "6000.0", 4, ".", MessageId::RevLimitWholeMessage);
    }
    void limitsAndMessages() {
        QFETCH(Case, check);
        const FieldContext context{qAbs(check.cylinders), check.cylinders < 0, check.separator,
                                   check.separator == "," ? "." : ","};
        const FieldVerdict verdict = checkSettingsField(check.field, check.text, context);
        if (check.failure) {
            QVERIFY(!verdict.ok());
            QCOMPARE(verdict.failure->entry, *check.failure);
            QCOMPARE(verdict.failure->values, check.outcome);
        } else {
            QCOMPARE(verdict.accepted, check.outcome.first());
        }
    }

    // The coil settings (mode, coil control, cylinders, spark, charge, dwell, separator)
    // give a caption and its number; no number while a field it reads is being corrected.
    void criticalRpm_data() {
        QTest::addColumn<CoilSettings>("settings");
        QTest::addColumn<QString>("caption");
        const auto row = [](const char* name, const CoilSettings& settings, const char* caption) {
            QTest::newRow(name) << settings << QString(caption);
        };
        row("time half rounds up", {0, 0, 8, "1.6", "8.0", "", "."},
            "Spark Power Limit(RPM): 1563");
        row("dwell 8 cyl 44", {0, 1, 8, "", "", "44", "."}, "Coil Discharge Limit(RPM):   278");
        row("bipolar ignores time", {1, 0, 8, "1.2", "5", "", "."},
            "Coil Discharge Limit(RPM): 25000");
        row("time being corrected", {0, 0, 4, "", "abc", "", "."}, "Spark Power Limit(RPM): ");
        row("times summing to zero", {0, 0, 4, "0", "0", "", "."}, "Spark Power Limit(RPM): ");
    }
    void criticalRpm() {
        QFETCH(CoilSettings, settings);
        QFETCH(QString, caption);
        QCOMPARE(criticalRpmCaption(settings, LanguageTexts()), caption);
    }
};

QTEST_GUILESS_MAIN(FieldChecksTest)
#include "tst_field_checks.moc"
