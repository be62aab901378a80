#include "editor_fixture.h"

class LoadUnitsTest : public QObject {
    Q_OBJECT
  private slots:
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
        QStringList asked;
        for (const auto& call : f.dialogs.calls())
            asked << call.text.section('!', 0, 0);
        QCOMPARE(asked,
                 (QStringList{"Effective range lower limit of MAP sensor is 1 Bar",
                              "It is necessary to set effective range upper limit of MAP sensor",
                              "Effective range upper limit of MAP sensor is 10 Bar"}));
        QCOMPARE(field->text(), QStringLiteral("10,0"));
        QCOMPARE(f.header(5)->text() + " " + f.named<QComboBox>("Combo8")->itemText(5),
                 QStringLiteral("10,00 10,00"));
        // Leaving the field checks again; the value passes without asking.
        f.cell(0, 0)->setFocus();
        QCOMPARE(f.dialogs.calls().size(), 3);
        // Escape brings back the text the field was entered with.
        f.type(field, "7", Qt::Key_Escape);
        QCOMPARE(field->text(), QStringLiteral("10,0"));
        // Choosing the unit already applied changes nothing.
        f.choose("Combo5", 2);
        QCOMPARE(f.header(5)->text(), QStringLiteral("10,00"));
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

QTEST_MAIN(LoadUnitsTest)
#include "tst_load_units.moc"
