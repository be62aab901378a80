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

        QTest::newRow("cell max en") << QByteArray("CellMaxMessage") << false << QStringList{"63.5"}
            << "Maximal value is 63.5 degree! Type again:" << "Attention!";
        QTest::newRow("cell max hu") << QByteArray("CellMaxMessage") << true << QStringList{"63,5"}
            << "Maximális előgyújtás érték: 63,5 fok! Adja meg újból:" << "Figyelem!";
        QTest::newRow("port error en") << QByteArray("PortErrorMessage") << false
            << QStringList{"Access denied", "13"}
            << "[ERROR: Serial Port]: 'Access denied.' Error Code: 13" << "";
        QTest::newRow("port error hu") << QByteArray("PortErrorMessage") << true
            << QStringList{"Access denied", "13"}
            << "[HIBA: Soros port]: 'Access denied.' Hibakód: 13" << "";
        QTest::newRow("rpm order en") << QByteArray("RpmNotAscendingMessage") << false
            << QStringList{"5", "1200", "4", "1300"}
            << "The 5. RPM value (1200) is not higher than the 4. (1300)!" << "Error!";
        QTest::newRow("rpm order hu") << QByteArray("RpmNotAscendingMessage") << true
            << QStringList{"5", "1200", "4", "1300"}
            << "A(z) 5-dik fordulatszám határ (1200) nem nagyobb, mint a(z) 4-dik (1300)!"
            << "Hiba!";
        QTest::newRow("volt first en") << QByteArray("VoltFirstTooHighMessage") << false
            << QStringList{"4.5"} << "The first Voltage value can not be higher than 4.5V!"
            << "Error!";
        QTest::newRow("volt first hu") << QByteArray("VoltFirstTooHighMessage") << true
            << QStringList{"4.5"} << "Az első feszültség határ maximum 4.5V lehet!" << "Hiba!";
        QTest::newRow("spark empty en") << QByteArray("SparkEmptyMessage") << false
            << QStringList{"0.5"}
            << "It is necessary to set Spark Time! Default value is 0.5 ms! Type again!"
            << "Attention!";
        QTest::newRow("spark empty hu") << QByteArray("SparkEmptyMessage") << true
            << QStringList{"0.5"}
            << "Szikraidőt kötelező megadni! Alapértelmezett érték: 0.5 ms! Adja meg újból!"
            << "Figyelem";
        QTest::newRow("column max en") << QByteArray("ColumnMaxMessage") << false
            << QStringList{"60"} << "Value can not be higher than 60 degree!" << "Attention!";
        QTest::newRow("column min hu") << QByteArray("ColumnMinMessage") << true
            << QStringList{"-20"} << "Előgyújtás nem csökkenthető -20 fok alá!" << "Figyelem!";
        QTest::newRow("map number hu") << QByteArray("MapRangeNumberMessage") << true
            << QStringList{} << "A MAP-szenzor felső méréshatára csak szám lehet! Adja meg újból!"
            << "Figyelem";
        QTest::newRow("coil caption en") << QByteArray("CoilDischargeLimitCaption") << false
            << QStringList{"7500"} << "Coil Discharge Limit(RPM): 7500" << "";
        QTest::newRow("coil caption hu") << QByteArray("CoilDischargeLimitCaption") << true
            << QStringList{"7500"} << "Teljes trafókisülés határ(RPM):7500" << "";
        QTest::newRow("save failed en") << QByteArray("SaveFailedMessage") << false
            << QStringList{"disk full"} << "The map could not be saved: disk full" << "Error";
        QTest::newRow("save failed hu") << QByteArray("SaveFailedMessage") << true
            << QStringList{"disk full"} << "Az adatállomány mentése nem sikerült: disk full"
            << "Hiba";
        QTest::newRow("overwrite hu") << QByteArray("OverwriteQuestion") << true << QStringList{}
            << "Az adatállomány már létezik! Felülírja?" << "Felülírás";
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
    }

    void switchingLanguageChangesLaterMessages() {
        LanguageTexts texts;
        texts.setLanguage(Language::Hungarian);
        QCOMPARE(texts.message("WrongFileMessage"), QString("Nem megfelelő fájltartalom!"));
        texts.setLanguage(Language::English);
        QCOMPARE(texts.message("WrongFileMessage"), QString("Wrong File!"));
        QCOMPARE(texts.title("WrongFileMessage"), QString("Error"));
    }

    // Both languages must take the same values in the same places, or one of them would
    // show a value glued to the wrong word.
    void everyEntryIsWellFormed() {
        QSet<QByteArray> names;
        for (const MessageEntry& e : LanguageTexts::table()) {
            QVERIFY2(!names.contains(e.name), e.name);
            names.insert(e.name);
            QVERIFY2(!e.english.isEmpty(), e.name);
            QCOMPARE(e.english.size(), e.hungarian.size());
            for (const QStringList* pieces : {&e.english, &e.hungarian})
                for (const QString& piece : *pieces)
                    QVERIFY2(!piece.isEmpty(), e.name);
            QCOMPARE(e.englishTitle.isEmpty(), e.hungarianTitle.isEmpty());
        }
        QCOMPARE(names.size(), 73);
    }

    // A name missing from the table is only found when its message would be shown, so
    // look up every literal entry name the code asks for.
    void everyNameUsedInTheSourcesExists() {
        const QRegularExpression call(R"(\b(?:message|title)\(\s*"(\w+)\")");
        const QDir root(KELVOR_SOURCE_DIR);
        int found = 0;
        for (const char* folder : {"core", "device", "storage", "editor", "settings", "graph",
                                   "ui", "app", "cli", "tests"}) {
            QDirIterator it(root.filePath(folder), {"*.cpp", "*.h"}, QDir::Files,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) {
                QFile file(it.next());
                QVERIFY(file.open(QIODevice::ReadOnly));
                const QString source = QString::fromUtf8(file.readAll());
                for (const auto& m : call.globalMatch(source)) {
                    ++found;
                    const QByteArray name = m.captured(1).toUtf8();
                    QVERIFY2(LanguageTexts::find(name.constData()),
                             qPrintable(file.fileName() + ": " + name));
                }
            }
        }
        QVERIFY(found > 0);
    }
};

QTEST_GUILESS_MAIN(MessageTableTest)
#include "tst_message_table.moc"
