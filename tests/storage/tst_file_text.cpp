#include "storage/central_european_code_page.h"
#include "storage/file_number.h"

#include <QtTest>

class FileTextTest : public QObject {
    Q_OBJECT
  private slots:
    void numberTexts_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("float noise") << 214.99999999999997 << "215";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("large, no exponent") << 1e20 << "100000000000000000000";
        QTest::newRow("small, no exponent") << 1.5e-7 << "0.00000015";
        QTest::newRow("fifteen digits") << 123456789012345678.0 << "123456789012346000";
    }
    void numberTexts() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QString written = QStringLiteral("line ");
        appendFileNumber(written, value, ".");
        QCOMPARE(written, "line " + text);
    }

    // One byte per character both ways; what the code page lacks becomes "?".
    void codePage() {
        QCOMPARE(CentralEuropeanCodePage::encode(QString::fromUtf8("ß☃😀")), QByteArray("\xdf??"));
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all += char(b);
        QCOMPARE(CentralEuropeanCodePage::encode(CentralEuropeanCodePage::decode(all)), all);
    }
};

QTEST_GUILESS_MAIN(FileTextTest)
#include "tst_file_text.moc"
