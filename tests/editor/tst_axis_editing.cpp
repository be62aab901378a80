#include "editor_fixture.h"

namespace {
struct Axis {
    bool rpm;
    QString separator;
    Typed typed;
    QString outcome; // the refusal, or the axis as taken over
};

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
    // whatever the unit) with the other editing controls off. Finishing either takes it
    // over (fields locked again, one redraw, every control as before, transparent rows and
    // the load input rule included) or refuses it with one message, every text kept as
    // typed and nothing taken over.
    void axisEdited_data() {
        QTest::addColumn<Axis>("axis");
        QTest::newRow("RPM taken over")
            << Axis{true, ".", {{0, "600"}, {1, "0790"}, {39, "32767"}}, "600 790 900 32767"};
        QTest::newRow("RPM last row")
            << Axis{true, ".", {{39, "40000"}}, "The 40. RPM value (40000) is not number!"};
        const Typed volts{{0, "3#1"}, {1, "3#2"}, {2, "3#255"}, {4, "4"}};
        QTest::newRow("MAP taken over in volts")
            << Axis{false, ",", volts, "3#10 3#20 3#26 3#50 4#00 5#00"};
    }
    void axisEdited() {
        QFETCH(Axis, axis);
        const auto& [rpm, separator, typed, outcome] = axis;
        EditorFixture f(separator);
        f.choose("Combo5", 2);
        f.choose("Combo11", 3);
        f.click("Option2");
        QMap<QString, bool> controls = enabledStates(f);
        QVERIFY(controls["Combo9(3)"] && controls["Text6(3)"]);
        controls["Text18"] = rpm; // the MAP axis is taken over in volts, without a maximum
        const auto field = [&f, rpm = rpm](int i) { return rpm ? f.rowLabel(i) : f.header(i); };
        const auto held = [&f, rpm = rpm] { // the axis the table works with
            QStringList values;
            for (int i : rpm ? QList<int>{0, 1, 2, 39} : QList<int>{0, 1, 2, 3, 4, 5})
                values << (rpm ? QString::number(f.document.rpmBreakpoints[i])
                               : f.named<QComboBox>("Combo8")->itemText(i));
            return values.join(' ');
        };
        const QString before = held();
        auto* button = f.named<QPushButton>(rpm ? "Command5" : "Command10");
        const QString caption = button->text();
        if (rpm)
            f.dialogs.answerMessage(Dialogs::Answer::Ok);
        button->click();

        QCOMPARE(button->text(), caption + " OK");
        compareStates(&f.window, "Combo9(3):disabled Text6(3):disabled Combo6:disabled "
                                 "Command1:disabled Command8:disabled Combo12:shown");
        QVERIFY(!field(rpm ? 39 : 4)->isReadOnly() && field(rpm ? 40 : 5)->isReadOnly());
        if (rpm)
            QCOMPARE(f.dialogs.lastCall().text, f.texts.message(MessageId::RpmEditInfoMessage) +
                                                    "\r\n\r\n" +
                                                    f.texts.message(MessageId::RpmLockedMessage));
        else
            QVERIFY(f.named<QComboBox>("Combo5")->currentIndex() == 0 &&
                    f.named<QLineEdit>("Text18")->text().isEmpty());
        for (auto it = typed.cbegin(); it != typed.cend(); ++it)
            field(it.key())->setText(f.number(it.value()));
        const int redraws = f.redraws;
        const bool refused = outcome.startsWith("The ");
        if (refused)
            f.dialogs.answerMessage(Dialogs::Answer::Ok);

        button->click();

        if (refused)
            QCOMPARE(f.dialogs.lastCall().text, f.number(outcome));
        QCOMPARE(held(), refused ? before : f.number(outcome));
        QCOMPARE(button->text(), refused ? caption + " OK" : caption);
        QCOMPARE(f.redraws, redraws + (refused ? 0 : 1));
        QCOMPARE(field(0)->isReadOnly(), !refused);
        if (!refused)
            QCOMPARE(enabledStates(f), controls);
        for (auto it = typed.cbegin(); rpm && it != typed.cend(); ++it)
            QCOMPARE(field(it.key())->text(), it.value()); // kept as typed
    }
};

QTEST_MAIN(AxisEditingTest)
#include "tst_axis_editing.moc"
