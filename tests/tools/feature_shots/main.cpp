// Saves pictures of the window's comparison and of a turned 3D view, for the
// documentation:   kelvor_feature_shots <folder>
#include "core/find_widget.h"
#include "core/twips.h"
#include "graph/graph3d_view.h"
#include "storage/map_file.h"
#include "tests/support/scripted_dialogs.h"
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWheelEvent>

namespace {

void drag(QWidget* view, QPointF from, QPointF to) {
    QMouseEvent press(QEvent::MouseButtonPress, from, view->mapToGlobal(from), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &press);
    QMouseEvent move(QEvent::MouseMove, to, view->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(view, &move);
}

bool save(QWidget* widget, const QString& path) {
    QCoreApplication::processEvents();
    if (widget->grab().save(path))
        return true;
    QTextStream(stderr) << "cannot write " << path << "\n";
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (app.arguments().size() != 2) {
        QTextStream(stderr) << "usage: kelvor_feature_shots <folder>\n";
        return 2;
    }
    const QString folder = app.arguments()[1];
    Twips::setLogicalDpi(96);
    ScriptedDialogs dialogs;
    QTemporaryDir dir;
    MainWindow window(dialogs, dir.filePath("kelvor-310.ini"));
    window.chooseLanguage(Language::English);
    window.show();
    window.openCommandLineMap(
        QStringLiteral(KELVOR_SOURCE_DIR "/tests/storage/golden/shape2_time.klv"));

    // The other map: a few cells raised, as after a tuning session.
    MapDocument other = window.collectDocument();
    for (int row = 3; row < 9; ++row)
        for (int column = 1; column < 4; ++column)
            other.cells[row][column] = QStringLiteral("%1.5").arg(10 + row + column);
    const QString otherPath = dir.filePath("tuned.klv");
    if (!saveMapFile(otherPath, other, QStringLiteral(".")).saved)
        return 1;
    dialogs.answerOpenFile(otherPath);
    window.findChild<QAction*>(QStringLiteral("CompareWithMapFile"))->trigger();
    if (!save(&window, folder + "/compare.png"))
        return 1;

    findNamed<QRadioButton>(window.form(), QStringLiteral("Option6"))->setChecked(true);
    QWidget* panel = findNamed<QWidget>(window.form(), QStringLiteral("Frame7"));
    QWidget* view = panel->findChild<Graph3DView*>();
    drag(view, QPointF(250, 200), QPointF(300, 215));
    QWheelEvent zoomOut(QPointF(250, 200), view->mapToGlobal(QPointF(250, 200)), {}, {0, -120},
                        Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view, &zoomOut);
    return save(panel, folder + "/graph-3d-turned.png") ? 0 : 1;
}
