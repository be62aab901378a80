#include "messages/map_comparison.h"

#include <QtTest>

class MapComparisonTest : public QObject {
    Q_OBJECT
  private slots:
    // Cells compare as numbers and only within the shape, so the shape's last cell is
    // the one difference.
    void oneDifferingCellPerShape_data() {
        QTest::addColumn<int>("resolution");
        QTest::newRow("20 x 12") << 4;
    }
    void oneDifferingCellPerShape() {
        QFETCH(int, resolution);
        MapDocument map = MapDocument::startupDefaults(QStringLiteral(","));
        map.resolution = resolution;
        MapDocument other = map;
        other.cells[0][0] = QStringLiteral("0,50");
        const int row = map.rowCount() - 1, column = map.columnCount() - 1;
        other.cells[row][column] = QStringLiteral("12,0");
        other.cells[kMaxRows - 1][kMaxColumns - 1] = QStringLiteral("9");
        const MapComparison comparison = compareMaps(map, other, ",", Language::English);
        QVERIFY(comparison.settings.empty());
        QCOMPARE(comparison.cells.size(), size_t(1));
        const CellDifference& cell = comparison.cells[0];
        QCOMPARE(
            QStringList({QString::number(cell.row), QString::number(cell.column), cell.value,
                         cell.other, cell.difference}),
            QStringList({QString::number(row), QString::number(column), "0,5", "12,0", "+11,5"}));
    }

    // Settings equal as numbers, or hidden in the mode shown, are no difference.
    void settingsAreNamedInTheLanguage() {
        const MapDocument map = MapDocument::startupDefaults(QStringLiteral("."));
        MapDocument other = map;
        other.operationMode = 1;
        other.chargeTime = QStringLiteral("5.0");
        other.dwellAngle = QStringLiteral("45"); // hidden in Time mode
        const MapComparison comparison = compareMaps(map, other, ".", Language::Hungarian);
        QCOMPARE(comparison.settings.size(), size_t(1));
        QCOMPARE((QStringList{comparison.settings[0].name, comparison.settings[0].value,
                              comparison.settings[0].other}),
                 (QStringList{"Működési elv", "Normál", "Bipoláris"}));
    }
};

QTEST_GUILESS_MAIN(MapComparisonTest)
#include "tst_map_comparison.moc"
