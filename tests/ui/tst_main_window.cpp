#include "core/twips.h"
#include "graph/graph_panel.h"
#include "tests/support/test_window.h"
#include "ui/main_form.h"

#include <QComboBox>
#include <QRadioButton>
#include <QScrollBar>

class TestMainWindow : public QObject {
    Q_OBJECT

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

    // The chart shows the map, never text being typed: not even when a click on the shown
    // view draws it anew. Once checked, the value is in the map and on the chart.
    void chartShowsOnlyCheckedValues() {
        TestWindow w(true);
        QVERIFY(w.show());
        const Graph2DModel& chart = w.main->graphs().model2D();
        const double before = chart.curveSegment(1, 0).p1.y();
        w.cell(0, 1)->setText("30");
        QTest::mouseClick(w.named("Option5"), Qt::LeftButton);
        QCOMPARE(chart.curveSegment(1, 0).p1.y(), before);
        QCOMPARE(w.document().cells[0][1], 5);
        QTest::keyClick(w.cell(0, 1), Qt::Key_Return);
        QVERIFY(chart.curveSegment(1, 0).p1.y() < before - 1000);
        QCOMPARE(w.document().cells[0][1], 300);
    }

    // Over cells (enabled or not) and cut lists the table scrolls three rows a notch,
    // clamped to the scroll range, and changes no list nor the focus (which would check
    // the field left); elsewhere a wheel does nothing.
    void wheelOverTheGridScrollsIt() {
        // The target; the row scrolled to first, the notches, the row scrolled to (-1: end).
        for (const auto& [target, rows] :
             {std::pair{QString("Combo9(2)"), QList<int>{1, 1, 0}},
              std::pair{QString("Text1(30)"), QList<int>{10, -3, -1}}}) {
            TestWindow w(true);
            auto* bar = w.named<QScrollBar>("VScroll");
            bar->setValue(rows[0] * bar->singleStep());
            w.named(target)->setEnabled(!target.startsWith("Text1("));
            const MapDocument before = w.document();
            w.cell(5, 1)->setFocus();
            // Notches (positive: away from the user) over the target's middle go to the
            // widget the window finds there, as the window system sends them; only
            // spontaneous events travel on to the parents.
            const QPoint at = w.at(w.named(target));
            QWidget* receiver = w.main->childAt(at);
            QVERIFY(receiver == w.named(target) || w.named(target)->isAncestorOf(receiver));
            QWheelEvent wheel(receiver->mapFrom(w.main.get(), QPointF(at)),
                              w.main->mapToGlobal(QPointF(at)), {}, {0, 120 * rows[1]},
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QSpontaneKeyEvent::setSpontaneous(&wheel);
            qApp->notify(receiver, &wheel);
            QCOMPARE(bar->value(), rows[2] < 0 ? bar->maximum() : rows[2] * bar->singleStep());
            QVERIFY(w.document() == before);
            QCOMPARE(w.main->focusWidget(), w.cell(5, 1));
        }
    }

    // A "+" press waiting for an empty cell ends, changing nothing, when the window closes
    // or a loaded map replaces the table it waits on; "+" works again afterwards.
    void columnToolWaitEndsWithItsTable() {
        for (const QString event : {"close", "load"}) {
            TestWindow w(true); // the exit question really is modal
            w.main->show();
            QWidget* plus = w.named("Command8");
            w.cell(30, 0)->clear();
            MapDocument during;
            QTimer::singleShot(0, w.main.get(), [&] {
                if (event == "close") {
                    w.dialogs.answerMessage(Dialogs::Answer::No);
                    w.main->windowHandle()->close();
                } else {
                    w.dialogs.answerOpenFile(golden("shape4_time"));
                    w.press("Command3");
                }
                during = w.document();
            });
            QTest::mousePress(plus, Qt::LeftButton);
            QTest::mouseRelease(plus, Qt::LeftButton);
            QVERIFY(w.document() == during);

            if (w.cell(30, 0)->text().isEmpty())
                w.cell(30, 0)->setText("0.5");
            const double first = w.cell(0, 0)->text().toDouble();
            QTest::mouseClick(plus, Qt::LeftButton);
            QCOMPARE(w.cell(0, 0)->text().toDouble(), first + 0.5);
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
