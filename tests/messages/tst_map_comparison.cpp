#include "messages/map_comparison.h"

#include <QtTest>

// What the command line and the window show of a comparison is tested with them; here
// what files cannot carry: a difference below zero, cells beyond the shape,
// and settings the chosen mode hides.
class MapComparisonTest : public QObject {
    Q_OBJECT
  private slots:
    void onlyRealDifferencesCount() {
        MapDocument map = MapDocument::startupDefaults(QStringLiteral(","));
        map.resolution = 4; // 20 x 12
        MapDocument other = map;
        other.cells[19][11] = 120;
        other.cells[kMaxRows - 1][kMaxColumns - 1] = 90;
        other.operationMode = 1;
        other.chargeTime = QStringLiteral("5,0");
        other.dwellAngle = QStringLiteral("45"); // hidden in Time mode
        const MapComparison comparison = compareMaps(map, other, ",", Language::Hungarian);
        QStringList found;
        for (const CellDifference& c : comparison.cells)
            found << QString::number(c.row) + " " + QString::number(c.column) + ": " + c.value +
                         " " + c.other + " " + c.difference;
        for (const SettingDifference& d : comparison.settings)
            found << d.name + ": " + d.value + " " + d.other;
        other.cells[3][4] = 2;
        for (const CellDifference& c : compareMaps(map, other, ",", Language::Hungarian).cells)
            found << c.value + " " + c.other + " " + c.difference;
        QCOMPARE(found, QStringList({"19 11: 0,5 12,0 +11,5", "Működési elv: Normál Bipoláris",
                                     "0,5 0,2 -0,3", "0,5 12,0 +11,5"}));
    }
};

QTEST_GUILESS_MAIN(MapComparisonTest)
#include "tst_map_comparison.moc"
