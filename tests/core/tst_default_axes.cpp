#include "core/default_axes.h"
#include "core/map_document.h"

#include <QtTest>

class DefaultAxesTest : public QObject {
    Q_OBJECT
  private slots:
    // Every shape's RPM axis passes the axis rules: from 600 up, strictly rising.
    void rpmAxesRise() {
        for (const int rows : {20, 30, 40, 60}) {
            std::array<qint16, 61> rpm{};
            DefaultRpmBreakpoints(rpm, rows);
            QVERIFY(rpm[0] >= 600 && rpm[rows - 1] <= 9500);
            for (int r = 1; r < rows; ++r)
                QVERIFY(rpm[r] > rpm[r - 1]);
        }
    }

    // Entries beyond the shape keep what they held; an unknown count changes nothing.
    void loadAxisKeepsHigherEntriesAndIgnoresUnknownCounts() {
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
};

QTEST_GUILESS_MAIN(DefaultAxesTest)
#include "tst_default_axes.moc"
