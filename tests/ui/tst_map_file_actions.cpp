#include "core/form_state.h"
#include "core/language_texts.h"
#include "tests/support/scripted_dialogs.h"
#include "ui/map_file_actions.h"

#include <QTemporaryDir>
#include <QtTest>

using Answer = Dialogs::Answer;

// The window around the actions, reduced to a document and a title.
class MapFileActionsTest : public QObject {
    Q_OBJECT

    ScriptedDialogs m_dialogs;
    LanguageTexts m_texts;
    FormState m_form;
    MapDocument m_document;
    QString m_title;
    int m_applied = 0;
    QTemporaryDir m_dir;

    MapFileActions makeActions() {
        return MapFileActions(m_dialogs, m_texts, m_form,
                              {[this] { return m_document; },
                               [this](const MapDocument& doc) {
                                   m_document = doc;
                                   ++m_applied;
                                   m_form.documentReady = true;
                               },
                               [this](const QString& path) { m_title = path; }});
    }

    static QByteArray contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private slots:
    void init() {
        m_dialogs.clear();
        m_texts.setLanguage(Language::English);
        m_form = FormState();
        m_form.documentReady = true;
        m_document = MapDocument::startupDefaults(QStringLiteral("."));
        m_title.clear();
        m_applied = 0;
    }
    void cleanup() { QCOMPARE(m_dialogs.pendingAnswers(), 0); }

    void saveAndLoadAskWithTheirOwnTitles() {
        const QString path = m_dir.filePath("plain");
        MapFileActions actions = makeActions();
        m_dialogs.answerSaveFile(path);
        QCOMPARE(actions.save(), MapFileActions::SaveResult::Saved);
        QCOMPARE(m_title, path + ".klv"); // a name without extension gets one
        QCOMPARE(m_dialogs.lastCall().text, QStringLiteral("Save"));
        QCOMPARE(m_dialogs.lastCall().filter, QStringLiteral("KLV Files(*.klv)|*.klv"));
        m_dialogs.answerOpenFile(path + ".klv");
        actions.load();
        QCOMPARE(m_applied, 1);
        QCOMPARE(m_dialogs.lastCall().text, QStringLiteral("Load"));
    }

    void overwriteNoAsksAgainCancelKeepsTheOldFileYesReplacesIt() {
        const QString path = m_dir.filePath("old.klv");
        write(path, "old contents");
        MapFileActions actions = makeActions();
        m_dialogs.answerSaveFile(path);
        m_dialogs.answerMessage(Answer::No);
        m_dialogs.answerSaveFile(QString());
        QCOMPARE(actions.save(), MapFileActions::SaveResult::Cancelled);
        QCOMPARE(contents(path), QByteArray("old contents"));
        const ScriptedDialogs::Call& question = m_dialogs.calls().at(1);
        QCOMPARE(question.text, QStringLiteral("File already exists. Do you want to overwrite it?"));
        QCOMPARE(question.title, QStringLiteral("Overwrite"));
        QCOMPARE(question.buttons, Dialogs::Buttons::YesNo);
        QCOMPARE(question.icon, Dialogs::Icon::Question);
        QCOMPARE(question.defaultButton, Answer::No);
        QVERIFY(m_title.isEmpty());

        m_dialogs.answerSaveFile(path);
        m_dialogs.answerMessage(Answer::Yes);
        QCOMPARE(actions.save(), MapFileActions::SaveResult::Saved);
        QVERIFY(contents(path).startsWith("kelvor310\r\n"));
    }

    void failedSaveIsReportedInTheUsersLanguage() {
        m_texts.setLanguage(Language::Hungarian);
        MapFileActions actions = makeActions();
        m_dialogs.answerSaveFile(m_dir.filePath("no/such/folder/map.klv"));
        m_dialogs.answerMessage(Answer::Ok);
        QCOMPARE(actions.save(), MapFileActions::SaveResult::Failed);
        QVERIFY(m_dialogs.lastCall().text.startsWith(
            QStringLiteral("Az adatállomány mentése nem sikerült: ")));
        QCOMPARE(m_dialogs.lastCall().title, QStringLiteral("Hiba"));
        QVERIFY(m_title.isEmpty());
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
            write(path, bytes);
        const MapDocument before = m_document;
        MapFileActions actions = makeActions();
        if (!fromCommandLine)
            m_dialogs.answerOpenFile(path);
        m_dialogs.answerMessage(Answer::Ok);
        if (fromCommandLine)
            actions.loadFromCommandLine(path);
        else
            actions.load();
        QCOMPARE(m_dialogs.lastCall().text, QStringLiteral("Wrong File!"));
        QCOMPARE(m_dialogs.lastCall().title, QStringLiteral("Error"));
        QCOMPARE(m_applied, 0);
        QVERIFY(m_document == before);
        QVERIFY(m_form.documentReady);
        QVERIFY(m_title.isEmpty());
    }

    void commandLineQuotes_data() {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("path");
        QTest::newRow("quoted") << "\"C:\\maps\\a b.klv\"" << "C:\\maps\\a b.klv";
        QTest::newRow("plain") << "/maps/a.klv" << "/maps/a.klv";
        QTest::newRow("lone quote") << "\"" << "\"";
    }
    void commandLineQuotes() {
        QFETCH(QString, argument);
        QFETCH(QString, path);
        QCOMPARE(MapFileActions::withoutSurroundingQuotes(argument), path);
    }
};

QTEST_GUILESS_MAIN(MapFileActionsTest)
#include "tst_map_file_actions.moc"
