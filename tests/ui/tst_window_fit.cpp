#include "core/twips.h"
#include "tests/support/test_window.h"
#include "ui/window_fit.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QtTest>

// Controls the form shows at its designed size; the grid's rows beyond its frame are reached
// with the grid's own scroll bar instead.
static bool insideParents(QWidget* control, QWidget* form) {
    for (QWidget* w = control; w != form; w = w->parentWidget())
        if (!w->parentWidget()->rect().contains(w->geometry()))
            return false;
    return true;
}

// The window on a 1366 x 768 laptop screen at 125 % scaling: less room than the form needs.
class WindowFitTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { Twips::setLogicalDpi(96); }

    void everyControlScrollsIntoView() {
        TestWindow w;
        MainWindow& window = *w.main;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect screen = window.screen()->availableGeometry();
        QVERIFY(window.width() <= screen.width() && window.height() < screen.height());

        auto* area = window.findChild<QScrollArea*>();
        int controls = 0;
        for (QWidget* control : window.form()->findChildren<QWidget*>()) {
            if (!control->isVisible() ||
                !(qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control) ||
                  qobject_cast<QComboBox*>(control)) ||
                !insideParents(control, window.form()))
                continue;
            scrollToShow(*area, control);
            const QRect shown(control->mapTo(area->viewport(), QPoint()), control->size());
            QVERIFY2(area->viewport()->rect().contains(shown), qPrintable(control->objectName()));
            ++controls;
        }
        QVERIFY(controls > 0);
    }
};

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM",
            "offscreen:configfile=" KELVOR_SOURCE_DIR "/tests/support/laptop_screen.json");
    QApplication app(argc, argv);
    WindowFitTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_window_fit.moc"
