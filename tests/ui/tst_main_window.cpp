#include "core/find_widget.h"
#include "core/twips.h"
#include "graph/graph_panel.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/ui/form_probe.h"
#include "ui/clickable_picture.h"
#include "ui/main_form.h"
#include "ui/main_window.h"

#include <QtTest>

namespace {

// Design captions that read the same in both languages.
const QStringList kNeutralCaptions = {"2 D", "3 D", "+", "-", "Port:", "MAP", "RPM"};
const QStringList kNeutralLists = {"Combo1", "Combo5", "Combo6", "Combo7",
                                   "Combo9(0)", "Combo10", "Combo11"};
const QStringList kNeutralPanels = {"Frame7", "Frame1"};

bool isCaption(const QWidget* w) {
    return qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w) ||
           qobject_cast<const QGroupBox*>(w) || w->objectName() == "TextLabel1(12)";
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    ScriptedDialogs m_dialogs;
    QTemporaryDir m_dir;
    const QString m_settingsPath = m_dir.filePath("kelvor-310.ini");

    void clickFlag(MainWindow& window, const QString& language) {
        const char* flag = language == "hun" ? "Picture3" : "Picture4";
        QTest::mouseClick(findNamed<QWidget>(window.form(), flag), Qt::LeftButton);
    }

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

    void windowFrameAndTitle() {
        MainWindow window(m_dialogs, m_settingsPath);
        QCOMPARE(window.minimumSize(), QSize(1020, 755));
        QCOMPARE(window.maximumSize(), QSize(1020, 755));
        QCOMPARE(window.windowTitle(), QStringLiteral("KELVOR-310"));
        window.showFilePath("/maps/race.klv");
        QCOMPARE(window.windowTitle(), QStringLiteral("KELVOR-310  /maps/race.klv"));
        window.showFilePath("");
        QCOMPARE(window.windowTitle(), QStringLiteral("KELVOR-310"));
    }

    void flagClicks_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("refreshes");
        QTest::addColumn<QString>("sendCaption");
        QTest::addColumn<QString>("exitQuestion");
        const QString english = "Do you want to save data?";
        const QString hungarian = "Menti az adatállományt?";
        QTest::newRow("starts in English") << QStringList{} << "eng" << 0 << "marker" << english;
        QTest::newRow("current flag changes nothing")
            << QStringList{"eng"} << "eng" << 0 << "marker" << english;
        QTest::newRow("to hungarian") << QStringList{"hun"} << "hun" << 1 << "Áttöltés" << hungarian;
        QTest::newRow("there and back") << QStringList{"hun", "eng"} << "eng" << 2 << "Send"
                                        << english;
    }
    void flagClicks() {
        QFETCH(QStringList, clicks);
        QFETCH(QString, language);
        QFETCH(int, refreshes);
        QFETCH(QString, sendCaption);
        QFETCH(QString, exitQuestion);
        MainWindow window(m_dialogs, m_settingsPath);
        // Texts the language routines and the read-out refresh would overwrite show
        // whether they ran.
        findNamed<QPushButton>(window.form(), "Command1")->setText("marker");
        auto* limit = findNamed<QLabel>(window.form(), "Label11");
        limit->setText("marker");
        for (const QString& flag : clicks)
            clickFlag(window, flag);
        QCOMPARE(window.uiLanguage(), language);
        if (refreshes == 0)
            QCOMPARE(limit->text(), QStringLiteral("marker"));
        else
            QVERIFY(limit->text().startsWith(language == "hun" ? "Szikrateljesítmény határ(RPM): "
                                                               : "Spark Power Limit(RPM): "));
        QCOMPARE(findNamed<QPushButton>(window.form(), "Command1")->text(), sendCaption);
        QCOMPARE(window.texts().message("ExitQuestion"), exitQuestion);
        QCOMPARE(findNamed<ClickablePicture>(window.form(), "Picture3")->hasBorder(), language == "hun");
        QCOMPARE(findNamed<ClickablePicture>(window.form(), "Picture4")->hasBorder(), language == "eng");
    }

    void noHungarianDesignCaptionInEnglish() {
        QWidget design;
        buildMainForm(&design);
        MainWindow window(m_dialogs, m_settingsPath);
        clickFlag(window, "hun");
        clickFlag(window, "eng");
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

    void captionsFitInBothLanguages() {
        MainWindow window(m_dialogs, m_settingsPath);
        for (const char* language : {"hun", "eng"}) {
            clickFlag(window, language);
            const QStringList clipped = clippedCaptions(window.form());
            QVERIFY2(clipped.isEmpty(), qPrintable(language + (": " + clipped.join(", "))));
        }
    }

    // The graphs follow the table: an accepted cell moves its points, a new shape redraws
    // the whole chart, the 3D choice draws the wire frame.
    void acceptedCellMovesItsCurvePoint() {
        MainWindow window(m_dialogs, m_settingsPath);
        QVERIFY(activate(window));
        const Graph2DModel& chart = window.graphs().model2D();
        const double before = chart.curveSegment(1, 0).p1.y();
        const double neighbour = chart.curveSegment(2, 0).p1.y();
        typeIntoCell(window, 0, 1, "30");
        QVERIFY(chart.curveSegment(1, 0).p1.y() < before - 1000);
        QCOMPARE(chart.curveSegment(2, 0).p1.y(), neighbour);
    }

    void newShapeRedrawsEveryCurve() {
        MainWindow window(m_dialogs, m_settingsPath);
        const Graph2DModel& chart = window.graphs().model2D();
        QVERIFY(!chart.curveSegment(6, 0).visible);
        emit findNamed<QComboBox>(window.form(), "Combo6")->activated(4);
        QVERIFY(chart.curveSegment(11, 18).visible);
        QVERIFY(!chart.curveSegment(11, 19).visible);
    }

    void threeDChoiceDrawsTheWireFrame() {
        MainWindow window(m_dialogs, m_settingsPath);
        QVERIFY(!window.graphs().shows3D());
        findNamed<QRadioButton>(window.form(), "Option6")->click();
        QVERIFY(window.graphs().shows3D());
        QVERIFY(findNamed<QWidget>(window.form(), "Frame18")->isHidden());
        const QList<const GraphLine*> lines = window.graphs().model3D().lines();
        QVERIFY(std::count_if(lines.begin(), lines.end(),
                              [](const GraphLine* line) { return line->visible; }) > 100);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
