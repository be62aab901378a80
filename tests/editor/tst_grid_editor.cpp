#include "editor_fixture.h"

#include <QTimer>

namespace {
// Every cell of the grid, shown or not.
QStringList allTexts(EditorFixture& f) {
    QStringList out;
    for (int r = 0; r < 60; ++r)
        for (int c = 0; c < 12; ++c)
            out.append(f.cell(r, c)->text());
    return out;
}
} // namespace

class GridEditorTest : public QObject {
    Q_OBJECT
  private slots:
    // A new shape is a default table: every used cell 0.5 and open, no transparent or
    // correction rows, cut levels 0; a single column cannot use the load input. The
    // current shape and a typed shape leave the table alone.
    void resolutionLaysOutADefaultTable() {
        EditorFixture f(",");
        QVERIFY(f.activate());
        for (const auto& [resolution, rows, columns] : {std::tuple(0, 60, 1), {4, 20, 12}}) {
            // Traces of an edited document that the new shape must reset.
            f.choose("Combo11", 3);
            chooseItem(f.cutCombo(5), 2);
            QCOMPARE(f.cutCombo(6)->currentIndex(), 2); // the rows below rise to it
            f.named<QComboBox>("Combo10")->setCurrentIndex(4);
            f.setCells([](int r, int c) { return r == 7 && c == 0 ? 90 : 5; });
            f.click("Option2");
            const int redraws = f.redraws;

            f.choose("Combo6", resolution);

            QVERIFY(f.redraws > redraws);
            QVERIFY(f.named<QComboBox>("Combo10")->currentIndex() == 0 &&
                    f.named<QComboBox>("Combo11")->currentIndex() == 0);
            QVERIFY(f.named<QRadioButton>("Option1")->isChecked() == (columns > 1) &&
                    f.named<QWidget>("Command10")->isEnabled() == (columns > 1));
            for (int r = 0; r < rows; ++r) {
                QVERIFY(f.cutCombo(r)->currentIndex() == 0 && f.cutCombo(r)->isEnabled());
                for (int c = 0; c < columns; ++c)
                    QVERIFY(f.cell(r, c)->text() == "0,5" && f.cell(r, c)->isEnabled());
            }
            // Which cells are shown for each shape is guarded through the window.
            QVERIFY(f.cell(rows - 1, columns - 1)->isVisibleTo(&f.window));
            QCOMPARE(f.named<QScrollBar>("VScroll")->isVisibleTo(&f.window), rows > 20);
            QCOMPARE(f.named<QComboBox>("Combo8")->count(), columns);
        }

        f.setCells([](int r, int c) { return r == 3 && c == 3 ? 120 : 5; });
        const int redraws = f.redraws;
        f.choose("Combo6", 4);
        auto* list = f.named<QComboBox>("Combo6");
        list->setFocus();
        list->lineEdit()->selectAll();
        QTest::keyClicks(list->lineEdit(), "99 x 9");
        QTest::keyClick(list->lineEdit(), Qt::Key_Return);
        QCOMPARE(list->count(), 5);
        QCOMPARE(f.cell(3, 3)->text(), "12,0");
        QCOMPARE(f.redraws, redraws);
    }

    // Without the load input every column takes the last column's values, redrawn once,
    // and the chooser stays on it; the column tool then steps each cell once, and a value
    // typed in the last column fills its row. Which cells are closed is guarded through
    // the window.
    void loadInputOffCopiesTheLastColumn() {
        EditorFixture f(",");
        QVERIFY(f.activate());
        f.choose("Combo6", 1); // 60 x 4
        f.setCells([](int r, int c) { return c == 3 ? (2 + r) * 10 : 5; });
        const int redraws = f.redraws;
        f.click("Option2");
        QCOMPARE(f.redraws, redraws + 1);
        auto* chooser = f.named<QComboBox>("Combo8");
        QVERIFY(!chooser->isEnabled() && chooser->currentIndex() == 3);
        f.press("Command9");
        for (int r = 0; r < 60; ++r)
            for (int c = 0; c < 4; ++c)
                QCOMPARE(f.cell(r, c)->text(), QString::number(1 + r) + ",5");
        f.updates.clear();
        f.type(f.cell(5, 3), "20", Qt::Key_Return);
        f.updates.sort();
        f.updates.removeDuplicates();
        QCOMPARE(f.updates.join(' '), "5,0 20 5,1 20 5,2 20 5,3 20");
        QCOMPARE(f.cell(5, 0)->text(), "20,0");
    }

    // A right button, the space key or a click from code step nothing and leave the tool
    // free. A real press takes the column one step to the end of the range; the next is
    // refused as a whole. The edge value sits in a transparent row, which is stepped too.
    // An empty cell holds the press until pending events fill it; a second press that
    // comes meanwhile is ignored.
    void columnToolStepsUntilTheRangeEnds() {
        EditorFixture f;
        f.choose("Combo11", 3);
        f.choose("Combo8", 2);
        f.setCells([](int r, int c) { return c != 2 ? 5 : r == 1 ? 630 : 102; });
        const int redraws = f.redraws;
        const QStringList typed = allTexts(f);
        auto* button = f.named<QPushButton>("Command8");
        f.press("Command8", Qt::RightButton);
        QTest::keyClick(button, Qt::Key_Space);
        button->click();
        QVERIFY(allTexts(f) == typed && f.redraws == redraws);

        f.press("Command8");

        QCOMPARE(f.redraws, redraws + 1);
        for (int r = 0; r < 40; ++r)
            QCOMPARE(f.cell(r, 1)->text() + " " + f.cell(r, 2)->text() + " " + f.cell(r, 3)->text(),
                     r == 1 ? "0.5 63.5 0.5" : "0.5 10.7 0.5");
        const QStringList before = allTexts(f);

        f.dialogs.answerMessage(Dialogs::Answer::Ok);
        f.press("Command8");

        QCOMPARE(f.dialogs.lastCall().title + " " + f.dialogs.lastCall().text,
                 "Attention! Value can not be higher than 63.5 degree!");
        QCOMPARE(allTexts(f), before);

        f.choose("Combo8", 0);
        f.cell(5, 0)->clear();
        QTimer::singleShot(0, &f.window, [&] {
            f.press("Command8");
            QTimer::singleShot(0, &f.window, [&] {
                f.cell(5, 0)->setText("7.0");
                f.editor->checkField(f.cell(5, 0));
            });
        });

        f.press("Command8");

        QCOMPARE(f.cell(5, 0)->text() + " " + f.cell(4, 0)->text(), "7.5 1.0");
        QCOMPARE(f.redraws, redraws + 2);
        QVERIFY(!f.editor->state().columnToolBusy);
    }

    // The MAP maximum is checked and re-asked until it passes (cancelling asks again),
    // then relabels the headers and the column chooser in bar. Each unit rebuilds the
    // chooser from the headers; bar starts again from 1.0, the other units empty and
    // disable the MAP field. Without the load input the chooser stays on the last column.
    void loadUnitsAndMapMaximum() {
        EditorFixture f(",");
        QVERIFY(f.activate());
        f.choose("Combo5", 2);
        auto* field = f.named<QLineEdit>("Text18");
        auto* chooser = f.named<QComboBox>("Combo8");
        for (const char* answer : {"", "12", "10"})
            f.dialogs.answerInput(answer);
        f.type(field, "0,5", Qt::Key_Return);
        QCOMPARE(f.asked().replaceInStrings(QRegularExpression("!.*"), ""),
                 (QStringList{"Effective range lower limit of MAP sensor is 1 Bar",
                              "It is necessary to set effective range upper limit of MAP sensor",
                              "Effective range upper limit of MAP sensor is 10 Bar"}));
        QCOMPARE(field->text(), "10,0");
        QCOMPARE(f.header(5)->text() + " " + chooser->itemText(5), "10,00 10,00");
        // Escape brings back the text the field was entered with.
        f.type(field, "7", Qt::Key_Escape);
        QCOMPARE(field->text(), "10,0");
        // Choosing the unit already applied changes nothing.
        f.choose("Combo5", 2);
        QCOMPARE(f.header(5)->text(), "10,00");

        f.click("Option2");
        for (int unit : {1, 2, 0}) {
            f.choose("Combo5", unit);
            QCOMPARE(field->isEnabled(), unit == 2);
            QCOMPARE(field->text(), QLatin1String(unit == 2 ? "1,0" : ""));
            QVERIFY(chooser->currentIndex() == 5 && f.editor->state().selectedColumn == 5);
            for (int i = 0; i < 6; ++i)
                QCOMPARE(chooser->itemText(i), f.header(i)->text());
        }
        f.click("Option1");
        f.choose("Combo8", 2);
        f.choose("Combo5", 1);
        QCOMPARE(f.editor->state().selectedColumn, 2);
    }
};

QTEST_MAIN(GridEditorTest)
#include "tst_grid_editor.moc"
