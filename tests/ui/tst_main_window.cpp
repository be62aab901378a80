#include "core/find_widget.h"
#include "core/twips.h"
#include "graph/graph_panel.h"
#include "tests/support/modal_dialogs.h"
#include "ui/main_form.h"
#include "ui/main_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

class TestMainWindow : public QObject {
    Q_OBJECT

    ModalDialogs m_dialogs; // the exit question really is modal
    QTemporaryDir m_dir;
    const QString m_settingsPath = m_dir.filePath("kelvor-310.ini");

    static QLineEdit* cell(MainWindow& window, int row, int column) {
        return findNamed<QLineEdit>(
            window.form(), arrayName(qPrintable(QStringLiteral("Text%1").arg(column + 1)), row));
    }

    // Wheel notches (positive: away from the user) over the middle of `target`, delivered
    // to the widget the window finds there, as the window system does.
    static void turnWheel(QWidget* target, int notches) {
        QWidget* window = target->window();
        const QPoint at = target->mapTo(window, target->rect().center());
        QWidget* receiver = window->childAt(at);
        QVERIFY(receiver == target || target->isAncestorOf(receiver));
        QWheelEvent wheel(receiver->mapFrom(window, QPointF(at)), window->mapToGlobal(QPointF(at)),
                          {}, {0, 120 * notches}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                          false);
        QSpontaneKeyEvent::setSpontaneous(&wheel); // only those travel on to the parents
        qApp->notify(receiver, &wheel);
    }

  private slots:
    void initTestCase() { Twips::setLogicalDpi(96); }

    // Below row 0 the row area covers its panel's frame lines.
    void rowAreaHidesItsPanelsFrame() {
        QWidget form;
        buildMainForm(&form);
        auto* rows = findNamed<QWidget>(&form, "Picture1");
        rows->resize(rows->width(), 2000);
        const QImage shown = findNamed<QWidget>(&form, "Frame1")->grab().toImage();
        const QColor background = rows->palette().color(QPalette::Window);
        for (const QPoint& p : {QPoint(0, 40), QPoint(shown.width() - 1, 40),
                                QPoint(shown.width() / 2, shown.height() - 1)})
            QCOMPARE(shown.pixelColor(p), background);
    }

    // The graphs follow the table: an accepted cell moves its points, a new shape redraws
    // the whole chart, the 3D choice draws the wire frame.
    void graphsFollowTheTable() {
        MainWindow window(m_dialogs, m_settingsPath);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const Graph2DModel& chart = window.graphs().model2D();
        const double before = chart.curveSegment(1, 0).p1.y();
        const double neighbour = chart.curveSegment(3, 0).p1.y();
        // Text put in without its check reaches the chart only when the view is drawn anew.
        cell(window, 0, 1)->setText("30");
        QCOMPARE(chart.curveSegment(1, 0).p1.y(), before);
        QTest::mouseClick(findNamed<QRadioButton>(window.form(), "Option5"), Qt::LeftButton);
        QVERIFY(chart.curveSegment(1, 0).p1.y() < before - 1000);
        QLineEdit* entered = cell(window, 0, 2);
        QTest::mouseClick(entered, Qt::LeftButton);
        entered->setText("30");
        QTest::keyClick(entered, Qt::Key_Return);
        QVERIFY(chart.curveSegment(2, 0).p1.y() < before - 1000);
        QCOMPARE(chart.curveSegment(3, 0).p1.y(), neighbour);

        findNamed<QRadioButton>(window.form(), "Option6")->click();
        QVERIFY(window.graphs().shows3D());
    }

    // Over cells (enabled or not) and cut lists the table scrolls three rows a notch,
    // clamped to the scroll range, and changes no list; elsewhere a wheel does nothing.
    // `from` and `to` are in rows, -1 the end.
    void wheelOverTheGridScrollsIt_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("notches");
        QTest::addColumn<int>("to");
        QTest::newRow("cut list, past the top") << "Combo9(2)" << 1 << 1 << 0;
        QTest::newRow("disabled cell, past the end") << "Text1(30)" << 10 << -3 << -1;
        QTest::newRow("resolution list") << "Combo6" << 2 << -1 << 2;
    }
    void wheelOverTheGridScrollsIt() {
        QFETCH(QString, target);
        QFETCH(int, from);
        QFETCH(int, notches);
        QFETCH(int, to);
        MainWindow window(m_dialogs, m_settingsPath);
        auto* bar = findNamed<QScrollBar>(window.form(), "VScroll");
        const int row = bar->singleStep();
        bar->setValue(from * row);
        auto* widget = findNamed<QWidget>(window.form(), target);
        widget->setEnabled(!target.startsWith("Text1("));
        const MapDocument before = window.collectDocument();
        turnWheel(widget, notches);
        QCOMPARE(bar->value(), to < 0 ? bar->maximum() : to * row);
        QVERIFY(window.collectDocument() == before);
    }

    // A "+" press waiting for an empty cell ends, changing nothing, when the window closes
    // or a new table replaces the one it waits on; "+" works again afterwards.
    void columnToolWaitEndsWithItsTable_data() {
        QTest::addColumn<QString>("event");
        QTest::newRow("window closed") << "close";
        QTest::newRow("new resolution") << "resolution";
        QTest::newRow("smaller map loaded") << "load";
    }
    void columnToolWaitEndsWithItsTable() {
        QFETCH(QString, event);
        MainWindow window(m_dialogs, m_settingsPath);
        window.show();
        auto* plus = findNamed<QPushButton>(window.form(), "Command8");
        cell(window, 30, 0)->clear();
        MapDocument during;
        QTimer::singleShot(0, &window, [&] {
            if (event == "close") {
                m_dialogs.answerMessage(Dialogs::Answer::No);
                window.windowHandle()->close();
            } else if (event == "resolution") {
                emit findNamed<QComboBox>(window.form(), "Combo6")->activated(3);
            } else {
                m_dialogs.answerOpenFile(
                    QStringLiteral(KELVOR_SOURCE_DIR "/tests/storage/golden/shape4_time.klv"));
                findNamed<QPushButton>(window.form(), "Command3")->click();
            }
            during = window.collectDocument();
        });
        QTest::mousePress(plus, Qt::LeftButton);
        QTest::mouseRelease(plus, Qt::LeftButton);
        QVERIFY(window.collectDocument() == during);

        if (cell(window, 30, 0)->text().isEmpty())
            cell(window, 30, 0)->setText("0.5");
        const double first = cell(window, 0, 0)->text().toDouble();
        QTest::mouseClick(plus, Qt::LeftButton);
        QCOMPARE(cell(window, 0, 0)->text().toDouble(), first + 0.5);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
