#include "editor_fixture.h"

class LoadUnitsTest : public QObject {
    Q_OBJECT
private slots:
    void mapMaximumIsCheckedAndRelabels_data() {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("prompts");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("lastHeader");
        const QString empty = "It is necessary to set effective range upper limit of MAP sensor! "
                              "In case of MAP sensor produced for Atmosferic Engine: 1 Bar! Type again!";
        QTest::newRow("accepted") << "," << "2#5" << QStringList{} << QStringList{} << "2#5" << "2#50";
        QTest::newRow("too low, too high")
            << "." << "0#5" << QStringList{"12", "10"}
            << QStringList{"Effective range lower limit of MAP sensor is 1 Bar! Type again!",
                           "Effective range upper limit of MAP sensor is 10 Bar! Type again!"}
            << "10#0" << "10#00";
        QTest::newRow("cancel keeps asking")
            << "," << "" << QStringList{"", "1#5"} << QStringList{empty, empty} << "1#5" << "1#50";
    }
    void mapMaximumIsCheckedAndRelabels() {
        QFETCH(QString, separator);
        QFETCH(QString, typed);
        QFETCH(QStringList, answers);
        QFETCH(QStringList, prompts);
        QFETCH(QString, shown);
        QFETCH(QString, lastHeader);
        EditorFixture f(separator);
        QVERIFY(f.activate());
        f.choose("Combo5", 2);
        auto* field = f.named<QLineEdit>("Text18");
        for (const QString& answer : answers)
            f.dialogs.answerInput(f.number(answer));
        f.type(field, f.number(typed), Qt::Key_Return);
        QCOMPARE(f.dialogs.calls().size(), prompts.size());
        for (int i = 0; i < prompts.size(); ++i)
            QCOMPARE(f.dialogs.calls()[i].text, prompts[i]);
        QCOMPARE(field->text(), f.number(shown));
        QCOMPARE(f.header(5)->text(), f.number(lastHeader));
        QCOMPARE(f.named<QComboBox>("Combo8")->itemText(5), f.number(lastHeader));
        // Leaving the field checks again; the value passes without asking.
        f.cell(0, 0)->setFocus();
        QCOMPARE(f.dialogs.calls().size(), prompts.size());
        // Escape brings back the text the field was entered with.
        f.type(field, "7", Qt::Key_Escape);
        QCOMPARE(field->text(), f.number(shown));
        // Choosing the unit already applied changes nothing.
        f.choose("Combo5", 2);
        QCOMPARE(f.header(5)->text(), f.number(lastHeader));
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
