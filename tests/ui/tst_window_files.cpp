#include "core/find_widget.h"
#include "core/twips.h"
#include "tests/support/scripted_dialogs.h"
#include "ui/main_window.h"
#include "ui/map_file_actions.h"

#include <QAbstractEventDispatcher>
#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using Answer = Dialogs::Answer;

// Sample maps, one of each table shape.
static QString golden(const QString& name) {
    return QStringLiteral(KELVOR_SOURCE_DIR "/tests/storage/golden/") + name + ".klv";
}

class WindowFilesTest : public QObject {
    Q_OBJECT

    ScriptedDialogs m_dialogs;
    QTemporaryDir m_dir;
    QString m_settings;

    static bool writeFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
    static QByteArray contents(const QString& path) {
        QFile file(path);
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
        QVERIFY(writeFile(m_settings, stored));
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
            QCOMPARE(asked.icon, Dialogs::Icon::Question);
            if (yes)
                QVERIFY(m_dialogs.calls().at(2).text.startsWith(
                            "Az adatállomány mentése nem sikerült: ") &&
                        m_dialogs.calls().at(2).title == "Hiba");
        }
        QCOMPARE(QFile::exists(map), yes);
        QCOMPARE(contents(m_settings),
                 yes ? QByteArray("3\r\nhun\r\n") : QByteArray("1\r\neng\r\n"));
    }

    void overwriteNoAsksAgainCancelKeepsTheOldFileYesReplacesIt() {
        const QString path = m_dir.filePath("old.klv");
        QVERIFY(writeFile(path, "old contents"));
        MainWindow window(m_dialogs, m_settings);
        m_dialogs.answerSaveFile(m_dir.filePath("old")); // the extension is added first
        m_dialogs.answerMessage(Answer::No);
        m_dialogs.answerSaveFile(QString());
        click(window, "Command2");
        QCOMPARE(contents(path), QByteArray("old contents"));
        QCOMPARE(window.windowTitle(), QStringLiteral("KELVOR-310"));
        const ScriptedDialogs::Call& question = m_dialogs.calls().at(1);
        QCOMPARE(question.text,
                 QStringLiteral("File already exists. Do you want to overwrite it?"));
        QCOMPARE(question.title, QStringLiteral("Overwrite"));
        QCOMPARE(question.buttons, Dialogs::Buttons::YesNo);
        QCOMPARE(question.defaultButton, Answer::No);

        m_dialogs.answerSaveFile(path);
        m_dialogs.answerMessage(Answer::Yes);
        click(window, "Command2");
        QVERIFY(contents(path).startsWith("kelvor310\r\n"));
    }

    void unreadableFilesChangeNothing_data() {
        QTest::addColumn<QByteArray>("bytes"); // none: no file at all
        QTest::addColumn<bool>("fromCommandLine");
        QTest::newRow("wrong magic") << QByteArray("kelvor311\r\n2\r\n") << false;
        QTest::newRow("truncated settings") << QByteArray("kelvor310\r\n2\r\n0\r\n") << false;
        QTest::newRow("missing, from the command line") << QByteArray() << true;
    }
    void unreadableFilesChangeNothing() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, fromCommandLine);
        const QString path = m_dir.filePath("bad.klv");
        QFile::remove(path);
        if (!bytes.isEmpty())
            QVERIFY(writeFile(path, bytes));
        MainWindow window(m_dialogs, m_settings);
        m_dialogs.answerOpenFile(golden("shape3_dwell"));
        click(window, "Command3");
        const MapDocument before = window.collectDocument();
        const QString title = window.windowTitle();
        if (!fromCommandLine)
            m_dialogs.answerOpenFile(path);
        m_dialogs.answerMessage(Answer::Ok);
        if (fromCommandLine)
            window.openCommandLineMap(path);
        else
            click(window, "Command3");
        QCOMPARE(m_dialogs.lastCall().text, QStringLiteral("Wrong File!"));
        QCOMPARE(m_dialogs.lastCall().title, QStringLiteral("Error"));
        QVERIFY(window.collectDocument() == before);
        QCOMPARE(window.windowTitle(), title);
        QVERIFY(window.formState().documentReady);
    }

    // A map loaded and saved through the window comes back byte for byte, and loads
    // again from the command line.
    void saveAndLoadRoundTripThroughTheWindow_data() {
        QTest::addColumn<QString>("name");
        for (const char* name :
             {"shape0_dwell", "shape1_time", "shape2_time", "shape3_dwell", "shape4_time"})
            QTest::newRow(name) << name;
    }
    void saveAndLoadRoundTripThroughTheWindow() {
        QFETCH(QString, name);
        const QString path = m_dir.filePath(name + " again.klv");
        MapDocument saved;
        {
            MainWindow window(m_dialogs, m_settings);
            m_dialogs.answerOpenFile(golden(name));
            click(window, "Command3");
            QCOMPARE(m_dialogs.lastCall().text, QStringLiteral("Load"));
            saved = window.collectDocument();
            m_dialogs.answerSaveFile(path);
            click(window, "Command2");
            QCOMPARE(m_dialogs.lastCall().text, QStringLiteral("Save"));
            QCOMPARE(m_dialogs.lastCall().filter, QStringLiteral("KLV Files(*.klv)|*.klv"));
            QCOMPARE(window.windowTitle(), QStringLiteral("KELVOR-310  ") + path);
        }
        QCOMPARE(contents(path), contents(golden(name)));
        MainWindow window(m_dialogs, m_settings);
        window.openCommandLineMap(QLatin1Char('"') + path + QLatin1Char('"'));
        QVERIFY(window.collectDocument() == saved);
        QCOMPARE(window.windowTitle(), QStringLiteral("KELVOR-310  ") + path);
        QVERIFY(window.formState().documentReady);
    }

    void commandLineQuotes_data() {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("path");
        QTest::newRow("quoted") << "\"C:\\maps\\a b.klv\""
                                << "C:\\maps\\a b.klv";
        QTest::newRow("plain") << "/maps/a.klv"
                               << "/maps/a.klv";
        QTest::newRow("lone quote") << "\""
                                    << "\"";
    }
    void commandLineQuotes() {
        QFETCH(QString, argument);
        QFETCH(QString, path);
        QCOMPARE(MapFileActions::withoutSurroundingQuotes(argument), path);
    }

    // A note whose lines run to megabytes is shown in pieces but read back as it was.
    void longNoteLinesComeBackWhole_data() {
        QTest::addColumn<QString>("note");
        QString words;
        for (int i = 0; i < 150000; ++i)
            words += QStringLiteral("word%1 ").arg(i % 10);
        QTest::newRow("one megabyte line") << words;
        QTest::newRow("no space to split at") << QString(5000, 'x') + ' ' + QString(4001, 'y');
        QTest::newRow("among short lines") << "first\r\n\r\n" + words.left(4500) + "\r\n\r\nlast ";
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
};

QTEST_MAIN(WindowFilesTest)
#include "tst_window_files.moc"
