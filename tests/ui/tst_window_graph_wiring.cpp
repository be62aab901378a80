#include "core/find_widget.h"
#include "core/twips.h"
#include "graph/graph_panel.h"
#include "tests/support/scripted_dialogs.h"
#include "ui/main_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

// The graphs follow the table through the window's wiring: an accepted cell moves its
// points, a new shape redraws the whole chart, the 3D choice draws the wire frame.
class WindowGraphWiringTest : public QObject {
    Q_OBJECT

    ScriptedDialogs m_dialogs;
    QTemporaryDir m_dir;

    static bool activate(QWidget& window) {
        window.show();
        QApplication::setActiveWindow(&window);
        return QTest::qWaitForWindowActive(&window);
    }

    static void typeIntoCell(MainWindow& window, int row, int column, const QString& text) {
        auto* cell = findNamed<QLineEdit>(
            window.form(), arrayName(qPrintable(QStringLiteral("Text%1").arg(column + 1)), row));
        QTest::mouseClick(cell, Qt::LeftButton);
        QTest::keyClick(cell, Qt::Key_End);
        QTest::keyClick(cell, Qt::Key_Home, Qt::ShiftModifier);
        QTest::keyClicks(cell, text);
        QTest::keyClick(cell, Qt::Key_Return);
    }

private slots:
    void initTestCase() { Twips::setLogicalDpi(96); }

    void acceptedCellMovesItsCurvePoint() {
        MainWindow window(m_dialogs, m_dir.filePath("kelvor-310.ini"));
        QVERIFY(activate(window));
        const Graph2DModel& chart = window.graphs().model2D();
        const double before = chart.curveSegment(1, 0).p1.y();
        const double neighbour = chart.curveSegment(2, 0).p1.y();
        typeIntoCell(window, 0, 1, "30");
        QVERIFY(chart.curveSegment(1, 0).p1.y() < before - 1000);
        QCOMPARE(chart.curveSegment(2, 0).p1.y(), neighbour);
    }

    void newShapeRedrawsEveryCurve() {
        MainWindow window(m_dialogs, m_dir.filePath("kelvor-310.ini"));
        const Graph2DModel& chart = window.graphs().model2D();
        QVERIFY(!chart.curveSegment(6, 0).visible);
        emit findNamed<QComboBox>(window.form(), "Combo6")->activated(4);
        QVERIFY(chart.curveSegment(11, 18).visible);
        QVERIFY(!chart.curveSegment(11, 19).visible);
    }

    void threeDChoiceDrawsTheWireFrame() {
        MainWindow window(m_dialogs, m_dir.filePath("kelvor-310.ini"));
        QVERIFY(!window.graphs().shows3D());
        findNamed<QRadioButton>(window.form(), "Option6")->click();
        QVERIFY(window.graphs().shows3D());
        QVERIFY(findNamed<QWidget>(window.form(), "Frame18")->isHidden());
        const QList<const GraphLine*> lines = window.graphs().model3D().lines();
        QVERIFY(std::count_if(lines.begin(), lines.end(),
                              [](const GraphLine* line) { return line->visible; }) > 100);
    }
};

QTEST_MAIN(WindowGraphWiringTest)
#include "tst_window_graph_wiring.moc"
