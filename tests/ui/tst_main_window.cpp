#include "core/find_widget.h"
#include "core/twips.h"
#include "graph/graph_panel.h"
#include "tests/support/modal_dialogs.h"
#include "tests/ui/form_probe.h"
#include "ui/clickable_picture.h"
#include "ui/main_form.h"
#include "ui/main_window.h"

#include <QScrollBar>
#include <QtTest>

namespace {

// Design captions that read the same in both languages.
const QStringList kNeutralCaptions = {"2 D", "3 D", "+", "-", "Port:", "MAP", "RPM"};
const QStringList kNeutralLists = {"Combo1",    "Combo5",  "Combo6", "Combo7",
                                   "Combo9(0)", "Combo10", "Combo11"};
const QStringList kNeutralPanels = {"Frame7", "Frame1"};

bool isCaption(const QWidget* w) {
    return qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w) ||
           qobject_cast<const QGroupBox*>(w) || w->objectName() == "TextLabel1(12)";
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    ModalDialogs m_dialogs; // the exit question really is modal
    QTemporaryDir m_dir;
    const QString m_settingsPath = m_dir.filePath("kelvor-310.ini");

    void clickFlag(MainWindow& window, const QString& language) {
        const char* flag = language == "hun" ? "Picture3" : "Picture4";
        QTest::mouseClick(findNamed<QWidget>(window.form(), flag), Qt::LeftButton);
    }

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

    // Texts the language routines and the read-out refresh would overwrite show whether
    // they ran; the flag of the language shown changes nothing.
    void flagClicks_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("sendCaption");
        QTest::newRow("starts in English") << QStringList{} << "eng"
                                           << "marker";
        QTest::newRow("current flag") << QStringList{"eng"} << "eng"
                                      << "marker";
        QTest::newRow("to hungarian") << QStringList{"hun"} << "hun"
                                      << "Áttöltés";
        QTest::newRow("there and back") << QStringList{"hun", "eng"} << "eng"
                                        << "Send";
    }
    void flagClicks() {
        QFETCH(QStringList, clicks);
        QFETCH(QString, language);
        QFETCH(QString, sendCaption);
        MainWindow window(m_dialogs, m_settingsPath);
        findNamed<QPushButton>(window.form(), "Command1")->setText("marker");
        auto* limit = findNamed<QLabel>(window.form(), "Label11");
        limit->setText("marker");
        for (const QString& flag : clicks)
            clickFlag(window, flag);
        QCOMPARE(window.uiLanguage(), language);
        QCOMPARE(findNamed<QPushButton>(window.form(), "Command1")->text(), sendCaption);
        QCOMPARE(limit->text() == "marker", sendCaption == "marker");
        QCOMPARE(findNamed<ClickablePicture>(window.form(), "Picture3")->hasBorder(),
                 language == "hun");
        QCOMPARE(findNamed<ClickablePicture>(window.form(), "Picture4")->hasBorder(),
                 language == "eng");
    }

    // In both languages every caption fits its widget; back in English no Hungarian
    // design caption or list item is left.
    void captionsInBothLanguages() {
        QWidget design;
        buildMainForm(&design);
        MainWindow window(m_dialogs, m_settingsPath);
        for (const char* language : {"hun", "eng"}) {
            clickFlag(window, language);
            const QStringList clipped = clippedCaptions(window.form());
            QVERIFY2(clipped.isEmpty(), qPrintable(language + (": " + clipped.join(", "))));
        }
        QStringList left;
        for (const QWidget* original : design.findChildren<QWidget*>()) {
            const QString name = original->objectName();
            const QWidget* shown = window.form()->findChild<QWidget*>(name);
            if (name.isEmpty() || !shown || !shown->isVisibleTo(window.form()))
                continue;
            const QString text = shownText(original);
            if (isCaption(original) && !text.isEmpty() && !kNeutralCaptions.contains(text) &&
                !kNeutralPanels.contains(name) && shownText(shown) == text)
                left << name + ": " + text;
            auto* list = qobject_cast<const QComboBox*>(original);
            if (list && !kNeutralLists.contains(name))
                for (const QString& item : itemsOf(list))
                    if (itemsOf(qobject_cast<const QComboBox*>(shown)).contains(item))
                        left << name + ": " + item;
        }
        QVERIFY2(left.isEmpty(), qPrintable(left.join(", ")));
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
        const double neighbour = chart.curveSegment(2, 0).p1.y();
        QLineEdit* entered = cell(window, 0, 1);
        QTest::mouseClick(entered, Qt::LeftButton);
        entered->setText("30");
        QTest::keyClick(entered, Qt::Key_Return);
        QVERIFY(chart.curveSegment(1, 0).p1.y() < before - 1000);
        QCOMPARE(chart.curveSegment(2, 0).p1.y(), neighbour);

        QVERIFY(!chart.curveSegment(6, 0).visible);
        emit findNamed<QComboBox>(window.form(), "Combo6")->activated(4);
        QVERIFY(chart.curveSegment(11, 18).visible);
        QVERIFY(!chart.curveSegment(11, 19).visible);

        findNamed<QRadioButton>(window.form(), "Option6")->click();
        QVERIFY(window.graphs().shows3D());
        QVERIFY(findNamed<QWidget>(window.form(), "Frame18")->isHidden());
        const QList<const GraphLine*> lines = window.graphs().model3D().lines();
        QVERIFY(std::count_if(lines.begin(), lines.end(),
                              [](const GraphLine* line) { return line->visible; }) > 100);
    }

    // A wheel changes no list anywhere, and only over the grid does it do anything.
    void wheelChangesNoList() {
        MainWindow window(m_dialogs, m_settingsPath);
        auto* bar = findNamed<QScrollBar>(window.form(), "VScroll");
        const MapDocument before = window.collectDocument();
        for (QComboBox* list : window.form()->findChildren<QComboBox*>()) {
            if (!list->isVisibleTo(window.form()) || list->objectName().startsWith("Combo9"))
                continue;
            for (int notches : {-1, 1, -2}) {
                const int index = list->currentIndex();
                turnWheel(list, notches);
                QVERIFY2(list->currentIndex() == index, qPrintable(list->objectName()));
            }
        }
        QVERIFY(window.collectDocument() == before);
        QCOMPARE(bar->value(), 0);
    }

    // Over cells (enabled or not), row labels and cut lists the table scrolls three rows
    // a notch, clamped to the scroll range; `from` and `to` are in rows, -1 the end.
    void wheelOverTheGridScrollsIt_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("notches");
        QTest::addColumn<int>("to");
        QTest::newRow("cell, towards the user") << "Text3(1)" << 0 << -1 << 3;
        QTest::newRow("row label, away") << "TextLabel2(8)" << 7 << 1 << 4;
        QTest::newRow("cut list, past the top") << "Combo9(2)" << 1 << 1 << 0;
        QTest::newRow("disabled cell, past the end") << "Text1(30)" << 10 << -3 << -1;
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
