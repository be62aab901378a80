#include "core/advance_color.h"
#include "core/default_axes.h"
#include "core/separators.h"
#include "core/trace_log.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

Q_DECLARE_METATYPE(RgbColor)

class SmallHelpersTest : public QObject {
    Q_OBJECT
  private slots:
    void colorRamp_data() {
        QTest::addColumn<double>("degrees");
        QTest::addColumn<RgbColor>("color");
        QTest::newRow("not a number") << std::nan("") << RgbColor{0, 0, 128};
        QTest::newRow("33.99") << 33.99 << RgbColor{192, 0, 0};
        QTest::newRow("34") << 34.0 << RgbColor{128, 0, 0};
    }
    void colorRamp() {
        QFETCH(double, degrees);
        QFETCH(RgbColor, color);
        const RgbColor got = AdvanceColor(degrees);
        QVERIFY2(got == color,
                 qPrintable(QStringLiteral("%1,%2,%3").arg(got.red).arg(got.green).arg(got.blue)));
    }

    // Every shape's RPM axis passes the axis rules: from 600 up, strictly rising. Load
    // entries beyond the shape keep what they held; an unknown count changes nothing.
    void defaultAxes() {
        for (const int rows : {20, 30, 40, 60}) {
            std::array<qint16, 61> rpm{};
            DefaultRpmBreakpoints(rpm, rows);
            QVERIFY(rpm[0] >= 600);
            for (int r = 1; r < rows; ++r)
                QVERIFY(rpm[r] > rpm[r - 1]);
        }
        std::array<double, 13> load{};
        DefaultLoadBreakpoints(load, 12);
        DefaultLoadBreakpoints(load, 4);
        DefaultLoadBreakpoints(load, 5);
        QCOMPARE((QList<double>{load[0], load[4], load[5], load[12]}),
                 (QList<double>{0.0, 5.0, 2.75, 5.0}));
        std::array<qint16, 61> rpm{};
        DefaultRpmBreakpoints(rpm, 50);
        QCOMPARE(int(rpm[0]), 0);
    }

    void separators() {
        const Separators hungarian = separatorsFor(QLocale(QLocale::Hungarian, QLocale::Hungary));
        const Separators c = separatorsFor(QLocale::c());
        QCOMPARE((QStringList{hungarian.decimal, hungarian.other, c.decimal, c.other,
                              otherSeparatorOf("'")}),
                 (QStringList{",", ".", ".", ",", ","}));
    }

    // The log appends; a log that cannot be written is skipped without a fault.
    void traceLog() {
        QTemporaryDir dir;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        WriteLog(QStringLiteral("Text_Click_Uni("));
        WriteLog(QStringLiteral("Text_Keydown_Uni("));
        QFile file(QStringLiteral("log.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        QCOMPARE(QString::fromLocal8Bit(file.readAll()),
                 QStringLiteral("Text_Click_Uni(\nText_Keydown_Uni(\n"));
        QVERIFY(QDir().mkpath(QStringLiteral("sub/log.txt")));
        QVERIFY(QDir::setCurrent(QStringLiteral("sub")));
        WriteLog(QStringLiteral("lost"));
        QVERIFY(QFileInfo(QStringLiteral("log.txt")).isDir());
        QDir::setCurrent(previous);
    }
};

QTEST_GUILESS_MAIN(SmallHelpersTest)
#include "tst_small_helpers.moc"
