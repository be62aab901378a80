#include "core/advance_color.h"
#include "core/default_axes.h"
#include "core/trace_log.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

// Separators and the lines the trace log appends are seen through the window tests.
class SmallHelpersTest : public QObject {
    Q_OBJECT
  private slots:
    // Not a number is navy; the ramp turns a darker red at 34 degrees.
    void colorRamp() {
        QList<int> rgb;
        for (const double degrees : {std::nan(""), 33.99, 34.0}) {
            const RgbColor c = AdvanceColor(degrees);
            rgb << c.red << c.green << c.blue;
        }
        QCOMPARE(rgb, (QList<int>{0, 0, 128, 192, 0, 0, 128, 0, 0}));
    }

    // Every shape's RPM axis passes the axis rules: from 600 up, strictly rising. Load
    // entries beyond the shape keep what they held; an unknown count changes nothing.
    void defaultAxes() {
        for (const int rows : {20, 30, 40, 60, 50}) {
            std::array<qint16, 61> rpm{};
            DefaultRpmBreakpoints(rpm, rows);
            QCOMPARE(rpm[0] >= 600, rows != 50);
            for (int r = 1; r < rows && rows != 50; ++r)
                QVERIFY(rpm[r] > rpm[r - 1]);
        }
        std::array<double, 13> load{};
        for (const int columns : {12, 4, 5})
            DefaultLoadBreakpoints(load, columns);
        QCOMPARE((QList<double>{load[0], load[4], load[5], load[12]}),
                 (QList<double>{0.0, 5.0, 2.75, 5.0}));
    }

    // A log that cannot be written is skipped without a fault.
    void unwritableTraceLogIsSkipped() {
        QTemporaryDir dir;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("log.txt")));
        QVERIFY(QDir::setCurrent(dir.path()));
        WriteLog(QStringLiteral("lost"));
        QVERIFY(QFileInfo(QStringLiteral("log.txt")).isDir());
        QDir::setCurrent(previous);
    }
};

QTEST_GUILESS_MAIN(SmallHelpersTest)
#include "tst_small_helpers.moc"
