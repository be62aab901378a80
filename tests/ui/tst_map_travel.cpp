#include "core/default_axes.h"
#include "core/find_widget.h"
#include "core/twips.h"
#include "device/frame_build.h"
#include "storage/map_file_format.h"
#include "tests/support/scripted_dialogs.h"
#include "ui/main_window.h"
#include "ui/serial_actions.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

// Map files moving between PCs of other locales and shapes, and values out of range.
class MapTravelTest : public QObject {
    Q_OBJECT

    ScriptedDialogs m_dialogs;
    QTemporaryDir m_dir;

    QString write(const MapDocument& doc, const QString& separator, int keptRows = -1) {
        QByteArray bytes = writeMapFile(doc, separator).value();
        if (keptRows >= 0) {
            // Cut the file after `keptRows` rows: the header lines, then the rows.
            const int rowLines = doc.columnCount() + 2;
            QList<QByteArray> lines = bytes.split('\n');
            const int header = lines.indexOf(QByteArray::number(doc.rpmBreakpoints[0]) + '\r');
            bytes = lines.mid(0, header + keptRows * rowLines).join('\n') + '\n';
        }
        const QString path = m_dir.filePath(QStringLiteral("map.klv"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write the map file");
        return path;
    }
    void load(MainWindow& window, const QString& path) {
        m_dialogs.answerOpenFile(path);
        findNamed<QPushButton>(window.form(), "Command3")->click();
    }
    static QString text(MainWindow& window, const QString& name) {
        return findNamed<QLineEdit>(window.form(), name)->text();
    }

  private slots:
    void initTestCase() { Twips::setLogicalDpi(96); }
    void init() { m_dialogs.clear(); }
    void cleanup() {
        QCOMPARE(m_dialogs.pendingAnswers(), 0);
        QLocale::setDefault(QLocale::c());
    }

    void typedDecimalsLoadAndSendInTheOtherLocale_data() {
        QTest::addColumn<QString>("windowSeparator");
        QTest::addColumn<bool>("bipolar");
        QTest::newRow("MAP maximum , file in . window") << "." << false;
        QTest::newRow("MAP maximum . file in , window") << "," << false;
        QTest::newRow("dwell correction , file in . window") << "." << true;
        QTest::newRow("dwell correction . file in , window") << "," << true;
    }
    void typedDecimalsLoadAndSendInTheOtherLocale() {
        QFETCH(QString, windowSeparator);
        QFETCH(bool, bipolar);
        const QString fileSeparator = windowSeparator == "." ? "," : ".";
        MapDocument doc = MapDocument::startupDefaults(fileSeparator);
        doc.loadUnit = 2;
        doc.mapMaxPressure = "2" + fileSeparator + "5";
        if (bipolar) {
            doc.operationMode = doc.coilControlMode = 1;
            doc.dwellAngle = "180" + fileSeparator + "5";
        }
        QLocale::setDefault(windowSeparator == "," ? QLocale(QLocale::Hungarian, QLocale::Hungary)
                                                   : QLocale::c());
        MainWindow window(m_dialogs, m_dir.filePath("kelvor-310.ini"));
        load(window, write(doc, fileSeparator));
        QCOMPARE(text(window, "Text18"), "2" + windowSeparator + "5");
        QCOMPARE(text(window, "TextLabel1(5)"), "2" + windowSeparator + "50");
        if (bipolar)
            QCOMPARE(text(window, "Text19"), "180" + windowSeparator + "5");
        const FrameBuild build = buildFrame(window.collectDocument(), windowSeparator);
        QVERIFY(!build.outOfRange && !build.conversionError);
        QCOMPARE(build.frame[240] / 2, bipolar ? 125 : 0);
    }

    // A file that ends early keeps real values in the rows it does not reach, so the
    // map can still be saved and sent, whatever shape the window showed before.
    void shortFileOntoEveryOtherShape_data() {
        QTest::addColumn<int>("windowShape");
        QTest::addColumn<int>("fileShape");
        for (int from = 0; from < kResolutionCount; ++from)
            for (int to = 0; to < kResolutionCount; ++to)
                if (from != to)
                    QTest::addRow("%d onto %d", to, from) << from << to;
    }
    void shortFileOntoEveryOtherShape() {
        QFETCH(int, windowShape);
        QFETCH(int, fileShape);
        MapDocument doc = MapDocument::startupDefaults(".");
        doc.resolution = fileShape;
        doc.loadInputUsed = fileShape != 0;
        DefaultRpmBreakpoints(doc.rpmBreakpoints, doc.rowCount());
        DefaultLoadBreakpoints(doc.loadBreakpoints, doc.columnCount());
        for (auto& row : doc.cells)
            row.fill("12.0");
        MainWindow window(m_dialogs, m_dir.filePath("kelvor-310.ini"));
        findNamed<QComboBox>(window.form(), "Combo6")->setCurrentIndex(windowShape);
        load(window, write(doc, ".", 5));
        const MapDocument loaded = window.collectDocument();
        QCOMPARE(loaded.resolution, fileShape);
        QCOMPARE(loaded.cells[4][loaded.columnCount() - 1], QStringLiteral("12.0"));
        QCOMPARE(loaded.cells[loaded.rowCount() - 1][loaded.columnCount() - 1],
                 QStringLiteral("0.5"));
        QVERIFY(writeMapFile(loaded, ".").ok());
        QVERIFY(!buildFrame(loaded, ".").outOfRange);
    }

    // The load says once what is out of range; the send then refuses, naming the first.
    void outOfRangeValuesLoadButAreNotSent() {
        MapDocument doc = MapDocument::startupDefaults(",");
        doc.cells[2][3] = "70,0";
        doc.sparkTime = "9,9";
        QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
        MainWindow window(m_dialogs, m_dir.filePath("kelvor-310.ini"));
        window.chooseLanguage(Language::Hungarian);
        m_dialogs.answerOpenFile(write(doc, ","));
        m_dialogs.answerMessage(Dialogs::Answer::Ok);
        findNamed<QPushButton>(window.form(), "Command3")->click();
        QCOMPARE(m_dialogs.calls().size(), 2);
        QVERIFY(m_dialogs.lastCall().text.contains("(70,0)"));
        QVERIFY(m_dialogs.lastCall().text.contains("(9,9)"));
        QCOMPARE(text(window, "Text15"), QStringLiteral("9,9"));

        m_dialogs.answerMessage(Dialogs::Answer::Ok);
        findNamed<QPushButton>(window.form(), "Command1")->click();
        QCOMPARE(m_dialogs.lastCall().text,
                 QStringLiteral("Semmi nem lett elküldve. A(z) 3. sor 4. oszlopának előgyújtása "
                                "(70,0) kívül esik a(z) 0,0 .. 63,5 fok tartományon!"));
        QCOMPARE(m_dialogs.lastCall().title, QStringLiteral("Hiba"));
        QVERIFY(!window.serialActions().isBusy());
    }

    void nameEndingInADotGetsOneExtension() {
        MainWindow window(m_dialogs, m_dir.filePath("kelvor-310.ini"));
        m_dialogs.answerSaveFile(m_dir.filePath("dotted."));
        findNamed<QPushButton>(window.form(), "Command2")->click();
        QVERIFY(QFile::exists(m_dir.filePath("dotted.klv")));
        QVERIFY(!QFile::exists(m_dir.filePath("dotted..klv")));
    }
};

QTEST_MAIN(MapTravelTest)
#include "tst_map_travel.moc"
