#include "core/twips.h"
#include "editor_fixture.h"

namespace {
struct Shape {
    QString separator;
    int resolution, rows, columns;
};
} // namespace

class GridEditorTest : public QObject {
    Q_OBJECT
  private slots:
    // A new shape is a default table: every used cell 0.5 and open, no transparent or
    // correction rows, cut levels 0; a single column cannot use the load input.
    void resolutionLaysOutADefaultTable_data() {
        QTest::addColumn<Shape>("shape");
        QTest::newRow("60 x 1") << Shape{".", 0, 60, 1};
        QTest::newRow("20 x 12") << Shape{",", 4, 20, 12};
    }
    void resolutionLaysOutADefaultTable() {
        QFETCH(Shape, shape);
        const auto [separator, resolution, rows, columns] = shape;
        EditorFixture f(separator);
        // Traces of an edited document that the new shape must reset.
        f.choose("Combo11", 3);
        f.choose(f.cutCombo(5), 2);
        f.named<QComboBox>("Combo10")->setCurrentIndex(4);
        f.cell(7, 0)->setText("9.0");
        f.click("Option2");
        const int redraws = f.redraws;

        f.choose("Combo6", resolution);

        QVERIFY(f.redraws > redraws);
        QVERIFY(f.named<QComboBox>("Combo10")->currentIndex() == 0 &&
                f.named<QComboBox>("Combo11")->currentIndex() == 0);
        const bool loadAxis = columns > 1;
        QVERIFY(f.named<QRadioButton>("Option1")->isChecked() == loadAxis &&
                f.named<QWidget>("Command10")->isEnabled() == loadAxis);
        for (int r = 0; r < rows; ++r) {
            QVERIFY(f.cutCombo(r)->currentIndex() == 0 && f.cutCombo(r)->isEnabled());
            for (int c = 0; c < columns; ++c)
                QVERIFY(f.cell(r, c)->text() == f.number("0#5") && f.cell(r, c)->isEnabled());
        }
        // Which cells are shown for each shape is guarded through the window.
        QVERIFY(f.cell(rows - 1, columns - 1)->isVisibleTo(&f.window));
        QVERIFY(rows == 60 || !f.rowLabel(rows)->isVisibleTo(&f.window));
        QVERIFY(columns == 12 || !f.header(columns)->isVisibleTo(&f.window));
        QCOMPARE(f.named<QScrollBar>("VScroll")->isVisibleTo(&f.window), rows > 20);
        QCOMPARE(f.named<QComboBox>("Combo8")->count(), columns);
    }

    // The current shape, a typed shape and a document not ready yet leave the table alone.
    void resolutionListChangesNothingElse() {
        EditorFixture f;
        QVERIFY(f.activate());
        f.cell(3, 3)->setText("12.0");
        f.choose("Combo6", 2);
        auto* list = f.named<QComboBox>("Combo6");
        list->setFocus();
        list->lineEdit()->selectAll();
        QTest::keyClicks(list->lineEdit(), "99 x 9");
        QTest::keyClick(list->lineEdit(), Qt::Key_Return);
        QCOMPARE(list->count(), 5);
        f.form.documentReady = false;
        f.choose("Combo6", 4);
        f.choose("Combo11", 5);
        f.click("Option2");
        QVERIFY(f.editor->state().rowCount == 40 && f.editor->state().loadInputUsed);
        QVERIFY(f.cell(0, 0)->isEnabled() && f.cell(3, 3)->text() == "12.0");
        QCOMPARE(f.redraws, 0);
    }

    // Without the load input every column takes the last column's values, redrawn once,
    // and the chooser stays on it; the column tool then steps each cell once. Using the
    // input again opens the columns. Which cells are closed is guarded through the window.
    void loadInputOffCopiesTheLastColumn() {
        EditorFixture f(",");
        f.choose("Combo6", 3); // 30 x 8
        for (int r = 0; r < 30; ++r)
            f.cell(r, 7)->setText(QString::number(5 + r) + ",0");
        const int redraws = f.redraws;
        f.click("Option2");
        QCOMPARE(f.redraws, redraws + 1);
        auto* chooser = f.named<QComboBox>("Combo8");
        QVERIFY(!chooser->isEnabled() && chooser->currentIndex() == 7);
        f.press("Command9");
        for (int r = 0; r < 30; ++r)
            for (int c = 0; c < 8; ++c)
                QCOMPARE(f.cell(r, c)->text(), QString::number(4 + r) + ",5");
        f.click("Option1");
        QVERIFY(chooser->isEnabled() && f.cell(0, 0)->isEnabled());
    }

    // A chosen cut level lowers the rows above it and raises the rows below it.
    void cutLevelsStayOrderedAndTheScrollIsClamped() {
        EditorFixture f;
        for (const QPoint& choice : {QPoint(2, 2), QPoint(4, 3), QPoint(3, 1)})
            f.choose(f.cutCombo(choice.x()), choice.y());
        QList<int> levels;
        for (int r = 0; r < 5; ++r)
            levels << f.cutCombo(r)->currentIndex();
        QCOMPARE(levels, (QList<int>{0, 0, 1, 1, 3}));
        // Fewer rows keep the scroll position within the new range.
        f.choose("Combo6", 1);
        auto* bar = f.named<QScrollBar>("VScroll");
        bar->setValue(12240);
        f.choose("Combo6", 2);
        QCOMPARE(bar->value(), bar->maximum());
        QCOMPARE(f.named<QWidget>("Picture1")->y(), Twips::toPixels(-bar->value()));
    }

    // The MAP maximum is checked and re-asked until it passes (cancelling asks again),
    // then relabels the headers and the column chooser in bar.
    void mapMaximumIsCheckedAndRelabels() {
        EditorFixture f(",");
        QVERIFY(f.activate());
        f.choose("Combo5", 2);
        auto* field = f.named<QLineEdit>("Text18");
        for (const char* answer : {"", "12", "10"})
            f.dialogs.answerInput(answer);
        f.type(field, "0,5", Qt::Key_Return);
        QCOMPARE(f.asked().replaceInStrings(QRegularExpression("!.*"), ""),
                 (QStringList{"Effective range lower limit of MAP sensor is 1 Bar",
                              "It is necessary to set effective range upper limit of MAP sensor",
                              "Effective range upper limit of MAP sensor is 10 Bar"}));
        QCOMPARE(field->text(), "10,0");
        QCOMPARE(f.header(5)->text() + " " + f.named<QComboBox>("Combo8")->itemText(5),
                 "10,00 10,00");
        // Leaving the field checks again; the value passes without asking.
        f.cell(0, 0)->setFocus();
        QCOMPARE(f.dialogs.calls().size(), 3);
        // Escape brings back the text the field was entered with.
        f.type(field, "7", Qt::Key_Escape);
        QCOMPARE(field->text(), "10,0");
        // Choosing the unit already applied changes nothing.
        f.choose("Combo5", 2);
        QCOMPARE(f.header(5)->text(), "10,00");
    }

    // Each unit rebuilds the chooser from the headers; bar starts again from 1.0, the
    // other units empty and disable the MAP field. Without the load input the chooser
    // stays on the last column.
    void unitRebuildsHeadersAndChooser() {
        EditorFixture f(",");
        auto* field = f.named<QLineEdit>("Text18");
        auto* chooser = f.named<QComboBox>("Combo8");
        f.choose("Combo5", 2);
        field->setText("2,5");
        f.click("Option2");
        for (int unit : {1, 2, 0}) {
            f.choose("Combo5", unit);
            QCOMPARE(field->isEnabled(), unit == 2);
            QCOMPARE(field->text(), QLatin1String(unit == 2 ? "1,0" : ""));
            QCOMPARE(chooser->currentIndex(), 5);
            QCOMPARE(f.editor->state().selectedColumn, 5);
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
