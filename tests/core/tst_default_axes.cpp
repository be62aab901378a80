#include "core/default_axes.h"
#include "core/map_document.h"

#include <QtTest>

class DefaultAxesTest : public QObject {
    Q_OBJECT
  private slots:
    void rpmTablesEndAndStepAsDesigned_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QList<int>>("probes"); // pairs of row index and RPM
        QTest::newRow("20") << 20 << QList<int>{0, 650, 4, 1650, 5, 1950, 17, 7800, 19, 9500};
        QTest::newRow("30") << 30 << QList<int>{1, 800, 9, 2000, 12, 2600, 29, 9450};
        QTest::newRow("40") << 40 << QList<int>{1, 800, 2, 900, 14, 2150, 39, 9400};
        QTest::newRow("60") << 60 << QList<int>{1, 800, 33, 4000, 37, 4600, 49, 7000, 59, 9500};
    }
    void rpmTablesEndAndStepAsDesigned() {
        QFETCH(int, rows);
        QFETCH(QList<int>, probes);
        std::array<qint16, 61> rpm{};
        DefaultRpmBreakpoints(rpm, rows);
        for (int i = 0; i < probes.size(); i += 2)
            QCOMPARE(int(rpm[probes[i]]), probes[i + 1]);
        for (int r = 1; r < rows; ++r)
            QVERIFY(rpm[r] > rpm[r - 1]);
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
        QCOMPARE(MapDocument::startupDefaults(QStringLiteral(",")).cells[39][5],
                 QStringLiteral("0,5"));
    }
};

QTEST_GUILESS_MAIN(DefaultAxesTest)
#include "tst_default_axes.moc"
