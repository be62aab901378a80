#include "storage/settings_file.h"

#include <QTemporaryDir>
#include <unistd.h>
#include <QtTest>

class SettingsFileTest : public QObject {
    Q_OBJECT
private slots:
    void parse_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("language");
        QTest::newRow("hungarian") << QByteArray("3\r\nhun\r\n") << true << 3 << "hun";
        QTest::newRow("english") << QByteArray("16\r\neng\r\n") << true << 16 << "eng";
        QTest::newRow("empty language line is English") << QByteArray("2\r\n\r\n") << true << 2
                                                        << "eng";
        QTest::newRow("other language is English") << QByteArray("2\r\nHUN\r\n") << true << 2
                                                   << "eng";
        QTest::newRow("LF only") << QByteArray("5\nhun\n") << true << 5 << "hun";
        QTest::newRow("port above 16 fails, hun or not") << QByteArray("17\r\nhun\r\n") << false
                                                         << 0 << "";
        QTest::newRow("port 0 fails") << QByteArray("0\r\nhun\r\n") << false << 0 << "";
        QTest::newRow("port not a number") << QByteArray("Com3\r\nhun\r\n") << false << 0 << "";
        QTest::newRow("huge port") << QByteArray("99999999999\r\nhun\r\n") << false << 0 << "";
        QTest::newRow("no language line") << QByteArray("3") << false << 0 << "";
        QTest::newRow("empty file") << QByteArray() << false << 0 << "";
    }
    void parse() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valid);
        const std::optional<AppSettings> settings = parseSettingsFile(bytes);
        QCOMPARE(settings.has_value(), valid);
        if (!valid)
            return;
        QFETCH(int, port);
        QFETCH(QString, language);
        QCOMPARE(settings->portNumber, port);
        QCOMPARE(settings->uiLanguage, language);
    }

    void writeThenReadKeepsBothValues() {
        QTemporaryDir dir;
        const QString path = dir.filePath("kelvor-310.ini");
        QVERIFY(writeSettingsFile(path, {7, "hun"}));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("7\r\nhun\r\n"));
        const std::optional<AppSettings> read = readSettingsFile(path);
        QVERIFY(read);
        QCOMPARE(read->portNumber, 7);
    }

    void missingFileReadsAsNothing() {
        QTemporaryDir dir;
        QVERIFY(!readSettingsFile(dir.filePath("none.ini")));
    }

    void readOnlyProgramFolderUsesTheUserFolder() {
        if (geteuid() == 0)
            QSKIP("root can write into any folder");
        QTemporaryDir dir;
        const QString program = dir.filePath("bin");
        QDir().mkpath(program);
        QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
        const QString path = settingsFilePath(program, dir.filePath("config"));
        QCOMPARE(path, dir.filePath("config/kelvor-310.ini"));
    }

    void writableProgramFolderIsUsed() {
        QTemporaryDir dir;
        QCOMPARE(settingsFilePath(dir.path(), dir.filePath("config")),
                 dir.filePath("kelvor-310.ini"));
    }
};

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "tst_settings_file.moc"
