#include "editor_fixture.h"

namespace {
// Enters a cell as the user does: a click on it.
void clickCell(QLineEdit* field) { QTest::mouseClick(field, Qt::LeftButton); }

QString attention() { return QStringLiteral("Attention!"); }

} // namespace

class CellEditorTest : public QObject {
    Q_OBJECT
private slots:
    void init() { m_folder = std::make_unique<InTemporaryFolder>(); }
    void cleanup() { m_folder.reset(); }

    void typedValueIsCheckedAndReasked_data() {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("prompts");
        QTest::addColumn<QString>("shown");
        const QString empty = "Empty field is not allowed on the Ignition Values table! Type again!";
        for (const QString sep : {".", ","}) {
            const QString other = sep == "." ? "," : ".";
            const QString wrongSeparator =
                sep == "." ? "Only decimal point is accepted, not decimal comma! type again:"
                           : "Only decimal comma is accepted, not decimal point! type again:";
            auto n = [&](QString t) { return t.replace('#', sep); };
            QTest::addRow("largest %s", qPrintable(sep))
                << sep << n("63#5") << QStringList{} << QStringList{} << n("63#5");
            QTest::addRow("above largest %s", qPrintable(sep))
                << sep << n("63#51") << QStringList{n("12#34")}
                << QStringList{n("Maximal value is 63#5 degree! Type again:")} << n("12#3");
            QTest::addRow("other separator %s", qPrintable(sep))
                << sep << "12" + other + "5" << QStringList{n("12#5")}
                << QStringList{wrongSeparator} << n("12#5");
            QTest::addRow("cancel keeps asking %s", qPrintable(sep))
                << sep << "abc" << QStringList{"", "", "-1", n("0#5")}
                << QStringList{"Only number is accepted! Type again:", empty, empty,
                               n("Minimal value is 0#5 degree! Type again:")}
                << n("0#5");
        }
    }
    void typedValueIsCheckedAndReasked() {
        QFETCH(QString, separator);
        QFETCH(QString, typed);
        QFETCH(QStringList, answers);
        QFETCH(QStringList, prompts);
        QFETCH(QString, shown);
        EditorFixture f(separator);
        QVERIFY(f.activate());
        clickCell(f.cell(4, 2));
        f.cell(4, 2)->setText(typed);
        for (const QString& answer : answers)
            f.dialogs.answerInput(answer);
        QTest::keyClick(f.cell(4, 2), Qt::Key_Return);

        QCOMPARE(f.cell(4, 2)->text(), shown);
        QCOMPARE(f.dialogs.calls().size(), prompts.size());
        for (int i = 0; i < prompts.size(); ++i) {
            QCOMPARE(f.dialogs.calls()[i].text, prompts[i]);
            QCOMPARE(f.dialogs.calls()[i].title, attention());
        }
        QCOMPARE(QApplication::focusWidget(), f.cell(5, 2));
        QVERIFY(!f.updates.isEmpty());
        QCOMPARE(f.updates.last().row, 4);
        QCOMPARE(f.updates.last().column, 2);
        QCOMPARE(f.updates.last().value, f.cell(4, 2)->text().replace(separator, ".").toDouble());
    }

    void lastColumnIsCopiedAlongTheRowWithoutLoadInput() {
        EditorFixture f;
        QVERIFY(f.activate());
        f.choose("Combo6", 1);
        f.click("Option2");
        clickCell(f.cell(5, 3));
        f.cell(5, 3)->setText("20");
        f.updates.clear();
        QTest::keyClick(f.cell(5, 3), Qt::Key_Return);
        QSet<int> updatedColumns;
        for (int c = 0; c < 4; ++c)
            QCOMPARE(f.cell(5, c)->text(), QStringLiteral("20.0"));
        for (const auto& update : f.updates) {
            QCOMPARE(update.row, 5);
            QCOMPARE(update.value, 20.0);
            updatedColumns.insert(update.column);
        }
        QCOMPARE(updatedColumns, (QSet<int>{0, 1, 2, 3}));
        QCOMPARE(f.cell(6, 0)->text(), QStringLiteral("0.5"));
    }

    void keyboardMoves_data() {
        QTest::addColumn<int>("resolution");
        QTest::addColumn<int>("transparent");
        QTest::addColumn<bool>("loadInputUsed");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("toRow");
        QTest::addColumn<int>("toColumn");
        QTest::newRow("down") << 2 << 0 << true << 3 << 1 << int(Qt::Key_Down) << 4 << 1;
        QTest::newRow("down in the last row") << 2 << 0 << true << 39 << 1 << int(Qt::Key_Down) << 39 << 1;
        QTest::newRow("enter in the last row") << 2 << 0 << true << 39 << 1 << int(Qt::Key_Return) << 39 << 1;
        QTest::newRow("up") << 2 << 3 << true << 4 << 1 << int(Qt::Key_Up) << 3 << 1;
        QTest::newRow("up from the lowest open row") << 2 << 3 << true << 3 << 1 << int(Qt::Key_Up) << 3 << 1;
        QTest::newRow("up from row 0") << 2 << 0 << true << 0 << 1 << int(Qt::Key_Up) << 0 << 1;
        QTest::newRow("page up with 30 rows") << 3 << 0 << true << 28 << 0 << int(Qt::Key_PageUp) << 28 << 0;
        QTest::newRow("page down with 30 rows") << 3 << 0 << true << 1 << 0 << int(Qt::Key_PageDown) << 1 << 0;
        QTest::newRow("page up from 26 of 60") << 1 << 0 << true << 26 << 0 << int(Qt::Key_PageUp) << 26 << 0;
        QTest::newRow("page up from 27 of 60") << 1 << 0 << true << 27 << 0 << int(Qt::Key_PageUp) << 1 << 0;
        QTest::newRow("page down from 33 of 60") << 1 << 0 << true << 33 << 0 << int(Qt::Key_PageDown) << 59 << 0;
        QTest::newRow("page down from 34 of 60") << 1 << 0 << true << 34 << 0 << int(Qt::Key_PageDown) << 34 << 0;
        QTest::newRow("page up onto transparent rows") << 2 << 15 << true << 30 << 2 << int(Qt::Key_PageUp) << 15 << 2;
        QTest::newRow("left") << 2 << 0 << true << 5 << 3 << int(Qt::Key_Left) << 5 << 2;
        QTest::newRow("left in the first column") << 2 << 0 << true << 5 << 0 << int(Qt::Key_Left) << 5 << 0;
        QTest::newRow("left without load input") << 2 << 0 << false << 5 << 5 << int(Qt::Key_Left) << 5 << 5;
        QTest::newRow("right") << 2 << 0 << true << 5 << 3 << int(Qt::Key_Right) << 5 << 4;
        QTest::newRow("right in the last column") << 2 << 0 << true << 5 << 5 << int(Qt::Key_Right) << 5 << 5;
    }
    void keyboardMoves() {
        QFETCH(int, resolution);
        QFETCH(int, transparent);
        QFETCH(bool, loadInputUsed);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(int, key);
        QFETCH(int, toRow);
        QFETCH(int, toColumn);
        EditorFixture f;
        QVERIFY(f.activate());
        f.choose("Combo6", resolution);
        f.choose("Combo11", transparent);
        if (!loadInputUsed)
            f.click("Option2");
        clickCell(f.cell(row, column));
        QCOMPARE(QApplication::focusWidget(), f.cell(row, column));
        f.cell(row, column)->setText("7");
        QTest::keyClick(f.cell(row, column), Qt::Key(key));
        QCOMPARE(QApplication::focusWidget(), f.cell(toRow, toColumn));
        // A move checks the cell it leaves; Enter in the last row checks without moving.
        const bool checked = toRow != row || toColumn != column || key == Qt::Key_Return;
        QCOMPARE(f.cell(row, column)->text(), QLatin1String(checked ? "7.0" : "7"));
        QCOMPARE(f.editor->state().currentCell, (GridCell{toRow, toColumn}));
    }

    void movingDownScrollsTheTargetIntoView() {
        EditorFixture f;
        QVERIFY(f.activate());
        auto* bar = f.named<QScrollBar>("VScroll");
        clickCell(f.cell(0, 0));
        for (int i = 0; i < 25; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), f.cell(25, 0));
        QCOMPARE(bar->value(), 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(bar->value(), 360);
        QCOMPARE(f.named<QWidget>("Picture1")->y(), Twips::toPixels(-360));
        for (int i = 0; i < 26; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), f.cell(0, 0));
        QCOMPARE(bar->value(), 0);
    }

    void escapeRestoresTheEntryText() {
        EditorFixture f;
        QVERIFY(f.activate());
        clickCell(f.cell(2, 1));
        f.cell(2, 1)->setText("99");
        f.dialogs.answerInput("9");
        clickCell(f.cell(3, 1));
        QCOMPARE(f.cell(2, 1)->text(), QStringLiteral("9.0"));
        QCOMPARE(f.dialogs.calls().size(), 1);
        f.cell(3, 1)->setText("12");
        QTest::keyClick(f.cell(3, 1), Qt::Key_Escape);
        QCOMPARE(f.cell(3, 1)->text(), QStringLiteral("0.5"));
        QCOMPARE(QApplication::focusWidget(), f.cell(3, 1));
    }

    void tabEntersTheCellItReaches() {
        EditorFixture f;
        QVERIFY(f.activate());
        clickCell(f.cell(5, 0));
        // Four focus losses would use up the checks of a cell that was never entered.
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.cell(5, 4));
        QCOMPARE(f.editor->state().currentCell, (GridCell{5, 4}));
        f.cell(5, 4)->setText("abc");
        f.dialogs.answerInput("4");
        QTest::keyClick(f.cell(5, 4), Qt::Key_Tab);
        QCOMPARE(f.cell(5, 4)->text(), QStringLiteral("4.0"));
        QCOMPARE(f.dialogs.calls().size(), 1);
    }

    void clickingTheCurrentCellOnlySelects() {
        EditorFixture f;
        QVERIFY(f.activate());
        clickCell(f.cell(2, 1));
        f.cell(2, 1)->setText("abc");
        clickCell(f.cell(2, 1)); // no check: an input box here would abort the test
        QCOMPARE(f.cell(2, 1)->selectedText(), QStringLiteral("abc"));
        QCOMPARE(f.cell(2, 1)->cursorPosition(), 0);
    }

    void inputBoxTakingTheFocusStartsNoSecondCheck_data() {
        QTest::addColumn<bool>("byClick");
        QTest::newRow("enter") << false;
        QTest::newRow("click on another cell") << true;
    }
    void inputBoxTakingTheFocusStartsNoSecondCheck() {
        QFETCH(bool, byClick);
        EditorFixture f;
        QVERIFY(f.activate());
        f.dialogs.takesFocus = true;
        clickCell(f.cell(2, 1));
        f.cell(2, 1)->setText("abc");
        f.dialogs.answerInput("5"); // a second input box would abort the test
        QLineEdit* target = byClick ? f.cell(6, 3) : f.cell(3, 1);
        if (byClick)
            clickCell(target);
        else
            QTest::keyClick(f.cell(2, 1), Qt::Key_Return);
        QCOMPARE(f.dialogs.calls().size(), 1);
        QCOMPARE(f.cell(2, 1)->text(), QStringLiteral("5.0"));
        QCOMPARE(QApplication::focusWidget(), target);
        QCOMPARE(f.editor->state().currentCell, (f.editor->state().clickedCell));
        // The next keystroke lands in the entered cell, replacing its selected text.
        QTest::keyClicks(QApplication::focusWidget(), "7");
        QCOMPARE(target->text(), QStringLiteral("7"));
    }

    void checksWaitForTheDocument() {
        EditorFixture f;
        QVERIFY(f.activate());
        clickCell(f.cell(2, 1));
        f.form.documentReady = false;
        f.cell(2, 1)->setText("abc");
        QTest::keyClick(f.cell(2, 1), Qt::Key_Return);
        QCOMPARE(f.cell(2, 1)->text(), QStringLiteral("abc"));
        QCOMPARE(QApplication::focusWidget(), f.cell(3, 1));
        QVERIFY(f.updates.isEmpty());
    }

    void traceLines() {
        EditorFixture f(",");
        QVERIFY(f.activate());
        clickCell(f.cell(2, 1));
        QTest::keyClick(f.cell(2, 1), Qt::Key_Return);
        clickCell(f.header(0));
        QTest::keyClick(f.header(0), Qt::Key_Right);
        QCOMPARE(QApplication::focusWidget(), f.header(1));
        clickCell(f.rowLabel(4)); // locked: no trace
        const QStringList lines = m_folder->logLines();
        QCOMPARE(lines.value(0), QStringLiteral("Text_Click_Uni(2,0,5,1)"));
        QCOMPARE(lines.value(1), QStringLiteral("Text_Keydown_Uni(2): 13"));
        QCOMPARE(lines.value(2), QStringLiteral("Text_LostFocusOwn_Uni(2,0,5,1)"));
        QVERIFY(lines.contains("Text_Click_Uni(3,0,5,1)"));
        QCOMPARE(lines.mid(lines.size() - 3),
                 (QStringList{"TextLabel1_Click(0,)", "TextLabel1_Keydown(0): 39",
                              "TextLabel1_Click(1,)"}));
    }

private:
    std::unique_ptr<InTemporaryFolder> m_folder;
};

QTEST_MAIN(CellEditorTest)
#include "tst_cell_editor.moc"
