#include "editor_fixture.h"

namespace {
// The RPM axis opens after a notice, the MAP axis at once; the same button finishes.
void toggleAxis(EditorFixture& f, bool rpm, bool starting) {
    if (rpm && starting)
        f.dialogs.answerMessage(Dialogs::Answer::Ok);
    f.click(rpm ? "Command5" : "Command10");
}

// Whether each named control of the window is enabled.
QMap<QString, bool> enabledStates(EditorFixture& f) {
    QMap<QString, bool> states;
    for (const QWidget* w : f.window.findChildren<QWidget*>())
        if (!w->objectName().isEmpty())
            states[w->objectName()] = w->isEnabled();
    return states;
}
} // namespace

class AxisEditingTest : public QObject {
    Q_OBJECT
  private slots:
    // An axis opens for editing (the RPM axis after a notice; the MAP axis in volts
    // whatever the unit). Finishing either takes it over (fields locked again, one
    // redraw) or refuses it with one message, every text kept as typed and nothing
    // taken over.
    void axisEdited_data() {
        QTest::addColumn<bool>("rpm");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<Typed>("typed");
        QTest::addColumn<QString>("outcome"); // the refusal, or the axis as taken over
        QTest::newRow("RPM taken over")
            << true << "." << Typed{{0, "600"}, {1, "0790"}, {39, "32767"}} << "600 790 900 32767";
        QTest::newRow("RPM last row")
            << true << "." << Typed{{39, "40000"}} << "The 40. RPM value (40000) is not number!";
        QTest::newRow("MAP taken over in volts")
            << false << "," << Typed{{0, "3#1"}, {1, "3#2"}, {2, "3#255"}, {4, "4"}}
            << "3#10 3#20 3#26 3#50 4#00 5#00";
        QTest::newRow("MAP last editable at 5 V")
            << false << "," << Typed{{4, "5"}}
            << "The 6. Voltage value (5#00) is not higher than the 5. (5)!";
    }
    void axisEdited() {
        QFETCH(bool, rpm);
        QFETCH(QString, separator);
        QFETCH(Typed, typed);
        QFETCH(QString, outcome);
        EditorFixture f(separator);
        f.choose("Combo5", 2);
        const GridState before = f.editor->state();
        const auto field = [&](int i) { return rpm ? f.rowLabel(i) : f.header(i); };
        const char* button = rpm ? "Command5" : "Command10";
        toggleAxis(f, rpm, true);

        QCOMPARE(f.caption(button), QLatin1String(rpm ? "RPM OK" : "MAP OK"));
        const int lastEditable = rpm ? 39 : 4;
        QVERIFY(!field(lastEditable)->isReadOnly() && field(lastEditable + 1)->isReadOnly());
        if (rpm)
            QCOMPARE(f.dialogs.lastCall().text, f.texts.message("RpmEditInfoMessage") + "\r\n\r\n" +
                                                    f.texts.message("RpmLockedMessage"));
        else
            QVERIFY(f.named<QComboBox>("Combo5")->currentIndex() == 0 &&
                    f.named<QLineEdit>("Text18")->text().isEmpty());
        for (auto it = typed.cbegin(); it != typed.cend(); ++it)
            field(it.key())->setText(f.number(it.value()));
        const int redraws = f.redraws;
        const bool refused = outcome.startsWith("The ");
        if (refused)
            f.dialogs.answerMessage(Dialogs::Answer::Ok);

        toggleAxis(f, rpm, false);

        if (refused) {
            QCOMPARE(f.dialogs.lastCall().text, f.number(outcome));
            QCOMPARE(f.caption(button), QLatin1String(rpm ? "RPM OK" : "MAP OK"));
            for (auto it = typed.cbegin(); it != typed.cend(); ++it)
                QVERIFY(field(it.key())->text() == f.number(it.value()) &&
                        !field(it.key())->isReadOnly());
            QVERIFY(f.editor->state().rpmBreakpoints == before.rpmBreakpoints);
            QVERIFY(f.editor->state().loadBreakpoints == before.loadBreakpoints);
            QCOMPARE(f.redraws, redraws);
            return;
        }
        QStringList values;
        for (int i : rpm ? QList<int>{0, 1, 2, 39} : QList<int>{0, 1, 2, 3, 4, 5})
            values << (rpm ? QString::number(f.editor->state().rpmBreakpoints[i])
                           : f.named<QComboBox>("Combo8")->itemText(i));
        QCOMPARE(values.join(' '), f.number(outcome));
        QVERIFY(!rpm || f.rowLabel(1)->text() == "0790"); // the text stays as typed
        QCOMPARE(f.redraws, redraws + 1);
        QVERIFY(field(0)->isReadOnly());
        QCOMPARE(f.caption(button), QLatin1String(rpm ? "RPM" : "MAP"));
    }

    // While an axis is edited the other editing controls are off; finishing restores
    // exactly the state from before, transparent rows and the load input rule included.
    void editingControlsRestored_data() {
        QTest::addColumn<bool>("rpm");
        QTest::addColumn<int>("resolution");
        QTest::newRow("MAP 30 x 8, load input not used") << false << 3;
    }
    void editingControlsRestored() {
        QFETCH(bool, rpm);
        QFETCH(int, resolution);
        EditorFixture f;
        f.choose("Combo6", resolution);
        if (!rpm)
            f.click("Option2");
        f.choose("Combo11", 3);
        const QMap<QString, bool> before = enabledStates(f);

        toggleAxis(f, rpm, true);

        const QMap<QString, bool> during = enabledStates(f);
        for (int r = 0; r < f.editor->state().rowCount; ++r)
            QVERIFY(!during[f.cutCombo(r)->objectName()] && !during[f.cell(r, 0)->objectName()]);
        QVERIFY(!during["Combo6"] && !during["Command1"] && !during["Command8"]);
        QCOMPARE(QList<bool>({during["Combo12"], during["Command5"], during["Command10"],
                              during["Combo5"]}),
                 QList<bool>({true, rpm, !rpm, rpm}));

        toggleAxis(f, rpm, false);

        QCOMPARE(enabledStates(f), before);
    }
};

QTEST_MAIN(AxisEditingTest)
#include "tst_axis_editing.moc"
