// Saves the README pictures of the window into a folder:   kelvor_screenshot <folder>
#include "core/cell_tenths.h"
#include "core/default_axes.h"
#include "core/number_rules.h"
#include "core/twips.h"
#include "graph/graph3d_view.h"
#include "storage/map_file.h"
#include "tests/support/find_named.h"
#include "tests/support/scripted_dialogs.h"
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest>
#include <algorithm>

namespace {

QString folder;

bool save(const QPixmap& picture, const QString& name) {
    if (picture.save(folder + "/" + name))
        return true;
    QTextStream(stderr) << "cannot write " << folder << "/" << name << "\n";
    return false;
}

bool save(QWidget* widget, const QString& name) {
    QCoreApplication::processEvents();
    return save(widget->grab(), name);
}

QLineEdit* cell(const MainWindow& window, int row, int column) {
    return findNamed<QLineEdit>(
        window.form(), arrayName(qPrintable(QStringLiteral("Text%1").arg(column + 1)), row));
}

// A rising map, a block selected by Shift+click and the grid's menu open over it; the
// menu is a window of its own, so it is painted onto the window's picture.
QPixmap blockPicture(MainWindow& window) {
    MapDocument doc = window.document();
    for (int r = 0; r < doc.rowCount(); ++r)
        for (int c = 0; c < doc.columnCount(); ++c)
            doc.cells[r][c] = *CellTenths::fromDegrees(8 + r * 0.9 - c * 1.3);
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

// A typical 30 x 8 map: advance climbs with speed up to about 4000 RPM and is taken back
// as the load rises.
MapDocument sampleMap(MapDocument doc) {
    doc.resolution = 3;
    DefaultRpmBreakpoints(doc.rpmBreakpoints, doc.rowCount());
    DefaultLoadBreakpoints(doc.loadBreakpoints, doc.columnCount());
    for (int r = 0; r < doc.rowCount(); ++r) {
        const double speed = std::min(1.0, (doc.rpmBreakpoints[r] - 650) / 3500.0);
        for (int c = 0; c < doc.columnCount(); ++c) {
            const double load = doc.loadBreakpoints[c + 1] / 5.0;
            const double degrees = 8 + 30 * speed * (1.1 - 0.6 * load) - 4 * load;
            doc.cells[r][c] = *CellTenths::fromDegrees(RoundToHalf(std::clamp(degrees, 0.5, 63.5)));
        }
    }
    return doc;
}

void drag(QWidget* view, QPointF from, QPointF to) {
    QMouseEvent press(QEvent::MouseButtonPress, from, view->mapToGlobal(from), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &press);
    QMouseEvent move(QEvent::MouseMove, to, view->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(view, &move);
}

// The window compared with a map whose cells were raised, as after a tuning session.
bool comparePicture(MainWindow& window, ScriptedDialogs& dialogs, const QString& otherPath) {
    window.openCommandLineMap(
        QStringLiteral(KELVOR_SOURCE_DIR "/tests/storage/golden/shape2_time.klv"));
    MapDocument other = window.document();
    for (int row = 3; row < 9; ++row)
        for (int column = 1; column < 4; ++column)
            other.cells[row][column] = (10 + row + column) * 10 + 5;
    if (!saveMapFile(otherPath, other, QStringLiteral(".")).saved)
        return false;
    dialogs.answerOpenFile(otherPath);
    window.findChild<QAction*>(QStringLiteral("CompareWithMapFile"))->trigger();
    return save(&window, "compare.png");
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (app.arguments().size() != 2) {
        QTextStream(stderr) << "usage: kelvor_screenshot <folder>\n";
        return 2;
    }
    folder = app.arguments()[1];
    Twips::setLogicalDpi(96);
    // Any dialog here is a fault: the scripted double stops the program at once.
    ScriptedDialogs dialogs;
    QTemporaryDir dir;
    MainWindow window(dialogs, dir.filePath("kelvor-310.ini"));
    window.chooseLanguage(Language::Hungarian);
    window.show();
    if (!save(&window, "main-window-hu.png"))
        return 1;
    window.chooseLanguage(Language::English);
    if (!save(&window, "main-window-en.png") || !save(blockPicture(window), "block-editing.png") ||
        !comparePicture(window, dialogs, dir.filePath("tuned.klv")))
        return 1;

    window.applyLoadedDocument(sampleMap(window.document()));
    if (!save(findNamed<QWidget>(window.form(), QStringLiteral("Frame18")), "graph-2d.png"))
        return 1;
    findNamed<QRadioButton>(window.form(), QStringLiteral("Option6"))->click();
    QWidget* panel = findNamed<QWidget>(window.form(), QStringLiteral("Frame7"));
    if (!save(panel, "graph-3d.png"))
        return 1;
    QWidget* view = panel->findChild<Graph3DView*>();
    drag(view, QPointF(250, 200), QPointF(300, 215));
    QWheelEvent zoomOut(QPointF(250, 200), view->mapToGlobal(QPointF(250, 200)), {}, {0, -120},
                        Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view, &zoomOut);
    return save(panel, "graph-3d-turned.png") ? 0 : 1;
}
