#include "core/language_texts.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

class MessageTableTest : public QObject {
    Q_OBJECT
private slots:
    void composesWithValues_data() {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<bool>("hungarian");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("cell max hu") << QByteArray("CellMaxMessage") << true << QStringList{"63,5"}
            << "Maximális előgyújtás érték: 63,5 fok! Adja meg újból:" << "Figyelem!";
        QTest::newRow("port error en") << QByteArray("PortErrorMessage") << false
            << QStringList{"Access denied", "13"}
            << "[ERROR: Serial Port]: 'Access denied.' Error Code: 13" << "";
        QTest::newRow("rpm order hu") << QByteArray("RpmNotAscendingMessage") << true
            << QStringList{"5", "1200", "4", "1300"}
            << "A(z) 5-dik fordulatszám határ (1200) nem nagyobb, mint a(z) 4-dik (1300)!"
            << "Hiba!";
        QTest::newRow("coil caption hu") << QByteArray("CoilDischargeLimitCaption") << true
            << QStringList{"7500"} << "Teljes trafókisülés határ(RPM):7500" << "";
    }
    void composesWithValues() {
        QFETCH(QByteArray, entry);
        QFETCH(bool, hungarian);
        QFETCH(QStringList, values);
        QFETCH(QString, text);
        QFETCH(QString, title);
        LanguageTexts texts;
        texts.setLanguage(hungarian ? Language::Hungarian : Language::English);
        QCOMPARE(texts.message(entry.constData(), values), text);
        QCOMPARE(texts.title(entry.constData()), title);
        // The same entry must answer in the other language once switched.
        texts.setLanguage(hungarian ? Language::English : Language::Hungarian);
        QVERIFY(texts.message(entry.constData(), values) != text);
    }

    // Both languages must take the same values in the same places, or one of them would
    // show a value glued to the wrong word. Only a text that opens with a value (a detail
    // opening with the name of a field) has an empty first piece.
    void everyEntryIsWellFormed() {
        QSet<QByteArray> names;
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
        for (const char* folder : {"core", "device", "storage", "editor", "settings", "graph",
                                   "ui", "app", "cli", "tests"}) {
            QDirIterator it(QDir(KELVOR_SOURCE_DIR).filePath(folder), {"*.cpp", "*.h"},
                            QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                QFile file(it.next());
                QVERIFY(file.open(QIODevice::ReadOnly));
                for (const auto& m : call.globalMatch(QString::fromUtf8(file.readAll()))) {
                    ++found;
                    QVERIFY2(LanguageTexts::find(m.captured(1).toUtf8().constData()),
                             qPrintable(file.fileName() + ": " + m.captured(1)));
                }
            }
        }
        QVERIFY(found > 0);
    }
};

QTEST_GUILESS_MAIN(MessageTableTest)
#include "tst_message_table.moc"
