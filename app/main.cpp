#include "core/twips.h"
#include "storage/settings_file.h"
#include "ui/main_window.h"
#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QScreen>
#include <QStandardPaths>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kelvor310"));
    Twips::setLogicalDpi(app.primaryScreen()->logicalDotsPerInch());
    QtDialogs dialogs;
    const SettingsLocation settings = SettingsLocation::forProgram(
        QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    MainWindow window(dialogs, settings);
    dialogs.setParent(&window);
    QObject::connect(&window, &MainWindow::nativeWindowLost, &app,
                     [] { QCoreApplication::exit(0); });
    window.show();
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1)
        window.openCommandLineMap(arguments.at(1));
    return app.exec();
}
