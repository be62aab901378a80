#include "core/default_axes.h"
#include "core/find_widget.h"
#include "core/twips.h"
#include "storage/map_file.h"
#include "tests/support/scripted_dialogs.h"
#include "ui/main_window.h"

#include <QAction>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

class WindowCompareTest : public QObject {
    Q_OBJECT

    ScriptedDialogs m_dialogs;
    QTemporaryDir m_dir;

    static QLineEdit* cell(MainWindow& window, int row, int column) {
        return findNamed<QLineEdit>(
            window.form(), arrayName(qPrintable(QStringLiteral("Text%1").arg(column + 1)), row));
    }
    static int marks(MainWindow& window) {
        return window.form()->findChildren<QWidget*>(QStringLiteral("DifferenceMark")).size();
    }

  private slots:
    void initTestCase() { Twips::setLogicalDpi(96); }
    void cleanup() {
        QCOMPARE(m_dialogs.pendingAnswers(), 0);
        m_dialogs.clear();
    }

    void comparesWithAMapFile_data() {
        QTest::addColumn<int>("resolution");
        QTest::addColumn<QString>("cellText"); // of row 3, column 2 in the other map
        QTest::addColumn<QString>("revLimit");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("marked");
        QTest::newRow("identical") << 2 << "0.5"
                                   << ""
                                   << "The two maps are the same." << 0;
        QTest::newRow("one cell") << 2 << "20.0"
                                  << ""
                                  << "" << 1;
        QTest::newRow("cell and setting")
            << 2 << "20.0"
            << "700"
            << "These settings differ (this map / the other map):\nREV Limit (RPM): - / 700" << 1;
        QTest::newRow("other shape")
            << 4 << "20.0"
            << ""
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
        MainWindow window(m_dialogs, m_dir.filePath(QStringLiteral("kelvor-310.ini")));
        MapDocument other = MapDocument::startupDefaults(QStringLiteral("."));
        other.resolution = resolution;
        DefaultRpmBreakpoints(other.rpmBreakpoints, other.rowCount());
        DefaultLoadBreakpoints(other.loadBreakpoints, other.columnCount());
        other.cells[3][2] = cellText;
        other.revLimit = revLimit;
        const QString path = m_dir.filePath(QStringLiteral("other.klv"));
        QVERIFY(saveMapFile(path, other, QStringLiteral(".")).saved);

        m_dialogs.answerOpenFile(path);
        if (!message.isEmpty())
            m_dialogs.answerMessage(Dialogs::Answer::Ok);
        window.findChild<QAction*>(QStringLiteral("CompareWithMapFile"))->trigger();
        QCOMPARE(m_dialogs.calls()[0].text, QStringLiteral("Compare with map file"));
        QCOMPARE(m_dialogs.calls().size() > 1 ? m_dialogs.lastCall().text : QString(), message);
        QCOMPARE(marks(window), marked);
        if (!marked)
            return;
        QCOMPARE(cell(window, 3, 2)->toolTip(),
                 QStringLiteral("Other map: 20.0\nDifference: +19.5"));

        // The marks follow edits, and stopping takes them away.
        cell(window, 3, 2)->setText(QStringLiteral("20.0"));
        cell(window, 0, 0)->setText(QStringLiteral("1.5"));
        QTRY_COMPARE(cell(window, 0, 0)->toolTip(),
                     QStringLiteral("Other map: 0.5\nDifference: -1.0"));
        QCOMPARE(marks(window), 1);
        window.findChild<QAction*>(QStringLiteral("StopComparing"))->trigger();
        QCOMPARE(marks(window), 0);
        QCOMPARE(cell(window, 0, 0)->toolTip(), QString());
    }
};

QTEST_MAIN(WindowCompareTest)
#include "tst_window_compare.moc"
