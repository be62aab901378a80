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
        f.chooseCutLevel(5, 2);
        f.named<QComboBox>("Combo10")->setCurrentIndex(4);
        f.cell(7, 0)->setText("9.0");
        f.click("Option2");
        const int redraws = f.redraws;

        f.choose("Combo6", resolution);

        QVERIFY(f.redraws > redraws);
        QCOMPARE(f.named<QComboBox>("Combo10")->currentIndex(), 0);
        QCOMPARE(f.named<QComboBox>("Combo11")->currentIndex(), 0);
        const bool loadAxis = columns > 1;
        QCOMPARE(f.named<QRadioButton>("Option1")->isChecked(), loadAxis);
        QVERIFY(f.enabled("Option1") == loadAxis && f.enabled("Command10") == loadAxis);
        for (int r = 0; r < 60; ++r) {
            QCOMPARE(f.rowLabel(r)->isVisibleTo(&f.window), r < rows);
            for (int c = 0; c < 12; ++c) {
                const bool shown = r < rows && c < columns;
                QCOMPARE(f.cell(r, c)->isVisibleTo(&f.window), shown);
                QVERIFY(!shown ||
                        (f.cell(r, c)->text() == f.number("0#5") && f.cell(r, c)->isEnabled()));
            }
            QVERIFY(r >= rows ||
                    (f.cutCombo(r)->currentIndex() == 0 && f.cutCombo(r)->isEnabled()));
        }
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
        QCOMPARE(f.cell(3, 3)->text(), QStringLiteral("12.0"));
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
        QCOMPARE(f.editor->state().rowCount, 40);
        QVERIFY(f.editor->state().loadInputUsed);
        QVERIFY(f.cell(0, 0)->isEnabled());
        QCOMPARE(f.redraws, 0);
    }

    // Without the load input every column takes the last column's values, redrawn once,
    // and the chooser stays on it; using the input again opens the columns. Which cells
    // are closed is guarded through the window.
    void loadInputOffCopiesTheLastColumn() {
        EditorFixture f;
        for (int r = 0; r < 40; ++r)
            f.cell(r, 5)->setText(QString::number(r + 1) + ".0");
        const int redraws = f.redraws;
        f.click("Option2");
        QCOMPARE(f.redraws, redraws + 1);
        auto* chooser = f.named<QComboBox>("Combo8");
        QVERIFY(!chooser->isEnabled() && chooser->currentIndex() == 5);
        for (int r = 0; r < 40; ++r)
            QCOMPARE(f.cell(r, 0)->text(), QString::number(r + 1) + ".0");
        f.click("Option1");
        QVERIFY(chooser->isEnabled() && f.cell(0, 0)->isEnabled());
    }

    void cutLevelsStayOrderedAndTheScrollIsClamped() {
        EditorFixture f;
        f.chooseCutLevel(2, 2);
        f.chooseCutLevel(4, 3);
        f.chooseCutLevel(3, 1);
        QList<int> levels;
        for (int r = 0; r < 5; ++r)
            levels << f.cutCombo(r)->currentIndex();
        QCOMPARE(levels, (QList<int>{0, 0, 1, 1, 3}));
        // Fewer rows keep the scroll position within the new range.
        f.choose("Combo6", 1);
        auto* bar = f.named<QScrollBar>("VScroll");
        bar->setValue(12240);
        f.choose("Combo6", 2);
        QCOMPARE(f.named<QWidget>("Picture1")->y(), Twips::toPixels(-bar->value()));
        QCOMPARE(bar->value(), bar->maximum());
    }
};

QTEST_MAIN(GridEditorTest)
#include "tst_grid_editor.moc"
