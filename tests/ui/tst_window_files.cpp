#include "core/default_axes.h"
#include "core/find_widget.h"
#include "core/twips.h"
#include "storage/map_file.h"
#include "tests/support/scripted_dialogs.h"
#include "ui/main_window.h"

#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using Answer = Dialogs::Answer;

namespace {

// A map that differs from the defaults in every field the file keeps.
MapDocument distinctiveMap(int resolution, int coilMode, int loadUnit) {
    MapDocument doc = MapDocument::startupDefaults(QStringLiteral("."));
    doc.resolution = resolution;
    DefaultRpmBreakpoints(doc.rpmBreakpoints, doc.rowCount());
    DefaultLoadBreakpoints(doc.loadBreakpoints, doc.columnCount());
    for (int r = 0; r < doc.rowCount(); ++r) {
        for (int c = 0; c < doc.columnCount(); ++c)
            doc.cells[r][c] = QString::number(0.5 + (r * 3 + c) % 120 * 0.5, 'f', 1);
        doc.revCutLevel[r] = r * 4 / doc.rowCount();
    }
    doc.cylinders = 4;
    doc.coilControlMode = coilMode;
    // A dwell map's file holds no times, so they stay at the defaults there.
    if (coilMode == 0) {
        doc.sparkTime = QStringLiteral("1.5");
        doc.chargeTime = QStringLiteral("6.0");
    }
    doc.dwellAngle = coilMode == 1 ? QStringLiteral("45") : QString();
    doc.revLimit = QStringLiteral("7200");
    doc.loadUnit = loadUnit;
    doc.mapMaxPressure = loadUnit == 2 ? QStringLiteral("2.5") : QString();
    doc.inputPolarity = 1;
    doc.transparentIntervals = 2;
    doc.note = QStringLiteral("első sor\r\n\r\nharmadik sor");
    return doc;
}

} // namespace

class WindowFilesTest : public QObject {
    Q_OBJECT

    ScriptedDialogs m_dialogs;
    QTemporaryDir m_dir;
    QString m_settings;

    static bool writeFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
    QByteArray settingsFile() const {
        QFile file(m_settings);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void click(MainWindow& window, const char* button) {
        findNamed<QPushButton>(window.form(), QLatin1String(button))->click();
    }

private slots:
    void initTestCase() { Twips::setLogicalDpi(96); }
    void init() {
        m_dialogs.clear();
        m_settings = m_dir.filePath(QStringLiteral("kelvor-310.ini"));
        QFile::remove(m_settings);
    }
    void cleanup() { QCOMPARE(m_dialogs.pendingAnswers(), 0); }

    void startsWithTheStoredPortAndLanguage_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("portIndex");
        QTest::addColumn<QString>("language");
        QTest::newRow("stored") << QByteArray("3\r\nhun\r\n") << 2 << "hun";
        QTest::newRow("port 17 falls back entirely") << QByteArray("17\r\nhun\r\n") << 0 << "eng";
    }
    void startsWithTheStoredPortAndLanguage() {
        QFETCH(QByteArray, file);
        QFETCH(int, portIndex);
        QFETCH(QString, language);
        QVERIFY(writeFile(m_settings, file));
        MainWindow window(m_dialogs, m_settings);
        QCOMPARE(findNamed<QComboBox>(window.form(), "Combo1")->currentIndex(), portIndex);
        QCOMPARE(window.uiLanguage(), language);
    }

    void closingWithNoWritesOnlyTheSettings() {
        QVERIFY(writeFile(m_settings, "5\r\nhun\r\n"));
        {
            MainWindow window(m_dialogs, m_settings);
            window.chooseLanguage(Language::English);
            m_dialogs.answerMessage(Answer::No);
            QVERIFY(window.close());
            const ScriptedDialogs::Call& question = m_dialogs.lastCall();
            QCOMPARE(question.text, QStringLiteral("Do you want to save data?"));
            QCOMPARE(question.title, QStringLiteral("Exit"));
            QCOMPARE(question.buttons, Dialogs::Buttons::YesNo);
            QCOMPARE(question.icon, Dialogs::Icon::Question);
        }
        QCOMPARE(settingsFile(), QByteArray("5\r\neng\r\n"));
        QCOMPARE(m_dialogs.calls().size(), 1);
    }

    void closingWithYesOffersTheDialogAgainAfterAFailedSave() {
        const QString map = m_dir.filePath(QStringLiteral("second try.klv"));
        {
            MainWindow window(m_dialogs, m_settings);
            m_dialogs.answerMessage(Answer::Yes);
            m_dialogs.answerSaveFile(m_dir.filePath(QStringLiteral("missing/folder/map.klv")));
            m_dialogs.answerMessage(Answer::Ok);
            m_dialogs.answerSaveFile(map);
            QVERIFY(window.close());
        }
        QVERIFY(QFile::exists(map));
        QCOMPARE(settingsFile(), QByteArray("1\r\neng\r\n"));
    }

    void saveAndLoadRoundTripThroughTheWindow_data() {
        QTest::addColumn<int>("resolution");
        QTest::addColumn<int>("coilMode");
        QTest::addColumn<int>("loadUnit");
        QTest::newRow("60 x 1, time") << 0 << 0 << 0;
        QTest::newRow("60 x 4, dwell") << 1 << 1 << 1;
        QTest::newRow("40 x 6, time, bar") << 2 << 0 << 2;
        QTest::newRow("30 x 8, dwell, bar") << 3 << 1 << 2;
        QTest::newRow("20 x 12, time") << 4 << 0 << 0;
    }
    void saveAndLoadRoundTripThroughTheWindow() {
        QFETCH(int, resolution);
        QFETCH(int, coilMode);
        QFETCH(int, loadUnit);
        const QString path = m_dir.filePath(QStringLiteral("round %1.klv").arg(resolution));
        MapDocument saved;
        {
            MainWindow window(m_dialogs, m_settings);
            window.applyLoadedDocument(distinctiveMap(resolution, coilMode, loadUnit));
            saved = window.collectDocument();
            QCOMPARE(saved.resolution, resolution);
            m_dialogs.answerSaveFile(path);
            click(window, "Command2");
            QCOMPARE(window.windowTitle(), QStringLiteral("KELVOR-310  ") + path);
        }
        MainWindow window(m_dialogs, m_settings);
        m_dialogs.answerOpenFile(path);
        click(window, "Command3");
        const MapDocument loaded = window.collectDocument();
        QVERIFY(loaded == saved);
        QCOMPARE(loaded.note, QStringLiteral("első sor\r\n\r\nharmadik sor"));
        QVERIFY(window.formState().documentReady);
    }

    void commandLineMapIsLoaded() {
        const QString path = m_dir.filePath(QStringLiteral("from the command line.klv"));
        QVERIFY(saveMapFile(path, distinctiveMap(4, 1, 0), QStringLiteral(".")).saved);
        MainWindow window(m_dialogs, m_settings);
        window.openCommandLineMap(QLatin1Char('"') + path + QLatin1Char('"'));
        QCOMPARE(window.collectDocument().resolution, 4);
        QCOMPARE(window.collectDocument().dwellAngle, QStringLiteral("45"));
        QCOMPARE(window.windowTitle(), QStringLiteral("KELVOR-310  ") + path);
    }
};

QTEST_MAIN(WindowFilesTest)
#include "tst_window_files.moc"
