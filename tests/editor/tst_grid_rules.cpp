#include "core/table_shape.h"
#include "editor/cut_level_walk.h"
#include "editor/grid_geometry.h"
#include "editor/grid_scroll.h"

#include <QtTest>

class GridRulesTest : public QObject {
    Q_OBJECT
private slots:
    void shapeGeometry_data() {
        QTest::addColumn<int>("resolution");
        QTest::addColumn<int>("comboLeft");
        QTest::addColumn<int>("headerLeft");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("scrollMaximum");
        QTest::newRow("60 x 1") << 0 << 1200 << 1320 << 21600 << 12240;
        QTest::newRow("60 x 4") << 1 << 2640 << 2760 << 21600 << 12240;
        QTest::newRow("40 x 6") << 2 << 3600 << 3720 << 14400 << 5040;
        QTest::newRow("30 x 8") << 3 << 4560 << 4680 << 10800 << 1440;
        QTest::newRow("20 x 12") << 4 << 6480 << 6600 << 7200 << 0;
    }
    void shapeGeometry() {
        QFETCH(int, resolution);
        QFETCH(int, comboLeft);
        QFETCH(int, headerLeft);
        QFETCH(int, height);
        QFETCH(int, scrollMaximum);
        const TableShape shape = shapeOfResolution(resolution);
        const int viewport = GridGeometry::visibleGridHeight(9375);
        QCOMPARE(viewport, 9360);
        QCOMPARE(GridGeometry::cutComboLeft(shape.columnCount), comboLeft);
        QCOMPARE(GridGeometry::cutHeaderLeft(shape.columnCount), headerLeft);
        QCOMPARE(GridGeometry::containerHeight(shape.rowCount), height);
        QCOMPARE(GridGeometry::scrollMaximum(shape.rowCount, viewport), scrollMaximum);
    }

    void cutLevelWalk_data() {
        QTest::addColumn<QList<int>>("before");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("level");
        QTest::addColumn<QList<int>>("after");
        QTest::newRow("lower rows come down, walk up stops at first higher")
            << QList<int>{0, 0, 2, 3, 3} << 3 << 1 << QList<int>{0, 0, 1, 1, 3};
        QTest::newRow("higher rows rise to the chosen level")
            << QList<int>{0, 0, 0, 0, 0} << 2 << 3 << QList<int>{0, 0, 3, 3, 3};
        QTest::newRow("walk up stops at the first row needing no change")
            << QList<int>{0, 0, 0, 2, 0} << 1 << 2 << QList<int>{0, 2, 2, 2, 0};
        QTest::newRow("every lower row is examined")
            << QList<int>{3, 0, 3, 0, 0} << 3 << 1 << QList<int>{1, 0, 1, 1, 1};
        QTest::newRow("first row") << QList<int>{0, 1, 2} << 0 << 2 << QList<int>{2, 2, 2};
        QTest::newRow("last row") << QList<int>{1, 2, 3} << 2 << 0 << QList<int>{0, 0, 0};
    }
    void cutLevelWalk() {
        QFETCH(QList<int>, before);
        QFETCH(int, row);
        QFETCH(int, level);
        QFETCH(QList<int>, after);
        before[row] = level;
        QCOMPARE(CutLevelWalk::apply(before, row), after);
    }

    void keyboardScroll_data() {
        QTest::addColumn<QString>("move");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("sourceRow");
        QTest::addColumn<int>("expected");
        // 60 rows: maximum 12240, viewport 26 rows.
        QTest::newRow("down to the last visible row") << "down" << 0 << 12240 << 24 << 0;
        QTest::newRow("down past the viewport") << "down" << 0 << 12240 << 25 << 360;
        QTest::newRow("down after scrolling") << "down" << 360 << 12240 << 26 << 720;
        QTest::newRow("down at the end") << "down" << 12240 << 12240 << 58 << 12240;
        QTest::newRow("up past the top") << "up" << 720 << 12240 << 2 << 360;
        QTest::newRow("up from a dragged position") << "up" << 200 << 12240 << 1 << 0;
        QTest::newRow("page down") << "pagedown" << 0 << 12240 << 3 << 9360;
        QTest::newRow("page down clamps") << "pagedown" << 9360 << 12240 << 30 << 12240;
        QTest::newRow("page up") << "pageup" << 12240 << 12240 << 50 << 2880;
        QTest::newRow("page up clamps") << "pageup" << 2880 << 12240 << 30 << 0;
    }
    void keyboardScroll() {
        QFETCH(QString, move);
        QFETCH(int, value);
        QFETCH(int, maximum);
        QFETCH(int, sourceRow);
        QFETCH(int, expected);
        const GridScroll::State state{value, maximum};
        const int top = -value;
        const int y = GridGeometry::rowTop(sourceRow);
        GridScroll::State result;
        if (move == "down")
            result = GridScroll::rowDown(state, top, y, 9360);
        else if (move == "up")
            result = GridScroll::rowUp(state, top, y);
        else if (move == "pagedown")
            result = GridScroll::pageDown(state);
        else
            result = GridScroll::pageUp(state);
        QCOMPARE(result.value, expected);
        QCOMPARE(result.maximum, maximum);
    }

    void scrollingToTheEndShowsTheLastRows() {
        // The last row's top lies 21240 below the container top; with the container
        // 12240 above the viewport, rows 34..59 are the visible ones.
        GridScroll::State state{0, GridGeometry::scrollMaximum(60, 9360)};
        for (int row = 0; row < 59; ++row)
            state = GridScroll::rowDown(state, -state.value, GridGeometry::rowTop(row), 9360);
        QCOMPARE(state.value, 12240);
        QCOMPARE(GridGeometry::rowTop(59) - state.value, 9000);
        QCOMPARE(GridGeometry::rowTop(34) - state.value, 0);
    }
};

QTEST_GUILESS_MAIN(GridRulesTest)
#include "tst_grid_rules.moc"
