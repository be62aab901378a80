#include "core/default_axes.h"
#include "core/find_widget.h"
#include "core/twips.h"
#include "storage/map_file.h"
#include "storage/recent_map_files.h"
#include "tests/support/scripted_dialogs.h"
#include "ui/main_window.h"
#include "ui/port_list_tips.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using Answer = Dialogs::Answer;

static QString golden(const QString& name) {
    return QStringLiteral(KELVOR_SOURCE_DIR "/tests/storage/golden/") + name + ".klv";
}

class WindowDesktopTest : public QObject {
    Q_OBJECT

    ScriptedDialogs m_dialogs;
    QTemporaryDir m_dir;
    std::unique_ptr<MainWindow> m_window;

    QString settingsPath() const { return m_dir.filePath(QStringLiteral("kelvor-310.ini")); }
    void drop(const QString& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QWidget* cell = findNamed<QWidget>(m_window->form(), QStringLiteral("Text1(0)"));
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(cell, &enter);
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        if (enter.isAccepted())
            QApplication::sendEvent(cell, &dropped);
        QCoreApplication::processEvents();
    }
    QString title() const { return m_window->windowTitle(); }
    QLineEdit* cell(int row, int column) const {
        return findNamed<QLineEdit>(m_window->form(),
                                    arrayName(qPrintable(QString("Text%1").arg(column + 1)), row));
    }
    int marks() const {
        return m_window->form()->findChildren<QWidget*>(QStringLiteral("DifferenceMark")).size();
    }
    void trigger(const char* action) { m_window->findChild<QAction*>(action)->trigger(); }

  private slots:
    void initTestCase() {
        Twips::setLogicalDpi(96);
        QStandardPaths::setTestModeEnabled(true);
    }
    void init() {
        QFile::remove(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
                      "/recent-maps.ini");
        m_window = std::make_unique<MainWindow>(m_dialogs, settingsPath());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void cleanup() {
        m_window.reset();
        QCOMPARE(m_dialogs.pendingAnswers(), 0);
        m_dialogs.clear();
    }

    // Ctrl+O, Ctrl+S and Ctrl+Q press Load, Save and Exit; a map loaded and saved comes
    // back byte for byte and loads again from the command line, quoted.
    void shortcutsPressTheButtons() {
        m_dialogs.answerOpenFile(golden("shape4_time"));
        QTest::keyClick(m_window.get(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(title(), "KELVOR-310  " + golden("shape4_time"));
        const MapDocument loaded = m_window->collectDocument();
        const QString saved = m_dir.filePath(QStringLiteral("saved again.klv"));
        m_dialogs.answerSaveFile(saved);
        QTest::keyClick(m_window.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(m_dialogs.lastCall().filter, QStringLiteral("KLV Files(*.klv)|*.klv"));
        QFile file(saved), original(golden("shape4_time"));
        QVERIFY(file.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), original.readAll());
        m_window->applyLoadedDocument(MapDocument::startupDefaults(QStringLiteral(".")));
        m_window->openCommandLineMap(QLatin1Char('"') + saved + QLatin1Char('"'));
        QVERIFY(m_window->collectDocument() == loaded);
        m_dialogs.answerMessage(Answer::No);
        QTest::keyClick(m_window.get(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!m_window->isVisible());
    }

    void droppedFilesLoadAsLoadDoes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::newRow("wrong content")
            << "wrong.klv" << QByteArray("kelvor300\r\n") << "Wrong File!";
        QTest::newRow("not a map file") << "notes.txt" << QByteArray("kelvor310\r\n") << "";
    }
    void droppedFilesLoadAsLoadDoes() {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        const QString path = m_dir.filePath(name);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        file.close();
        if (!message.isEmpty())
            m_dialogs.answerMessage(Answer::Ok);
        drop(path);
        QCOMPARE(m_dialogs.calls().isEmpty() ? QString() : m_dialogs.lastCall().text, message);
        QCOMPARE(title(), QStringLiteral("KELVOR-310"));
    }

    void loadMenuOffersTheLastFiveFiles() {
        for (const char* name : {"shape0_dwell", "shape1_time", "shape2_time"})
            drop(golden(name));
        auto* load = findNamed<QPushButton>(m_window->form(), QStringLiteral("Command3"));
        emit load->customContextMenuRequested(QPoint(2, 2));
        auto* menu = m_window->findChild<QMenu*>(QStringLiteral("RecentMapFiles"));
        QStringList texts;
        for (QAction* action : menu->actions())
            texts << action->text();
        QCOMPARE(texts, QStringList({golden("shape2_time"), golden("shape1_time"),
                                     golden("shape0_dwell")}));
        menu->actions()[2]->trigger();
        menu->close();
        QTRY_COMPARE(title(), "KELVOR-310  " + golden("shape0_dwell"));

        RecentMapFiles recent(m_dir.filePath(QStringLiteral("recent.ini")));
        for (const char* path :
             {"/m/1.klv", "/m/2.klv", "/m/3.klv", "/m/4.klv", "/m/5.klv", "/m/6.klv", "/m/2.klv"})
            recent.add(path);
        QCOMPARE(recent.files(),
                 QStringList({"/m/2.klv", "/m/6.klv", "/m/5.klv", "/m/4.klv", "/m/3.klv"}));
    }

    void comparesWithAMapFile_data() {
        QTest::addColumn<int>("resolution");
        QTest::addColumn<QString>("cellText"); // of row 3, column 2 in the other map
        QTest::addColumn<QString>("revLimit");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("marked");
        QTest::newRow("cell and setting")
            << 2 << "20.0"
            << "700"
            << "These settings differ (this map / the other map):\nREV Limit (RPM): - / 700" << 1;
        QTest::newRow("other shape")
            << 4 << "20.0" << QString()
            << "The maps have different resolutions (40 x 6 and 20 x 12), so their cells are not "
               "compared."
            << 0;
    }
    void comparesWithAMapFile() {
        QFETCH(int, resolution);
        QFETCH(QString, cellText);
        QFETCH(QString, revLimit);
        QFETCH(QString, message);
        QFETCH(int, marked);
        MapDocument other = MapDocument::startupDefaults(QStringLiteral("."));
        other.resolution = resolution;
        DefaultRpmBreakpoints(other.rpmBreakpoints, other.rowCount());
        DefaultLoadBreakpoints(other.loadBreakpoints, other.columnCount());
        other.cells[3][2] = cellText;
        other.revLimit = revLimit;
        const QString path = m_dir.filePath(QStringLiteral("other.klv"));
        QVERIFY(saveMapFile(path, other, QStringLiteral(".")).saved);

        m_dialogs.answerOpenFile(path);
        m_dialogs.answerMessage(Answer::Ok);
        trigger("CompareWithMapFile");
        QCOMPARE(m_dialogs.lastCall().text, message);
        QCOMPARE(marks(), marked);
        if (!marked)
            return;
        QCOMPARE(cell(3, 2)->toolTip(), QStringLiteral("Other map: 20.0\nDifference: +19.5"));
        // The marks follow edits, and stopping takes them away.
        cell(3, 2)->setText(QStringLiteral("20.0"));
        cell(0, 0)->setText(QStringLiteral("1.5"));
        QTRY_COMPARE(cell(0, 0)->toolTip(), QStringLiteral("Other map: 0.5\nDifference: -1.0"));
        QCOMPARE(marks(), 1);
        trigger("StopComparing");
        QCOMPARE(marks(), 0);
        QCOMPARE(cell(0, 0)->toolTip(), QString());
    }

    void portItemsNameTheirPorts() {
        auto* ports = findNamed<QComboBox>(m_window->form(), QStringLiteral("Combo1"));
        showPortToolTips(ports, {{"/dev/ttyUSB0", "USB serial adapter"}}, false, "none");
        QCOMPARE(ports->itemData(0, Qt::ToolTipRole).toString(),
                 QStringLiteral("/dev/ttyUSB0 — USB serial adapter"));
        QCOMPARE(ports->itemData(15, Qt::ToolTipRole).toString(), QStringLiteral("none"));
    }
};

QTEST_MAIN(WindowDesktopTest)
#include "tst_window_desktop.moc"
