#include "editor_fixture.h"

class GridEditorTest : public QObject {
    Q_OBJECT
private slots:
    void resolutionLaysOutADefaultTable_data() {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<int>("resolution");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("comboLeft");
        QTest::addColumn<int>("headerLeft");
        QTest::addColumn<int>("scrollMaximum");
        QTest::addColumn<int>("lastRpm");
        QTest::addColumn<QString>("firstHeader");
        for (const QString sep : {".", ","}) {
            QTest::addRow("30 x 8 %s", qPrintable(sep))
                << sep << 3 << 30 << 8 << 4560 << 4680 << 1440 << 9450 << "1#85";
            QTest::addRow("20 x 12 %s", qPrintable(sep))
                << sep << 4 << 20 << 12 << 6480 << 6600 << 0 << 9500 << "1#75";
        }
    }
    void resolutionLaysOutADefaultTable() {
        QFETCH(QString, separator);
        QFETCH(int, resolution);
        QFETCH(int, rows);
        QFETCH(int, columns);
        QFETCH(int, comboLeft);
        QFETCH(int, headerLeft);
        QFETCH(int, scrollMaximum);
        QFETCH(int, lastRpm);
        QFETCH(QString, firstHeader);
        EditorFixture f(separator);
        // Leave traces of an edited document that the new shape must reset.
        f.choose("Combo11", 3);
        f.chooseCutLevel(5, 2);
        f.named<QComboBox>("Combo10")->setCurrentIndex(4);
        f.cell(7, 2)->setText("9.0");
        f.click("Option2");
        const int redrawsBefore = f.redraws;

        f.choose("Combo6", resolution);

        QCOMPARE(f.editor->state().rowCount, rows);
        QCOMPARE(f.editor->state().columnCount, columns);
        QCOMPARE(f.editor->state().transparentIntervals, 0);
        QCOMPARE(f.named<QComboBox>("Combo10")->currentIndex(), 0);
        QCOMPARE(f.named<QComboBox>("Combo11")->currentIndex(), 0);
        QVERIFY(f.named<QRadioButton>("Option1")->isChecked());
        QVERIFY(f.named<QRadioButton>("Option1")->isEnabled());
        QVERIFY(f.named<QPushButton>("Command10")->isEnabled());
        QVERIFY(f.redraws > redrawsBefore);
        for (int r = 0; r < 60; ++r) {
            const bool rowShown = r < rows;
            QCOMPARE(f.rowLabel(r)->isVisibleTo(&f.window), rowShown);
            QCOMPARE(f.cutCombo(r)->isVisibleTo(&f.window), rowShown);
            for (int c = 0; c < 12; ++c) {
                QCOMPARE(f.cell(r, c)->isVisibleTo(&f.window), rowShown && c < columns);
                if (rowShown && c < columns) {
                    QCOMPARE(f.cell(r, c)->text(), f.half());
                    QVERIFY(f.cell(r, c)->isEnabled());
                }
            }
            if (rowShown) {
                QCOMPARE(f.cutCombo(r)->currentIndex(), 0);
                QVERIFY(f.cutCombo(r)->isEnabled());
                QCOMPARE(f.cutCombo(r)->x(), Twips::toPixels(comboLeft));
            }
        }
        QCOMPARE(f.rowLabel(0)->text(), QStringLiteral("650"));
        QCOMPARE(f.rowLabel(rows - 1)->text(), QString::number(lastRpm));
        QCOMPARE(f.header(12)->x(), Twips::toPixels(headerLeft));
        QCOMPARE(f.header(0)->text(), firstHeader.replace('#', separator));
        QCOMPARE(f.header(columns - 1)->text(), f.number("5.00"));
        for (int i = 0; i < 12; ++i)
            QCOMPARE(f.header(i)->isVisibleTo(&f.window), i < columns);
        auto* bar = f.named<QScrollBar>("VScroll");
        QCOMPARE(bar->maximum(), scrollMaximum);
        QCOMPARE(bar->isVisibleTo(&f.window), scrollMaximum > 0);
        QCOMPARE(f.named<QWidget>("Picture1")->height(), Twips::toPixels(rows * 360));
        QCOMPARE(f.named<QComboBox>("Combo8")->count(), columns);
    }

    void singleColumnCannotUseTheLoadInput() {
        EditorFixture f;
        f.choose("Combo6", 0);
        QVERIFY(f.named<QRadioButton>("Option2")->isChecked());
        QVERIFY(!f.named<QRadioButton>("Option1")->isEnabled());
        QVERIFY(!f.named<QRadioButton>("Option2")->isEnabled());
        QVERIFY(!f.named<QPushButton>("Command10")->isEnabled());
        QCOMPARE(f.named<QComboBox>("Combo8")->count(), 1);
        QCOMPARE(f.named<QComboBox>("Combo8")->currentIndex(), 0);
        QVERIFY(f.cell(59, 0)->isEnabled());
        QVERIFY(!f.cell(0, 1)->isVisibleTo(&f.window));
    }

    void choosingTheCurrentResolutionChangesNothing() {
        EditorFixture f;
        f.cell(3, 3)->setText("12.0");
        f.chooseCutLevel(2, 1);
        f.choose("Combo6", 2);
        QCOMPARE(f.cell(3, 3)->text(), QStringLiteral("12.0"));
        QCOMPARE(f.cutCombo(2)->currentIndex(), 1);
        QCOMPARE(f.redraws, 0);
    }

    void typingIntoTheResolutionListAddsNoShape() {
        EditorFixture f;
        QVERIFY(f.activate());
        auto* list = f.named<QComboBox>("Combo6");
        list->setFocus();
        list->lineEdit()->selectAll();
        QTest::keyClicks(list->lineEdit(), "99 x 9");
        QTest::keyClick(list->lineEdit(), Qt::Key_Return);
        QCOMPARE(list->count(), 5);
        QCOMPARE(f.editor->state().rowCount, 40);
        QCOMPARE(f.redraws, 0);
    }

    void transparentRowsAreClosed_data() {
        QTest::addColumn<bool>("loadInputUsed");
        QTest::newRow("load input used") << true;
        QTest::newRow("load input not used") << false;
    }
    void transparentRowsAreClosed() {
        QFETCH(bool, loadInputUsed);
        EditorFixture f;
        if (!loadInputUsed)
            f.click("Option2");
        auto rowOpen = [&](int r) {
            bool anyCellOpen = false;
            for (int c = 0; c < 6; ++c) {
                const bool expected = c == 5 || loadInputUsed;
                if (f.cell(r, c)->isEnabled() != expected)
                    return false;
                anyCellOpen |= f.cell(r, c)->isEnabled();
            }
            return anyCellOpen && f.cutCombo(r)->isEnabled();
        };
        auto rowClosed = [&](int r) {
            for (int c = 0; c < 6; ++c)
                if (f.cell(r, c)->isEnabled())
                    return false;
            return !f.cutCombo(r)->isEnabled();
        };
        f.choose("Combo11", 3);
        QVERIFY(rowClosed(0) && rowClosed(1) && rowClosed(2));
        QVERIFY(rowOpen(3) && rowOpen(39));
        f.choose("Combo11", 1);
        QVERIFY(rowClosed(0));
        QVERIFY(rowOpen(1) && rowOpen(2) && rowOpen(3));
        QCOMPARE(f.editor->state().transparentIntervals, 1);
    }

    void loadInputNotUsedCopiesTheLastColumn() {
        EditorFixture f;
        for (int r = 0; r < 40; ++r)
            f.cell(r, 5)->setText(QString::number(r + 1) + ".0");
        f.cell(4, 2)->setText("33.0");
        f.choose("Combo11", 2);
        const int redrawsBefore = f.redraws;
        f.click("Option2");
        for (int r = 0; r < 40; ++r)
            for (int c = 0; c < 5; ++c) {
                QCOMPARE(f.cell(r, c)->text(), QString::number(r + 1) + ".0");
                QVERIFY(!f.cell(r, c)->isEnabled());
            }
        QVERIFY(!f.cell(1, 5)->isEnabled());
        QVERIFY(f.cell(2, 5)->isEnabled());
        QCOMPARE(f.redraws, redrawsBefore + 1);
        auto* chooser = f.named<QComboBox>("Combo8");
        QVERIFY(!chooser->isEnabled());
        QCOMPARE(chooser->currentIndex(), 5);
        QCOMPARE(f.editor->state().selectedColumn, 5);

        f.click("Option1");
        QVERIFY(chooser->isEnabled());
        QVERIFY(f.cell(2, 0)->isEnabled());
        QVERIFY(!f.cell(1, 0)->isEnabled());
        QCOMPARE(f.cell(4, 2)->text(), QStringLiteral("5.0"));
    }

    void newShapeOpensEveryCellAgain() {
        EditorFixture f;
        f.choose("Combo6", 4);
        f.click("Option2");
        f.choose("Combo6", 1);
        for (int r = 0; r < 60; ++r)
            for (int c = 0; c < 4; ++c)
                QVERIFY(f.cell(r, c)->isEnabled());
    }

    void cutLevelsStayOrdered() {
        EditorFixture f;
        const QList<int> start{0, 0, 2, 3, 3};
        for (int r = 0; r < start.size(); ++r)
            f.chooseCutLevel(r, start[r]);
        f.chooseCutLevel(3, 1);
        const QList<int> expected{0, 0, 1, 1, 3};
        for (int r = 0; r < expected.size(); ++r)
            QCOMPARE(f.cutCombo(r)->currentIndex(), expected[r]);
        QCOMPARE(f.cutCombo(3)->currentText(), QStringLiteral("25%"));
    }

    void scrollBarMovesTheRows() {
        EditorFixture f;
        f.choose("Combo6", 1);
        auto* bar = f.named<QScrollBar>("VScroll");
        QCOMPARE(bar->maximum(), 12240);
        bar->setValue(12240);
        QCOMPARE(f.named<QWidget>("Picture1")->y(), Twips::toPixels(-12240));
        QCOMPARE(f.rowLabel(34)->mapTo(f.named<QWidget>("Frame1"), QPoint()).y(), 0);
        // Fewer rows: the position is kept within the new range.
        f.choose("Combo6", 2);
        QCOMPARE(bar->value(), 5040);
        QCOMPARE(f.named<QWidget>("Picture1")->y(), Twips::toPixels(-5040));
    }

    void handlersWaitForTheDocument() {
        EditorFixture f;
        f.form.documentReady = false;
        f.choose("Combo6", 4);
        f.choose("Combo11", 5);
        f.click("Option2");
        QCOMPARE(f.editor->state().rowCount, 40);
        QCOMPARE(f.editor->state().transparentIntervals, 0);
        QVERIFY(f.editor->state().loadInputUsed);
        QVERIFY(f.cell(0, 0)->isEnabled());
    }

    void loadedDocumentIsLaidOutAndCollectedBack_data() {
        QTest::addColumn<QString>("separator");
        QTest::newRow(".") << ".";
        QTest::newRow(",") << ",";
    }
    void loadedDocumentIsLaidOutAndCollectedBack() {
        QFETCH(QString, separator);
        EditorFixture f(separator);
        MapDocument doc = MapDocument::startupDefaults(separator);
        doc.resolution = 2;
        doc.loadUnit = 2;
        doc.mapMaxPressure = "2" + separator + "5";
        doc.transparentIntervals = 2;
        doc.loadInputUsed = false;
        for (int c = 0; c < 6; ++c)
            doc.cells[3][c] = "12" + separator + "5";
        doc.revCutLevel[39] = 3;
        doc.rpmBreakpoints[0] = 700;
        f.choose("Combo6", 3); // a different shape before the load
        f.form.documentReady = false;
        f.editor->applyDocument(doc);
        f.editor->applyLoadedLayout();

        QVERIFY(f.form.documentReady);
        QCOMPARE(f.editor->state().rowCount, 40);
        QCOMPARE(f.rowLabel(0)->text(), QStringLiteral("700"));
        QVERIFY(!f.rowLabel(40)->isVisibleTo(&f.window));
        const QStringList bar{"1.00", "1.20", "1.45", "1.75", "2.10", "2.50"};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(f.header(i)->text(), f.number(bar[i]));
        QCOMPARE(f.named<QLineEdit>("Text18")->text(), doc.mapMaxPressure);
        QVERIFY(f.named<QLineEdit>("Text18")->isEnabled());
        QVERIFY(!f.cell(1, 5)->isEnabled());
        QVERIFY(f.cell(2, 5)->isEnabled());
        QVERIFY(!f.cell(2, 4)->isEnabled());
        QCOMPARE(f.named<QComboBox>("Combo8")->currentIndex(), 5);
        QCOMPARE(f.cutCombo(3)->x(), Twips::toPixels(3600));

        MapDocument collected = MapDocument::startupDefaults(separator);
        f.editor->collectInto(collected);
        QCOMPARE(collected.resolution, doc.resolution);
        QVERIFY(collected == doc);
    }
};

QTEST_MAIN(GridEditorTest)
#include "tst_grid_editor.moc"
