// Saves a picture of the main window in one language, for the documentation:
//   kelvor_screenshot <eng|hun> <file.png>
#include "core/twips.h"
#include "tests/support/scripted_dialogs.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3 || (args[1] != "eng" && args[1] != "hun")) {
        QTextStream(stderr) << "usage: kelvor_screenshot <eng|hun> <file.png>\n";
        return 2;
    }
    Twips::setLogicalDpi(96);
    // Any dialog here is a fault: the scripted double stops the program at once.
    ScriptedDialogs dialogs;
    QTemporaryDir settingsDir;
    MainWindow window(dialogs, settingsDir.filePath("kelvor-310.ini"));
    window.chooseLanguage(args[1] == "hun" ? Language::Hungarian : Language::English);
    window.show();
    app.processEvents();
    if (!window.grab().save(args[2])) {
        QTextStream(stderr) << "cannot write " << args[2] << "\n";
        return 1;
    }
    return 0;
}
