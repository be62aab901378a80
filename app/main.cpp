#include "core/twips.h"
#include "ui/main_window.h"
#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Twips::setLogicalDpi(app.primaryScreen()->logicalDotsPerInch());
    QtDialogs dialogs;
    MainWindow window(dialogs);
    dialogs.setParent(&window);
    window.show();
    return app.exec();
}
