#include "editor_fixture.h"

namespace {
QStringList itemsOf(QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}
} // namespace

class LoadUnitsTest : public QObject {
    Q_OBJECT
private slots:
    void headersFollowTheUnit_data() {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<QString>("mapField");
        for (const QString sep : {".", ","}) {
            QTest::addRow("V %s", qPrintable(sep))
                << sep << 0 << QStringList{"2.00", "2.40", "2.90", "3.50", "4.20", "5.00"} << "";
            QTest::addRow("%% %s", qPrintable(sep))
                << sep << 1 << QStringList{"40%", "48%", "58%", "70%", "84%", "100%"} << "";
            QTest::addRow("Bar %s", qPrintable(sep))
                << sep << 2 << QStringList{"0.40", "0.48", "0.58", "0.70", "0.84", "1.00"} << "1.0";
        }
    }
    void headersFollowTheUnit() {
        QFETCH(QString, separator);
        QFETCH(int, unit);
        QFETCH(QStringList, headers);
        QFETCH(QString, mapField);
        EditorFixture f(separator);
        f.choose("Combo5", 2);
        f.named<QLineEdit>("Text18")->setText(f.number("2.5"));
        f.choose("Combo5", unit == 2 ? 1 : unit);
        f.choose("Combo5", unit); // back to bar resets the MAP maximum to 1.0
        QStringList expected;
        for (const QString& h : headers)
            expected << f.number(h);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(f.header(i)->text(), expected[i]);
        QCOMPARE(itemsOf(f.named<QComboBox>("Combo8")), expected);
        auto* field = f.named<QLineEdit>("Text18");
        QCOMPARE(field->text(), f.number(mapField));
        QCOMPARE(field->isEnabled(), unit == 2);
        QCOMPARE(f.editor->state().appliedLoadUnit, unit);
    }

    void mapMaximumIsCheckedAndRelabels_data() {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("prompts");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("lastHeader");
        const QString low = "Effective range lower limit of MAP sensor is 1 Bar! Type again!";
        const QString high = "Effective range upper limit of MAP sensor is 10 Bar! Type again!";
        const QString empty = "It is necessary to set effective range upper limit of MAP sensor! "
                              "In case of MAP sensor produced for Atmosferic Engine: 1 Bar! Type again!";
        for (const QString sep : {".", ","}) {
            auto n = [&](QString t) { return t.replace('#', sep); };
            QTest::addRow("2.5 %s", qPrintable(sep))
                << sep << n("2#5") << QStringList{} << QStringList{} << n("2#5") << n("2#50");
            QTest::addRow("too low, too high %s", qPrintable(sep))
                << sep << n("0#5") << QStringList{"12", "10"} << QStringList{low, high} << n("10#0")
                << n("10#00");
            QTest::addRow("empty %s", qPrintable(sep))
                << sep << "" << QStringList{"", n("1#5")} << QStringList{empty, empty} << n("1#5")
                << n("1#50");
            QTest::addRow("not a number %s", qPrintable(sep))
                << sep << "a" << QStringList{"3"}
                << QStringList{"Effective range upper limit of MAP sensor must be number! Type again!"}
                << n("3#0") << n("3#00");
            QTest::addRow("other separator %s", qPrintable(sep))
                << sep << QString("2%15").arg(sep == "." ? "," : ".") << QStringList{"2"}
                << QStringList{sep == "." ? "Only decimal point is allowed, not decimal comma!"
                                          : "Only decimal comma is allowed, not decimal point!"}
                << n("2#0") << n("2#00");
        }
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
        QTest::mouseClick(field, Qt::LeftButton);
        field->setText(typed);
        for (const QString& answer : answers)
            f.dialogs.answerInput(answer);
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(field->text(), shown);
        QCOMPARE(f.dialogs.calls().size(), prompts.size());
        for (int i = 0; i < prompts.size(); ++i) {
            QCOMPARE(f.dialogs.calls()[i].text, prompts[i]);
            QCOMPARE(f.dialogs.calls()[i].title, QStringLiteral("Attention!"));
        }
        QCOMPARE(f.header(5)->text(), lastHeader);
        QCOMPARE(f.named<QComboBox>("Combo8")->itemText(5), lastHeader);
        // Leaving the field checks again; the value passes without asking.
        f.cell(0, 0)->setFocus();
        QCOMPARE(f.dialogs.calls().size(), prompts.size());
    }

    void escapeRestoresTheMapMaximum() {
        EditorFixture f;
        QVERIFY(f.activate());
        f.choose("Combo5", 2);
        auto* field = f.named<QLineEdit>("Text18");
        QTest::mouseClick(field, Qt::LeftButton);
        QCOMPARE(field->selectedText(), QStringLiteral("1.0"));
        field->setText("7");
        QTest::keyClick(field, Qt::Key_Escape);
        QCOMPARE(field->text(), QStringLiteral("1.0"));
    }

    void choosingTheAppliedUnitChangesNothing() {
        EditorFixture f;
        f.choose("Combo5", 2);
        f.named<QLineEdit>("Text18")->setText("2.5");
        f.choose("Combo5", 2);
        QCOMPARE(f.named<QLineEdit>("Text18")->text(), QStringLiteral("2.5"));
    }

    void chooserStaysOnTheLastColumnWithoutLoadInput() {
        EditorFixture f;
        f.click("Option2");
        auto* chooser = f.named<QComboBox>("Combo8");
        for (int unit : {1, 2, 0}) {
            f.choose("Combo5", unit);
            QCOMPARE(chooser->currentIndex(), 5);
            QCOMPARE(f.editor->state().selectedColumn, 5);
        }
        f.click("Option1");
        f.choose("Combo8", 2);
        f.choose("Combo5", 1);
        QCOMPARE(chooser->currentIndex(), 2);
        QCOMPARE(f.editor->state().selectedColumn, 2);
    }
};

QTEST_MAIN(LoadUnitsTest)
#include "tst_load_units.moc"
