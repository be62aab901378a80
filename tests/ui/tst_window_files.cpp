#include "core/twips.h"
#include "storage/map_file_format.h"
#include "tests/support/test_window.h"
#include "ui/serial_actions.h"

#include <QAbstractEventDispatcher>
#include <QComboBox>
#include <QSignalSpy>

using Answer = Dialogs::Answer;

namespace {
// What the window system reports when another program destroys a window: an X11
// DestroyNotify (type 17, pad, sequence, event window, destroyed window). `other` names
// another window than the main one.
void destroyWindow(TestWindow& w, quint32 other) {
    const quint32 id = quint32(w.main->winId()) + other;
    struct {
        quint8 type, pad;
        quint16 sequence;
        quint32 event, window;
    } destroyNotify{17, 0, 0, id, id};
    qintptr result = 0;
    QAbstractEventDispatcher::instance()->filterNativeEvent("xcb_generic_event_t", &destroyNotify,
                                                            &result);
}
} // namespace

// Map files through the window: loading, saving, closing, and files moving between PCs
// of other locales and shapes.
class WindowFilesTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { Twips::setLogicalDpi(96); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // The window starts with the stored port and language (all defaults when the port is
    // out of range) and asks in that language on every close whether to save. A failed
    // save is reported and offers the dialog again, so closing loses no map; the
    // settings are written either way.
    void startAndClose_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("asked"); // the port shown, then the question and its title
        QTest::newRow("stored, yes, the first save fails")
            << QByteArray("3\r\nhun\r\n") << "port 2: Menti az adatállományt? | Kilépés";
        QTest::newRow("port 17 falls back entirely, no")
            << QByteArray("17\r\nhun\r\n") << "port 0: Do you want to save data? | Exit";
    }
    void startAndClose() {
        QFETCH(QByteArray, stored);
        QFETCH(QString, asked);
        const bool yes = stored.startsWith("3"); // the stored settings' row saves
        TestWindow w(false, [&](TestWindow& t) { t.write("kelvor-310.ini", stored); });
        const int port = w.named<QComboBox>("Combo1")->currentIndex();
        w.dialogs.answerMessage(yes ? Answer::Yes : Answer::No);
        if (yes) {
            w.dialogs.answerSaveFile(w.path("missing/folder/map.klv"));
            w.dialogs.answerMessage(Answer::Ok);
            w.dialogs.answerSaveFile(w.path("second try.klv"));
        }
        QVERIFY(w.main->close());
        const ScriptedDialogs::Call& question = w.dialogs.calls().first();
        QCOMPARE(QString("port %1: %2 | %3").arg(port).arg(question.text, question.title), asked);
        QCOMPARE(question.buttons, Dialogs::Buttons::YesNo);
        if (yes)
            QVERIFY(
                w.dialogs.calls().at(2).text.startsWith("Az adatállomány mentése nem sikerült: ") &&
                w.dialogs.calls().at(2).title == "Hiba");
        w.main.reset();
        QCOMPARE(QFile::exists(w.path("second try.klv")), yes);
        QCOMPARE(contents(w.path("kelvor-310.ini")),
                 yes ? QByteArray("3\r\nhun\r\n") : QByteArray("1\r\neng\r\n"));
    }

    // No to the overwrite question asks for a name again and a cancel keeps the old file
    // (a Yes is played by the session player, which reads every save back); a name ending
    // in a dot gets one extension.
    void overwriteAndExtension() {
        TestWindow w;
        const QString path = w.write("old.klv", "old contents");
        w.dialogs.answerSaveFile(w.path("old")); // the extension is added first
        w.dialogs.answerMessage(Answer::No);
        w.dialogs.answerSaveFile(QString());
        w.press("Command2");
        QCOMPARE(contents(path), QByteArray("old contents"));
        QCOMPARE(w.dialogs.calls().at(1).defaultButton, Answer::No);

        w.dialogs.answerSaveFile(w.path("dotted."));
        w.press("Command2");
        QVERIFY(QFile::exists(w.path("dotted.klv")) && !QFile::exists(w.path("dotted..klv")));
    }

    // A map file holds the note in its 8-bit code page: the characters it lacks are
    // written as "?", and the save names them; the window keeps them.
    void noteCharactersTheFileCannotHold() {
        TestWindow w;
        MapDocument document = w.document();
        document.note = QString::fromUtf8("1,5 m\u00b2 \u2248 \u0151 \U0001F600 ?");
        w.main->applyLoadedDocument(document);
        w.dialogs.answerSaveFile(w.path("note.klv"));
        w.dialogs.answerMessage(Answer::Ok);
        w.press("Command2");
        QVERIFY(w.dialogs.lastCall().text.endsWith(
            QString::fromUtf8("written as \"?\": \u00b2\u2248\U0001F600")));
        QVERIFY(contents(w.path("note.klv")).endsWith("1,5 m? ? \xf5 ? ?\r\n"));
        QCOMPARE(w.document().note, document.note);
    }

    // A lone quote from the command line has no quotes to take away: a missing file, which
    // is a wrong file that changes nothing.
    void loneQuoteIsAWrongFile() {
        TestWindow w;
        const MapDocument before = w.document();
        w.dialogs.answerMessage(Answer::Ok);
        w.main->openCommandLineMap("\"");
        QCOMPARE(w.dialogs.lastCall().text, QStringLiteral("Wrong File!"));
        QVERIFY(w.document() == before && w.main->formState().documentReady);
    }

    // A note whose lines run long is shown in pieces but read back as it was.
    void longNoteLinesComeBackWhole() {
        TestWindow w;
        for (const QString& note :
             {QString(5000, 'x') + ' ' + QString(4001, 'y'),
              "first\r\n\r\n" + QString("word ").repeated(900) + "\r\n\r\nlast "}) {
            MapDocument document = w.document();
            document.note = note;
            w.main->applyLoadedDocument(document);
            QVERIFY(w.document().note == note);
        }
    }

    // Another program destroyed the window in the window system: the settings are written
    // as on exit and the program is told to end. Another window's end changes nothing.
    void windowDestroyedOutsideEndsTheProgram() {
        TestWindow w;
        QSignalSpy lost(w.main.get(), &MainWindow::nativeWindowLost);
        for (const quint32 other : {1u, 0u}) {
            destroyWindow(w, other);
            QCOMPARE(lost.size(), 1 - int(other));
            QCOMPARE(QFile::exists(w.path("kelvor-310.ini")), !other);
        }
    }

    // The window goes while a check asks again: once the program is told to end every box
    // returns at once, so the check must stop asking (a further box fails the test).
    void windowDestroyedDuringAReask_data() {
        QTest::addColumn<QString>("field");
        QTest::newRow("cell") << "Text2(3)";
        QTest::newRow("settings field") << "Text15";
    }
    void windowDestroyedDuringAReask() {
        QFETCH(QString, field);
        TestWindow w(true);
        const MapDocument before = w.document();
        QLineEdit* edit = w.field(field);
        edit->setFocus();
        QTest::keyClicks(edit, "abc");
        w.dialogs.whileOpen([&w] { destroyWindow(w, 0); });
        w.dialogs.answerInput("");
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(w.dialogs.calls().size(), 1);
        QCOMPARE(w.document(), before);
    }

    // A file written with the decimal point, in a decimal comma window: its typed decimals
    // (MAP maximum, dwell correction) are shown with the comma. The load says once what is out of
    // range; the send then refuses, naming the first.
    void fileFromTheOtherLocale() {
        MapDocument doc = MapDocument::startupDefaults(".");
        doc.loadUnit = 2;
        doc.mapMaxPressure = "2.5";
        doc.operationMode = doc.coilControlMode = 1;
        doc.dwellAngle = "190.5";
        doc.cells[2][3] = 700;
        QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
        TestWindow w;
        w.main->chooseLanguage(Language::Hungarian);
        w.dialogs.answerOpenFile(w.write("map.klv", writeMapFile(doc, ".").value()));
        w.dialogs.answerMessage(Answer::Ok);
        w.press("Command3");
        QCOMPARE(w.dialogs.calls().size(), 2);
        QVERIFY(w.dialogs.lastCall().text.contains("(70,0)") &&
                w.dialogs.lastCall().text.contains("(190,5)"));
        QCOMPARE(QStringList({w.field("Text18")->text(), w.field("TextLabel1(5)")->text(),
                              w.field("Text19")->text()}),
                 QStringList({"2,5", "2,50", "190,5"}));

        w.dialogs.answerMessage(Answer::Ok);
        w.press("Command1");
        QCOMPARE(w.dialogs.lastCall().text,
                 QStringLiteral("Semmi nem lett elküldve. A(z) 3. sor 4. oszlopának előgyújtása "
                                "(70,0) kívül esik a(z) 0,0 .. 63,5 fok tartományon!"));
        QVERIFY(!w.main->serialActions().isBusy());
    }
};

QTEST_MAIN(WindowFilesTest)
#include "tst_window_files.moc"
