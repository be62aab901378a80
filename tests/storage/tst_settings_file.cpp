#include "storage/settings_file.h"

#include <QTemporaryDir>
#include <unistd.h>
#include <QtTest>

class SettingsFileTest : public QObject {
    Q_OBJECT
private slots:
    void parse_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("port"); // 0 when the file is refused
        QTest::addColumn<QString>("language");
        QTest::newRow("hungarian") << QByteArray("3\r\nhun\r\n") << 3 << "hun";
        QTest::newRow("empty language line is English") << QByteArray("2\r\n\r\n") << 2 << "eng";
        QTest::newRow("other language is English") << QByteArray("2\r\nHUN\r\n") << 2 << "eng";
        QTest::newRow("LF only") << QByteArray("16\nhun\n") << 16 << "hun";
        QTest::newRow("port above 16") << QByteArray("17\r\nhun\r\n") << 0 << "";
        QTest::newRow("port 0") << QByteArray("0\r\nhun\r\n") << 0 << "";
        QTest::newRow("port not a number") << QByteArray("Com3\r\nhun\r\n") << 0 << "";
        QTest::newRow("huge port") << QByteArray("99999999999\r\nhun\r\n") << 0 << "";
        QTest::newRow("no language line") << QByteArray("3") << 0 << "";
    }
    void parse() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, port);
        QFETCH(QString, language);
        const std::optional<AppSettings> settings = parseSettingsFile(bytes);
        QCOMPARE(settings.has_value(), port != 0);
        if (settings) {
            QCOMPARE(settings->portNumber, port);
            QCOMPARE(settings->uiLanguage, language);
        }
    }

    void writeThenRead() {
        QTemporaryDir dir;
        const QString path = dir.filePath("kelvor-310.ini");
        QVERIFY(!readSettingsFile(path));
        QVERIFY(writeSettingsFile(path, {7, "hun"}));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("7\r\nhun\r\n"));
        QCOMPARE(readSettingsFile(path).value_or(AppSettings{}).portNumber, 7);
    }

    // The file lives by the program unless that folder cannot be written.
    void settingsFolder() {
        QTemporaryDir dir;
        QCOMPARE(settingsFilePath(dir.path(), dir.filePath("config")),
                 dir.filePath("kelvor-310.ini"));
        if (geteuid() == 0)
            QSKIP("root can write into any folder");
        const QString program = dir.filePath("bin");
        QDir().mkpath(program);
        QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
        QCOMPARE(settingsFilePath(program, dir.filePath("config")),
                 dir.filePath("config/kelvor-310.ini"));
    }
};

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "tst_settings_file.moc"
