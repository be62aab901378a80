#include "editor_fixture.h"

class CellEditorTest : public QObject {
    Q_OBJECT
  private slots:
    // Enter checks and re-asks until the value passes (cancelling asks again), then moves
    // down; the last row keeps the focus. Four checks of an unchanged text use up the
    // entry's checks, but a text changed after them is checked all the same.
    void typedValueIsCheckedAndReasked() {
        EditorFixture f(",");
        QVERIFY(f.activate());
        const QString number = "Only number is accepted! Type again:";
        const QString empty =
            "Empty field is not allowed on the Ignition Values table! Type again!";
        for (const char* answer : {"", "", "-1", "0,5"})
            f.dialogs.answerInput(answer);
        f.type(f.cell(4, 2), "abc", Qt::Key_Return);
        QCOMPARE(f.asked(),
                 (QStringList{number, empty, empty, "Minimal value is 0,5 degree! Type again:"}));
        QVERIFY(f.cell(4, 2)->text() == "0,5" && f.window.focusWidget() == f.cell(5, 2));

        f.enter(f.cell(39, 2));
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(f.cell(39, 2), Qt::Key_Return);
        f.dialogs.answerInput("0,5");
        f.cell(39, 2)->setText("44,0abc");
        QTest::keyClick(f.cell(39, 2), Qt::Key_Return);
        QCOMPARE(f.asked().mid(4), QStringList{number});
        QVERIFY(f.cell(39, 2)->text() == "0,5" && f.window.focusWidget() == f.cell(39, 2));
    }

    // A move checks the cell it leaves, scrolls to the cell it enters and never enters a
    // transparent row.
    void keyboardMoves() {
        EditorFixture f;
        QVERIFY(f.activate());
        f.choose("Combo6", 2);
        f.type(f.cell(25, 1), "7", Qt::Key_Down);
        QVERIFY(QApplication::focusWidget() == f.cell(26, 1) && f.cell(25, 1)->text() == "7.0");
        QCOMPARE(f.named<QScrollBar>("VScroll")->value(), 360);
        f.choose("Combo11", 15);
        f.type(f.cell(30, 2), "7", Qt::Key_PageUp);
        QVERIFY(QApplication::focusWidget() == f.cell(15, 2) && f.cell(30, 2)->text() == "7.0");
    }

    // A cell reached with Tab is entered as a clicked one is, and a bad text there is
    // checked when Tab leaves it. Clicking the current cell only selects: an input box
    // here would abort.
    void enteringACell() {
        EditorFixture f;
        QVERIFY(f.activate());
        QTemporaryDir dir;
        const QString home = QDir::currentPath();
        QDir::setCurrent(dir.path()); // a trace log of this test only
        f.enter(f.cell(5, 0));
        // Four focus losses would use up the checks of a cell that was never entered.
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        f.cell(5, 4)->setText("abc");
        f.dialogs.answerInput("4");
        QTest::keyClick(f.cell(5, 4), Qt::Key_Tab);
        QCOMPARE(f.cell(5, 4)->text(), "4.0");
        // Tab enters the cell as a click does (only that logs it), so its text is checked.
        QFile log(dir.filePath("log.txt"));
        QVERIFY(log.open(QIODevice::ReadOnly) && log.readAll().contains("Text_Click_Uni(5,0.5,4)"));
        QDir::setCurrent(home);

        f.enter(f.cell(3, 1));
        f.cell(3, 1)->setText("abc");
        f.enter(f.cell(3, 1));
        QCOMPARE(f.cell(3, 1)->selectedText(), "abc");
        QCOMPARE(f.dialogs.calls().size(), 1); // Tab's only
    }
};

QTEST_MAIN(CellEditorTest)
#include "tst_cell_editor.moc"
