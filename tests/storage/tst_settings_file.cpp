#include "storage/settings_file.h"

#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

class SettingsFileTest : public QObject {
    Q_OBJECT
  private slots:
    // The port and the language the window starts with are tested through the window.
    void parse_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("port"); // 0 when the file is refused
        QTest::addColumn<QString>("language");
        QTest::newRow("other language is English") << QByteArray("2\r\nHUN\r\n") << 2 << "eng";
        QTest::newRow("LF only") << QByteArray("16\nhun\n") << 16 << "hun";
        QTest::newRow("huge port") << QByteArray("99999999999\r\nhun\r\n") << 0 << "";
        QTest::newRow("nothing after the first line end") << QByteArray("3\r\n") << 0 << "";
    }
    void parse() {
        QFETCH(QByteArray, bytes);
        const std::optional<AppSettings> settings = parseSettingsFile(bytes);
        QTEST(settings ? settings->portNumber : 0, "port");
        QTEST(settings ? settings->uiLanguage : QString(), "language");
    }

    // Written beside the program when it can be, else in the user's folder; read from
    // whichever exists, the newer one when both do.
    void location_data() {
        QTest::addColumn<int>("programFolder"); // 0 writable, 1 read-only, 2 a plain file
        QTest::addColumn<int>("besidePort");    // 0: no file; it is the older one
        QTest::addColumn<int>("userPort");
        QTest::addColumn<int>("portRead");
        QTest::newRow("neither") << 0 << 0 << 0 << 1;
        QTest::newRow("program folder unusable") << 2 << 0 << 5 << 5;
        QTest::newRow("read-only program folder keeps its file readable") << 1 << 4 << 0 << 4;
        QTest::newRow("read-only program folder, newer user file") << 1 << 4 << 6 << 6;
    }
    void location() {
        QFETCH(int, programFolder);
        QFETCH(int, besidePort);
        QFETCH(int, userPort);
        if (programFolder == 1 && geteuid() == 0)
            QSKIP("root can write into any folder");
        QTemporaryDir dir;
        const QString bin = dir.filePath("bin");
        QFile plainFile(bin);
        QVERIFY(programFolder == 2 ? plainFile.open(QIODevice::WriteOnly) : QDir().mkpath(bin));
        const SettingsLocation where = SettingsLocation::forProgram(bin, dir.filePath("config"));
        for (const auto& [path, port, age] : {std::tuple{where.besideProgram, besidePort, 60},
                                              std::tuple{where.userConfig, userPort, 30}}) {
            QDir().mkpath(QFileInfo(path).path());
            QFile file(path);
            if (port > 0 && file.open(QIODevice::WriteOnly) &&
                file.write(QByteArray::number(port) + "\r\nhun\r\n"))
                file.setFileTime(QDateTime::currentDateTime().addSecs(-age),
                                 QFileDevice::FileModificationTime);
        }
        if (programFolder == 1)
            QFile::setPermissions(bin, QFile::ReadOwner | QFile::ExeOwner);
        QTEST(readSettingsFile(where).value_or(AppSettings{}).portNumber, "portRead");

        QVERIFY(writeSettingsFile(where, {7, "hun"}));
        QFile written(programFolder == 0 ? where.besideProgram : where.userConfig);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), QByteArray("7\r\nhun\r\n"));
        QCOMPARE(readSettingsFile(where).value_or(AppSettings{}).portNumber, 7);
        QFile::setPermissions(bin, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "tst_settings_file.moc"
