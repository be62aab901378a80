// Saves a picture of the main window in one language, for the documentation:
//   kelvor_screenshot <eng|hun> <file.png>
//   kelvor_screenshot block <file.png>   (English, a selected block with the grid's menu)
#include "core/decimal_format.h"
#include "core/find_widget.h"
#include "core/twips.h"
#include "tests/support/scripted_dialogs.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QtTest>

namespace {

QLineEdit* cell(const MainWindow& window, int row, int column) {
    return findNamed<QLineEdit>(window.form(),
                                arrayName(qPrintable(QStringLiteral("Text%1").arg(column + 1)), row));
}

// A rising map, a block selected by Shift+click and the grid's menu open over it; the
// menu is a window of its own, so it is painted onto the window's picture.
QPixmap blockPicture(MainWindow& window) {
    MapDocument doc = window.collectDocument();
    for (int r = 0; r < doc.rowCount(); ++r)
        for (int c = 0; c < doc.columnCount(); ++c)
            doc.cells[r][c] = DecimalFormat::fixed(8 + r * 0.9 - c * 1.3, 1, ".");
    window.applyLoadedDocument(doc);
    QTest::mouseClick(cell(window, 4, 1), Qt::LeftButton);
    QTest::mouseClick(cell(window, 9, 4), Qt::LeftButton, Qt::ShiftModifier);
    QPixmap picture;
    QTimer::singleShot(300, [&] {
        QWidget* menu = QApplication::activePopupWidget();
        picture = window.grab();
        QPainter painter(&picture);
        painter.drawPixmap(window.mapFromGlobal(menu->pos()), menu->grab());
        menu->close();
    });
    QLineEdit* target = cell(window, 7, 3);
    const QPoint at = target->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &event);
    return picture;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3 || (args[1] != "eng" && args[1] != "hun" && args[1] != "block")) {
        QTextStream(stderr) << "usage: kelvor_screenshot <eng|hun|block> <file.png>\n";
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
    const QPixmap picture = args[1] == "block" ? blockPicture(window) : window.grab();
    if (!picture.save(args[2])) {
        QTextStream(stderr) << "cannot write " << args[2] << "\n";
        return 1;
    }
    return 0;
}
