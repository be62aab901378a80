#include "storage/settings_file.h"
#include "tests/storage/test_files.h"

#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

class SettingsFileTest : public QObject {
    Q_OBJECT
  private slots:
    // Written beside the program when it can be, else in the user's folder; read from
    // whichever exists, the newer one when both do.
    void location_data() {
        // The program folder (0 writable, 1 read-only, 2 a plain file), the port in the file
        // beside the program (0: no file; it is the older one), in the user's file, and read.
        QTest::addColumn<QList<int>>("ports");
        QTest::newRow("neither") << QList<int>{0, 0, 0, 1};
        QTest::newRow("program folder unusable") << QList<int>{2, 0, 5, 5};
        QTest::newRow("read-only program folder keeps its file readable") << QList<int>{1, 4, 0, 4};
        QTest::newRow("read-only program folder, newer user file") << QList<int>{1, 4, 6, 6};
    }
    void location() {
        QFETCH(QList<int>, ports);
        const int programFolder = ports[0], besidePort = ports[1], userPort = ports[2];
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
            // Flushed first, so that closing the file does not touch its time again.
            if (port > 0 && file.open(QIODevice::WriteOnly) &&
                file.write(QByteArray::number(port) + "\r\nhun\r\n") && file.flush())
                file.setFileTime(QDateTime::currentDateTime().addSecs(-age),
                                 QFileDevice::FileModificationTime);
        }
        if (programFolder == 1)
            QFile::setPermissions(bin, QFile::ReadOwner | QFile::ExeOwner);
        QCOMPARE(readSettingsFile(where).value_or(AppSettings{}).portNumber, ports[3]);

        QVERIFY(writeSettingsFile(where, {7, "hun"}));
        QCOMPARE(testFile(programFolder == 0 ? where.besideProgram : where.userConfig),
                 QByteArray("7\r\nhun\r\n"));
        QCOMPARE(readSettingsFile(where).value_or(AppSettings{}).portNumber, 7);
        QFile::setPermissions(bin, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "tst_settings_file.moc"
