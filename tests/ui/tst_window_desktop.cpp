#include "core/default_axes.h"
#include "core/twips.h"
#include "storage/map_file_format.h"
#include "storage/recent_map_files.h"
#include "tests/support/test_window.h"
#include "ui/port_list_tips.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMimeData>
#include <QStandardPaths>

using Answer = Dialogs::Answer;

class WindowDesktopTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestWindow> m_w;

    void drop(const QString& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QWidget* cell = m_w->cell(0, 0);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(cell, &enter);
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        if (enter.isAccepted())
            QApplication::sendEvent(cell, &dropped);
        QCoreApplication::processEvents();
    }
    QString title() const { return m_w->main->windowTitle(); }
    int marks() const {
        return m_w->main->form()->findChildren<QWidget*>(QStringLiteral("DifferenceMark")).size();
    }
    void key(Qt::Key key) { QTest::keyClick(m_w->main.get(), key, Qt::ControlModifier); }

  private slots:
    void initTestCase() {
        Twips::setLogicalDpi(96);
        QStandardPaths::setTestModeEnabled(true);
    }
    void init() {
        QFile::remove(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
                      "/recent-maps.ini");
        m_w = std::make_unique<TestWindow>();
        QVERIFY(m_w->show());
    }
    void cleanup() { m_w.reset(); }

    // Ctrl+O, Ctrl+S and Ctrl+Q press Load, Save and Exit; a map loaded and saved loads
    // again from the command line, quoted.
    void shortcutsPressTheButtons() {
        m_w->dialogs.answerOpenFile(golden("shape4_time"));
        key(Qt::Key_O);
        QCOMPARE(title(), "KELVOR-310  " + golden("shape4_time"));
        const MapDocument loaded = m_w->document();
        const QString saved = m_w->path("saved again.klv");
        m_w->dialogs.answerSaveFile(saved);
        key(Qt::Key_S);
        QCOMPARE(m_w->dialogs.lastCall().filter, QStringLiteral("KLV Files(*.klv)|*.klv"));
        m_w->main->applyLoadedDocument(MapDocument::startupDefaults(QStringLiteral(".")));
        m_w->main->openCommandLineMap(QLatin1Char('"') + saved + QLatin1Char('"'));
        QVERIFY(m_w->document() == loaded);
        m_w->dialogs.answerMessage(Answer::No);
        key(Qt::Key_Q);
        QVERIFY(!m_w->main->isVisible());
    }

    // A dropped map file of the wrong content is a wrong file; any other file is ignored.
    // Dropped maps load as Load loads them, and the Load button's menu offers the last five.
    void droppedFilesAndTheLastFive() {
        m_w->dialogs.answerMessage(Answer::Ok);
        drop(m_w->write("wrong.klv", "kelvor300\r\n"));
        QCOMPARE(m_w->dialogs.lastCall().text, QStringLiteral("Wrong File!"));
        drop(m_w->write("notes.txt", "kelvor310\r\n"));
        QCOMPARE(m_w->dialogs.calls().size(), 1);
        QCOMPARE(title(), QStringLiteral("KELVOR-310"));
        for (const char* name : {"shape0_dwell", "shape1_time", "shape2_time"})
            drop(golden(name));
        emit m_w->named("Command3")->customContextMenuRequested(QPoint(2, 2));
        auto* menu = m_w->main->findChild<QMenu*>(QStringLiteral("RecentMapFiles"));
        QStringList texts;
        for (QAction* action : menu->actions())
            texts << action->text();
        QCOMPARE(texts, QStringList({golden("shape2_time"), golden("shape1_time"),
                                     golden("shape0_dwell")}));
        menu->actions()[2]->trigger();
        menu->close();
        QTRY_COMPARE(title(), "KELVOR-310  " + golden("shape0_dwell"));

        RecentMapFiles recent(m_w->path("recent.ini"));
        for (const char* path :
             {"/m/1.klv", "/m/2.klv", "/m/3.klv", "/m/4.klv", "/m/5.klv", "/m/6.klv", "/m/2.klv"})
            recent.add(path);
        QCOMPARE(recent.files(),
                 QStringList({"/m/2.klv", "/m/6.klv", "/m/5.klv", "/m/4.klv", "/m/3.klv"}));
    }

    // Differing cells are framed and their tool tips give the other value; differing
    // settings are listed; a map of another resolution is not compared cell by cell.
    void comparesWithAMapFile() {
        const auto compareWith = [&](int resolution, const QString& revLimit) {
            MapDocument other = MapDocument::startupDefaults(QStringLiteral("."));
            other.resolution = resolution;
            DefaultRpmBreakpoints(other.rpmBreakpoints, other.rowCount());
            DefaultLoadBreakpoints(other.loadBreakpoints, other.columnCount());
            other.cells[3][2] = 200;
            other.revLimit = revLimit;
            m_w->dialogs.answerOpenFile(m_w->write("other.klv", writeMapFile(other, ".").value()));
            m_w->dialogs.answerMessage(Answer::Ok);
            m_w->main->findChild<QAction*>("CompareWithMapFile")->trigger();
            return m_w->dialogs.lastCall().text;
        };
        QCOMPARE(compareWith(4, QString()),
                 "The maps have different resolutions (40 x 6 and 20 x 12), so their cells are not "
                 "compared.");
        QCOMPARE(marks(), 0);
        QCOMPARE(compareWith(2, "700"),
                 "These settings differ (this map / the other map):\nREV Limit (RPM): - / 700");
        QCOMPARE(marks(), 1);
        QCOMPARE(m_w->cell(3, 2)->toolTip(), QStringLiteral("Other map: 20.0\nDifference: +19.5"));
        // The marks follow edits, and stopping takes them away.
        for (QLineEdit* cell : {m_w->cell(3, 2), m_w->cell(0, 0)}) {
            QTest::mouseClick(cell, Qt::LeftButton);
            QTest::keyClicks(cell, cell == m_w->cell(0, 0) ? "1.5" : "20");
            QTest::keyClick(cell, Qt::Key_Return);
        }
        QTRY_COMPARE(m_w->cell(0, 0)->toolTip(),
                     QStringLiteral("Other map: 0.5\nDifference: -1.0"));
        QCOMPARE(marks(), 1);
        m_w->main->findChild<QAction*>("StopComparing")->trigger();
        QCOMPARE(marks(), 0);
        QCOMPARE(m_w->cell(0, 0)->toolTip(), QString());
    }

    // Each Com item names the system port behind it; one without a port says so.
    void portItemsNameTheirPorts() {
        auto* ports = m_w->named<QComboBox>(QStringLiteral("Combo1"));
        showPortToolTips(ports, {{"/dev/ttyUSB0", "USB serial adapter"}}, false, "none");
        QCOMPARE(ports->itemData(0, Qt::ToolTipRole).toString() + " | " +
                     ports->itemData(15, Qt::ToolTipRole).toString(),
                 QStringLiteral("/dev/ttyUSB0 — USB serial adapter | none"));
    }
};

QTEST_MAIN(WindowDesktopTest)
#include "tst_window_desktop.moc"
