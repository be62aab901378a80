#include "core/number_rules.h"
#include "core/numeric_text.h"

#include <QtTest>
#include <cmath>

using Maybe = QList<std::optional<double>>;

class NumberRulesTest : public QObject {
    Q_OBJECT
  private slots:
    // What each rule makes of the inputs nearest its edges, one list per rule.
    void rules() {
        // "decimal integer" flags: an empty text is an integer still being typed; a sign
        // of plus and digits of other scripts are neither.
        QStringList flags;
        for (const QString text : {"", "-0,5", "+5", "\u0663"})
            flags << QStringLiteral("%1 %2").arg(IsDecimalText(text)).arg(IsIntegerText(text));
        QCOMPARE(flags, QStringList({"0 1", "1 0", "0 0", "0 0"}));
        QCOMPARE((QList<double>{RoundToHalf(10.25), RoundToHalf(-1.3)}), (QList<double>{10, -1.5}));
        QCOMPARE((Maybe{toWhole16(2.5), toWhole16(32767.5), toWhole16(std::nan("")),
                        textToDouble(u"1.25", u","), textToDouble(u" 7 ", u"."),
                        textToDouble(u"inf", u".")}),
                 (Maybe{2.0, std::nullopt, std::nullopt, std::nullopt, 7.0, std::nullopt}));
        // A number too small for a double is below every minimum; one too long for it is
        // above every maximum, as the field checks show.
        QCOMPARE(checkedDecimalValue("0," + QString(400, '0') + "1", ","), 0.0);
        // The shortest text of the number is rounded, halves away from zero.
        QCOMPARE((QStringList{formatFixed(57.99999999999999, 0, "."), formatFixed(-0.01, 1, "."),
                              formatFixed(1.15, 1, "."), formatFixed(9.96, 1, "."),
                              formatFixed(2.005, 2, ",")}),
                 (QStringList{"58", "0.0", "1.2", "10.0", "2,01"}));
        // Division truncates toward zero.
        QCOMPARE((QList<int>{IntDiv(-7, 2), IntDiv(7, -2), IntDiv(63, 16)}),
                 (QList<int>{-3, -3, 3}));
    }
};

QTEST_GUILESS_MAIN(NumberRulesTest)
#include "tst_number_rules.moc"
