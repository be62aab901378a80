#include "core/map_comparison.h"

#include <QtTest>

class MapComparisonTest : public QObject {
    Q_OBJECT
  private slots:
    void oneDifferingCellPerShape_data() {
        QTest::addColumn<int>("resolution");
        for (int resolution = 0; resolution < kResolutionCount; ++resolution)
            QTest::newRow(qPrintable(QString::number(resolution))) << resolution;
    }
    void oneDifferingCellPerShape() {
        QFETCH(int, resolution);
        MapDocument map = MapDocument::startupDefaults(QStringLiteral(","));
        map.resolution = resolution;
        MapDocument other = map;
        other.cells[0][0] = QStringLiteral("0,50"); // the same number, typed otherwise
        const int row = map.rowCount() - 1, column = map.columnCount() - 1;
        other.cells[row][column] = QStringLiteral("12,0");
        other.cells[kMaxRows - 1][kMaxColumns - 1] = QStringLiteral("9"); // outside the shape
        const MapComparison comparison = compareMaps(map, other, ",", Language::English);
        QVERIFY(comparison.settings.empty());
        QCOMPARE(comparison.cells.size(), size_t(1));
        const CellDifference& cell = comparison.cells[0];
        QCOMPARE(QList<int>({cell.row, cell.column}), QList<int>({row, column}));
        QCOMPARE(QStringList({cell.value, cell.other, cell.difference}),
                 QStringList({"0,5", "12,0", "+11,5"}));
        QVERIFY(compareMaps(map, map, ",", Language::English).same());
    }

    void settingsAreNamedInTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("english") << int(Language::English) << "Operation Mode"
                                 << QStringList{"Normal", "Bipolar"};
        QTest::newRow("hungarian")
            << int(Language::Hungarian) << "Működési elv" << QStringList{"Normál", "Bipoláris"};
    }
    void settingsAreNamedInTheLanguage() {
        QFETCH(int, language);
        QFETCH(QString, name);
        QFETCH(QStringList, values);
        const MapDocument map = MapDocument::startupDefaults(QStringLiteral("."));
        MapDocument other = map;
        other.operationMode = 1;
        other.chargeTime = QStringLiteral("5.0"); // equal as numbers
        other.dwellAngle = QStringLiteral("45");  // hidden in Time mode
        const MapComparison comparison = compareMaps(map, other, ".", Language(language));
        QCOMPARE(comparison.settings.size(), size_t(1));
        QCOMPARE(comparison.settings[0].name, name);
        QCOMPARE(QStringList({comparison.settings[0].value, comparison.settings[0].other}), values);
    }

    void otherShapesAreNotComparedCellByCell() {
        const MapDocument map = MapDocument::startupDefaults(QStringLiteral("."));
        MapDocument other = map;
        other.resolution = 4;
        other.cells[0][0] = QStringLiteral("20.0");
        const MapComparison comparison = compareMaps(map, other, ".", Language::English);
        QVERIFY(!comparison.sameShape);
        QVERIFY(comparison.cells.empty());
        QCOMPARE(comparison.settings.size(), size_t(1));
        QCOMPARE(comparison.settings[0].other, QStringLiteral("20 x 12"));
    }
};

QTEST_GUILESS_MAIN(MapComparisonTest)
#include "tst_map_comparison.moc"
