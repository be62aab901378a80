#include "language/language_texts.h"
#include "tests/storage/test_files.h"

#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

class MessageTableTest : public QObject {
    Q_OBJECT
  private slots:
    // Both languages must take the same values in the same places, or one of them would
    // show a value glued to the wrong word. Only a text that opens with a value (a detail
    // opening with the name of a field) has an empty first piece.
    void tablesAreWellFormed() {
        QSet<QString> names;
        for (const MessageEntry& e : LanguageTexts::table()) {
            QVERIFY2(!names.contains(e.name), e.name);
            names.insert(e.name);
            QVERIFY2(!e.english.isEmpty() && e.english.size() == e.hungarian.size(), e.name);
            for (const QStringList* pieces : {&e.english, &e.hungarian})
                QVERIFY2(!pieces->mid(1).contains(QString()), e.name);
            QCOMPARE(e.englishTitle.isEmpty(), e.hungarianTitle.isEmpty());
        }
    }

    // A name missing from the table is only found when its message would be shown, so
    // look up every literal entry name the code asks for.
    void everyNameUsedInTheSourcesExists() {
        const QRegularExpression call(R"(\b(?:message|title|entry)\(\s*"(\w+)\")");
        int found = 0;
        for (const char* folder : {"core", "language", "device", "messages", "storage", "editor",
                                   "settings", "graph", "ui", "app", "cli", "tests"}) {
            QDirIterator it(QDir(KELVOR_SOURCE_DIR).filePath(folder), {"*.cpp", "*.h"}, QDir::Files,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString path = it.next();
                for (const auto& m : call.globalMatch(QString::fromUtf8(testFile(path)))) {
                    ++found;
                    QVERIFY2(LanguageTexts::find(m.captured(1).toUtf8().constData()),
                             qPrintable(path + ": " + m.captured(1)));
                }
            }
        }
        QVERIFY(found > 0);
    }
};

QTEST_GUILESS_MAIN(MessageTableTest)
#include "tst_message_table.moc"
