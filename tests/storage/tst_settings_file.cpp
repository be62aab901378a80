#include "storage/settings_file.h"

#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

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
        QTest::newRow("nothing after the first line end") << QByteArray("3\r\n") << 0 << "";
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

    // Written beside the program when it can be, else in the user's folder; read from
    // whichever exists, the newer one when both do.
    void location_data() {
        QTest::addColumn<int>("programFolder");       // 0 writable, 1 read-only, 2 a plain file
        QTest::addColumn<QByteArray>("besideBefore"); // empty: no file
        QTest::addColumn<QByteArray>("userBefore");
        QTest::addColumn<int>("portRead");
        QTest::addColumn<bool>("writtenBeside");
        QTest::newRow("beside only")
            << 0 << QByteArray("4\r\nhun\r\n") << QByteArray() << 4 << true;
        QTest::newRow("user only") << 0 << QByteArray() << QByteArray("5\r\neng\r\n") << 5 << true;
        QTest::newRow("neither") << 0 << QByteArray() << QByteArray() << 1 << true;
        QTest::newRow("program folder unusable")
            << 2 << QByteArray() << QByteArray("5\r\neng\r\n") << 5 << false;
        QTest::newRow("read-only program folder keeps its file readable")
            << 1 << QByteArray("4\r\nhun\r\n") << QByteArray() << 4 << false;
        QTest::newRow("read-only program folder, newer user file")
            << 1 << QByteArray("4\r\nhun\r\n") << QByteArray("6\r\nhun\r\n") << 6 << false;
    }
    void location() {
        QFETCH(int, programFolder);
        QFETCH(QByteArray, besideBefore);
        QFETCH(QByteArray, userBefore);
        QFETCH(int, portRead);
        QFETCH(bool, writtenBeside);
        if (programFolder == 1 && geteuid() == 0)
            QSKIP("root can write into any folder");
        QTemporaryDir dir;
        QFile plainFile(dir.filePath("bin"));
        QVERIFY(programFolder == 2 ? plainFile.open(QIODevice::WriteOnly)
                                   : QDir().mkpath(dir.filePath("bin")));
        const SettingsLocation where =
            SettingsLocation::forProgram(dir.filePath("bin"), dir.filePath("config"));
        const auto put = [](const QString& path, const QByteArray& bytes, qint64 ageSeconds) {
            QDir().mkpath(QFileInfo(path).path());
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
            file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                             QFileDevice::FileModificationTime);
        };
        if (!besideBefore.isEmpty())
            put(where.besideProgram, besideBefore, 60);
        if (!userBefore.isEmpty())
            put(where.userConfig, userBefore, 30);
        if (programFolder == 1)
            QFile::setPermissions(dir.filePath("bin"), QFile::ReadOwner | QFile::ExeOwner);
        QCOMPARE(readSettingsFile(where).value_or(AppSettings{}).portNumber, portRead);

        QVERIFY(writeSettingsFile(where, {7, "hun"}));
        QFile written(writtenBeside ? where.besideProgram : where.userConfig);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), QByteArray("7\r\nhun\r\n"));
        QCOMPARE(readSettingsFile(where).value_or(AppSettings{}).portNumber, 7);
        QFile::setPermissions(dir.filePath("bin"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "tst_settings_file.moc"
