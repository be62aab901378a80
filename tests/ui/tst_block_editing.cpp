#include "core/find_widget.h"
#include "core/twips.h"
#include "editor/block_operations.h"
#include "tests/support/scripted_dialogs.h"
#include "ui/document_history.h"
#include "ui/main_window.h"

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>
#include <memory>

namespace {
using Answer = Dialogs::Answer;

// A started, shown window in the given locale, with a few distinct values in its table.
struct Window {
    explicit Window(const char* locale) {
        QLocale::setDefault(QLocale(QLatin1String(locale)));
        window = std::make_unique<MainWindow>(dialogs, dir.filePath("kelvor-310.ini"));
        window->show();
        QApplication::setActiveWindow(window.get());
        if (!QTest::qWaitForWindowActive(window.get()))
            qFatal("the window did not become active");
        MapDocument doc = window->collectDocument();
        const QString sep = window->formState().decimalSeparator;
        doc.cells[3][1] = "10" + sep + "0", doc.cells[3][2] = "7" + sep + "5";
        doc.cells[4][1] = "30" + sep + "5", doc.cells[5][3] = "20" + sep + "0";
        window->applyLoadedDocument(doc);
        window->history().restart();
    }
    QLineEdit* cell(int row, int column) const {
        return findNamed<QLineEdit>(
            window->form(), arrayName(qPrintable(QStringLiteral("Text%1").arg(column + 1)), row));
    }
    QPoint at(QLineEdit* field) const { return field->mapTo(window.get(), field->rect().center()); }
    // Through the window system, so the pressed cell holds the mouse as on a desktop.
    void drag(QLineEdit* from, QLineEdit* to) {
        QWindow* handle = window->windowHandle();
        QTest::mousePress(handle, Qt::LeftButton, {}, at(from));
        QTest::mouseMove(handle, at(to));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, at(to));
    }
    void keys(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    MapDocument document() const { return window->collectDocument(); }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;
};
} // namespace

class BlockEditingTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { Twips::setLogicalDpi(96); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // A dragged block goes to the clipboard as a spreadsheet takes it and comes back at
    // another cell; the paste is one step to undo and redo.
    void copyPasteRoundTripAndUndo_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("copied");
        QTest::newRow("point") << "en_US"
                               << "10.0\t7.5\n30.5\t0.5\n";
        QTest::newRow("comma") << "hu_HU"
                               << "10,0\t7,5\n30,5\t0,5\n";
    }
    void copyPasteRoundTripAndUndo() {
        QFETCH(QString, locale);
        QFETCH(QString, copied);
        Window w(qPrintable(locale));
        w.drag(w.cell(3, 1), w.cell(4, 2));
        w.keys(Qt::Key_C);
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
        QTest::mouseClick(w.cell(10, 3), Qt::LeftButton);
        const MapDocument before = w.document();
        w.keys(Qt::Key_V);
        w.keys(Qt::Key_Escape, Qt::NoModifier); // puts back the cell's text as changed
        const MapDocument after = w.document();
        QCOMPARE(BlockOperations::copyText(after, {10, 3, 11, 4}), copied);
        w.keys(Qt::Key_Z);
        w.keys(Qt::Key_Escape, Qt::NoModifier);
        QCOMPARE(w.document(), before);
        w.keys(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.document(), after);
        // A bad value pastes nothing and says where it is.
        QGuiApplication::clipboard()->setText("7\tabc\n");
        w.dialogs.answerMessage(Answer::Ok);
        w.keys(Qt::Key_V);
        QCOMPARE(w.document(), after);
        QVERIFY(w.dialogs.lastCall().text.startsWith(
            "Nothing was pasted: the value 'abc' for row 11, column 5 is wrong."));
    }

    // Each operation on a Shift+click block, and each committed change elsewhere, is
    // one step; typing in the focused field is undone by the field first. (The
    // operations' values are the pure functions' business.)
    void everyChangeIsOneStep_data() {
        QTest::addColumn<int>("key"); // 0: a checked cell, 1: a column press, 2: a shape
        QTest::addColumn<QString>("answer");
        QTest::newRow("set") << int(Qt::Key_E) << "12";
        QTest::newRow("add") << int(Qt::Key_D) << "2";
        QTest::newRow("scale") << int(Qt::Key_P) << "150";
        QTest::newRow("rows") << int(Qt::Key_R) << "";
        QTest::newRow("columns") << int(Qt::Key_L) << "";
        QTest::newRow("both") << int(Qt::Key_B) << "";
        QTest::newRow("checked cell") << 0 << "";
        QTest::newRow("column press") << 1 << "";
        QTest::newRow("shape") << 2 << "";
    }
    void everyChangeIsOneStep() {
        QFETCH(int, key);
        QFETCH(QString, answer);
        Window w("en_US");
        QTest::mouseClick(w.cell(3, 1), Qt::LeftButton);
        QTest::mouseClick(w.cell(5, 3), Qt::LeftButton, Qt::ShiftModifier);
        const MapDocument before = w.document();
        if (!answer.isEmpty())
            w.dialogs.answerInput(answer);
        if (key == 0) {
            w.cell(5, 3)->setText("42");
            w.keys(Qt::Key_Return, Qt::NoModifier);
        } else if (key == 1) {
            QTest::mouseClick(findNamed<QWidget>(w.window->form(), "Command8"), Qt::LeftButton);
        } else if (key == 2) {
            auto* shapes = findNamed<QComboBox>(w.window->form(), "Combo6");
            shapes->setCurrentIndex(4);
            emit shapes->activated(4);
        } else {
            w.keys(Qt::Key(key));
        }
        const MapDocument after = w.document();
        QVERIFY(after != before);
        QTest::mouseClick(w.cell(7, 2), Qt::LeftButton);
        QTest::keyClicks(w.cell(7, 2), "33");
        w.keys(Qt::Key_Z);
        QCOMPARE(w.document(), after);
        w.keys(Qt::Key_Z);
        QCOMPARE(w.document(), before);
        w.keys(Qt::Key_Y);
        QCOMPARE(w.document(), after);
        QCOMPARE(w.dialogs.pendingAnswers(), 0);
    }
};

QTEST_MAIN(BlockEditingTest)
#include "tst_block_editing.moc"
