#include "core/default_axes.h"
#include "core/find_widget.h"
#include "core/twips.h"
#include "device/frame_build.h"
#include "storage/map_file_format.h"
#include "tests/support/scripted_dialogs.h"
#include "ui/main_window.h"
#include "ui/serial_actions.h"

#include <QAbstractEventDispatcher>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using Answer = Dialogs::Answer;

namespace {
// Sample maps, one of each table shape.
QString golden(const QString& name) {
    return QStringLiteral(KELVOR_SOURCE_DIR "/tests/storage/golden/") + name + ".klv";
}
QString writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}
QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
void click(MainWindow& window, const char* button) {
    findNamed<QPushButton>(window.form(), QLatin1String(button))->click();
}
QString text(MainWindow& window, const char* name) {
    return findNamed<QLineEdit>(window.form(), QLatin1String(name))->text();
}
} // namespace

// Map files through the window: loading, saving, closing, and files moving between PCs
// of other locales and shapes.
class WindowFilesTest : public QObject {
    Q_OBJECT

    ScriptedDialogs m_dialogs;
    QTemporaryDir m_dir;
    QString m_settings = m_dir.filePath(QStringLiteral("kelvor-310.ini"));

    void load(MainWindow& window, const QString& path) {
        m_dialogs.answerOpenFile(path);
        click(window, "Command3");
    }
    // The map written with `separator`, cut after `keptRows` rows when that is not -1.
    QString write(const MapDocument& doc, const QString& separator, int keptRows = -1) {
        QByteArray bytes = writeMapFile(doc, separator).value();
        if (keptRows >= 0) {
            const int rowLines = doc.columnCount() + 2;
            QList<QByteArray> lines = bytes.split('\n');
            const int header = lines.indexOf(QByteArray::number(doc.rpmBreakpoints[0]) + '\r');
            bytes = lines.mid(0, header + keptRows * rowLines).join('\n') + '\n';
        }
        return writeFile(m_dir.filePath(QStringLiteral("map.klv")), bytes);
    }

  private slots:
    void initTestCase() { Twips::setLogicalDpi(96); }
    void init() {
        m_dialogs.clear();
        QFile::remove(m_settings);
    }
    void cleanup() {
        QCOMPARE(m_dialogs.pendingAnswers(), 0);
        QLocale::setDefault(QLocale::c());
    }

    // The window starts with the stored port and language (all defaults when the port is
    // out of range) and asks in that language on every close whether to save. A failed
    // save is reported and offers the dialog again, so closing loses no map; the
    // settings are written either way.
    void startAndClose_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("portIndex");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("question"); // text, title
        QTest::newRow("stored, yes, the first save fails")
            << QByteArray("3\r\nhun\r\n") << 2 << true
            << QStringList{"Menti az adatállományt?", "Kilépés"};
        QTest::newRow("port 17 falls back entirely, no")
            << QByteArray("17\r\nhun\r\n") << 0 << false
            << QStringList{"Do you want to save data?", "Exit"};
    }
    void startAndClose() {
        QFETCH(QByteArray, stored);
        QFETCH(int, portIndex);
        QFETCH(bool, yes);
        QFETCH(QStringList, question);
        const QString map = m_dir.filePath(QStringLiteral("second try.klv"));
        QFile::remove(map);
        writeFile(m_settings, stored);
        {
            MainWindow window(m_dialogs, m_settings);
            QCOMPARE(findNamed<QComboBox>(window.form(), "Combo1")->currentIndex(), portIndex);
            m_dialogs.answerMessage(yes ? Answer::Yes : Answer::No);
            if (yes) {
                m_dialogs.answerSaveFile(m_dir.filePath(QStringLiteral("missing/folder/map.klv")));
                m_dialogs.answerMessage(Answer::Ok);
                m_dialogs.answerSaveFile(map);
            }
            QVERIFY(window.close());
            const ScriptedDialogs::Call& asked = m_dialogs.calls().first();
            QCOMPARE((QStringList{asked.text, asked.title}), question);
            QCOMPARE(asked.buttons, Dialogs::Buttons::YesNo);
            if (yes)
                QVERIFY(m_dialogs.calls().at(2).text.startsWith(
                            "Az adatállomány mentése nem sikerült: ") &&
                        m_dialogs.calls().at(2).title == "Hiba");
        }
        QCOMPARE(QFile::exists(map), yes);
        QCOMPARE(contents(m_settings),
                 yes ? QByteArray("3\r\nhun\r\n") : QByteArray("1\r\neng\r\n"));
    }

    // No to the overwrite question asks for a name again and a cancel keeps the old file;
    // a name ending in a dot gets one extension.
    void overwriteAndExtension() {
        const QString path = writeFile(m_dir.filePath("old.klv"), "old contents");
        MainWindow window(m_dialogs, m_settings);
        m_dialogs.answerSaveFile(m_dir.filePath("old")); // the extension is added first
        m_dialogs.answerMessage(Answer::No);
        m_dialogs.answerSaveFile(QString());
        click(window, "Command2");
        QCOMPARE(contents(path), QByteArray("old contents"));
        QCOMPARE(m_dialogs.calls().at(1).defaultButton, Answer::No);

        m_dialogs.answerSaveFile(path);
        m_dialogs.answerMessage(Answer::Yes);
        click(window, "Command2");
        QVERIFY(contents(path).startsWith("kelvor310\r\n"));

        m_dialogs.answerSaveFile(m_dir.filePath("dotted."));
        click(window, "Command2");
        QVERIFY(QFile::exists(m_dir.filePath("dotted.klv")));
        QVERIFY(!QFile::exists(m_dir.filePath("dotted..klv")));
    }

    void unreadableFilesChangeNothing_data() {
        QTest::addColumn<QByteArray>("bytes"); // none: no file at all
        QTest::addColumn<bool>("fromCommandLine");
        QTest::newRow("truncated settings") << QByteArray("kelvor310\r\n2\r\n0\r\n") << false;
        QTest::newRow("a lone quote from the command line") << QByteArray() << true;
    }
    void unreadableFilesChangeNothing() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, fromCommandLine);
        const QString path = m_dir.filePath("bad.klv");
        QFile::remove(path);
        if (!bytes.isEmpty())
            writeFile(path, bytes);
        MainWindow window(m_dialogs, m_settings);
        load(window, golden("shape3_dwell"));
        const MapDocument before = window.collectDocument();
        const QString title = window.windowTitle();
        if (!fromCommandLine)
            m_dialogs.answerOpenFile(path);
        m_dialogs.answerMessage(Answer::Ok);
        if (fromCommandLine)
            window.openCommandLineMap("\""); // no quotes to take away: a missing file
        else
            click(window, "Command3");
        QCOMPARE(m_dialogs.lastCall().text, QStringLiteral("Wrong File!"));
        QVERIFY(window.collectDocument() == before);
        QCOMPARE(window.windowTitle(), title);
        QVERIFY(window.formState().documentReady);
    }

    // A note whose lines run long is shown in pieces but read back as it was.
    void longNoteLinesComeBackWhole_data() {
        QTest::addColumn<QString>("note");
        QTest::newRow("no space to split at") << QString(5000, 'x') + ' ' + QString(4001, 'y');
        QTest::newRow("among short lines")
            << "first\r\n\r\n" + QString("word ").repeated(900) + "\r\n\r\nlast ";
    }
    void longNoteLinesComeBackWhole() {
        QFETCH(QString, note);
        MainWindow window(m_dialogs, m_settings);
        MapDocument document = window.collectDocument();
        document.note = note;
        window.applyLoadedDocument(document);
        QVERIFY(window.collectDocument().note == note);
    }

    // Another program destroyed the window in the window system: the settings are written
    // as on exit and the program is told to end. Another window's end changes nothing.
    void windowDestroyedOutsideEndsTheProgram() {
        MainWindow window(m_dialogs, m_settings);
        QSignalSpy lost(&window, &MainWindow::nativeWindowLost);
        for (const quint32 other : {1u, 0u}) {
            // X11 DestroyNotify: type 17, pad, sequence, event window, destroyed window.
            const quint32 id = quint32(window.winId()) + other;
            struct {
                quint8 type = 17, pad = 0;
                quint16 sequence = 0;
                quint32 event, window;
            } destroyNotify{17, 0, 0, id, id};
            qintptr result = 0;
            QAbstractEventDispatcher::instance()->filterNativeEvent("xcb_generic_event_t",
                                                                    &destroyNotify, &result);
            QCOMPARE(lost.size(), 1 - int(other));
            QCOMPARE(QFile::exists(m_settings), !other);
        }
    }

    // Typed decimals (MAP maximum, dwell correction) of a file written with the decimal
    // point load in a decimal comma window and go out as the same values.
    void typedDecimalsLoadAndSendInTheOtherLocale() {
        MapDocument doc = MapDocument::startupDefaults(".");
        doc.loadUnit = 2;
        doc.mapMaxPressure = "2.5";
        doc.operationMode = doc.coilControlMode = 1;
        doc.dwellAngle = "180.5";
        QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
        MainWindow window(m_dialogs, m_settings);
        load(window, write(doc, "."));
        QCOMPARE(text(window, "Text18"), "2,5");
        QCOMPARE(text(window, "TextLabel1(5)"), "2,50");
        QCOMPARE(text(window, "Text19"), "180,5");
        const FrameBuild build = buildFrame(window.collectDocument(), ",");
        QVERIFY(!build.outOfRange && !build.conversionError);
        QCOMPARE(build.frame[240] / 2, 125);
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
        MainWindow window(m_dialogs, m_settings);
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
        MainWindow window(m_dialogs, m_settings);
        window.chooseLanguage(Language::Hungarian);
        m_dialogs.answerOpenFile(write(doc, ","));
        m_dialogs.answerMessage(Answer::Ok);
        click(window, "Command3");
        QCOMPARE(m_dialogs.calls().size(), 2);
        QVERIFY(m_dialogs.lastCall().text.contains("(70,0)"));
        QVERIFY(m_dialogs.lastCall().text.contains("(9,9)"));
        QCOMPARE(text(window, "Text15"), QStringLiteral("9,9"));

        m_dialogs.answerMessage(Answer::Ok);
        click(window, "Command1");
        QCOMPARE(m_dialogs.lastCall().text,
                 QStringLiteral("Semmi nem lett elküldve. A(z) 3. sor 4. oszlopának előgyújtása "
                                "(70,0) kívül esik a(z) 0,0 .. 63,5 fok tartományon!"));
        QVERIFY(!window.serialActions().isBusy());
    }
};

QTEST_MAIN(WindowFilesTest)
#include "tst_window_files.moc"
