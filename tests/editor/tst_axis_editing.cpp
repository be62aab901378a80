#include "editor_fixture.h"

#include <QLabel>

namespace {
const QColor kDarkRed(192, 0, 0);

QColor textColour(const QWidget* w) { return w->palette().color(QPalette::Text); }
QColor background(const QWidget* w) { return w->palette().color(QPalette::Base); }
QColor lockedBackground(EditorFixture& f) {
    return f.named<QLabel>("Label100")->palette().color(QPalette::Window);
}

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
    void rpmAxisEditedAfterTheNotice() {
        EditorFixture f;
        toggleAxis(f, true, true);

        const LanguageTexts& t = f.texts;
        QCOMPARE(f.dialogs.lastCall().text,
                 t.message("RpmEditInfoMessage") + "\r\n\r\n" + t.message("RpmLockedMessage"));
        QCOMPARE(f.dialogs.lastCall().title, t.message("BreakpointEditTitle"));
        QCOMPARE(f.caption("Command5"), QStringLiteral("RPM OK"));
        QVERIFY(!f.rowLabel(39)->isReadOnly() && f.rowLabel(40)->isReadOnly());
        QCOMPARE(textColour(f.rowLabel(39)), kDarkRed);
        f.rowLabel(0)->setText("600");
        f.rowLabel(1)->setText("0790");
        f.rowLabel(39)->setText("32767");
        const int redraws = f.redraws;

        toggleAxis(f, true, false);

        QCOMPARE(f.dialogs.calls().size(), 1); // the notice only
        const auto& rpm = f.editor->state().rpmBreakpoints;
        QCOMPARE(QList<int>({rpm[0], rpm[1], rpm[2], rpm[39]}), QList<int>({600, 790, 900, 32767}));
        QCOMPARE(f.rowLabel(1)->text(), QStringLiteral("0790")); // the text stays as typed
        QCOMPARE(f.redraws, redraws + 1);
        QVERIFY(f.rowLabel(39)->isReadOnly());
        QCOMPARE(background(f.rowLabel(39)), lockedBackground(f));
        QCOMPARE(f.caption("Command5"), QStringLiteral("RPM"));
    }

    // A refused axis stays in editing with every text as typed; nothing is taken over.
    void axisRefused_data() {
        QTest::addColumn<bool>("rpm");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<Typed>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("RPM repeated") << true << "." << Typed{{1, "800"}, {2, "800"}}
                                      << "The 3. RPM value (800) is not higher than the 2. (800)!";
        QTest::newRow("RPM last row") << true << "." << Typed{{39, "40000"}}
                                      << "The 40. RPM value (40000) is not number!";
        QTest::newRow("MAP last editable at 5 V")
            << false << "," << Typed{{4, "5"}} << "The 6. Voltage value (5#00) is not higher than the 5. (5)!";
        QTest::newRow("MAP point where commas are written")
            << false << "," << Typed{{0, "2.5"}}
            << "The 1. Voltage value (2.5) must have decimal comma, not decimal point!";
    }
    void axisRefused() {
        QFETCH(bool, rpm);
        QFETCH(QString, separator);
        QFETCH(Typed, typed);
        QFETCH(QString, expected);
        EditorFixture f(separator);
        const GridState before = f.editor->state();
        toggleAxis(f, rpm, true);
        const auto field = [&](int i) { return rpm ? f.rowLabel(i) : f.header(i); };
        for (auto it = typed.cbegin(); it != typed.cend(); ++it)
            field(it.key())->setText(it.value());
        const int redraws = f.redraws;

        f.dialogs.answerMessage(Dialogs::Answer::Ok);
        toggleAxis(f, rpm, false);

        QCOMPARE(f.dialogs.lastCall().text, f.number(expected));
        QCOMPARE(f.dialogs.lastCall().title, QStringLiteral("Error!"));
        QCOMPARE(f.caption(rpm ? "Command5" : "Command10"), QLatin1String(rpm ? "RPM OK" : "MAP OK"));
        for (auto it = typed.cbegin(); it != typed.cend(); ++it)
            QVERIFY(field(it.key())->text() == it.value() && !field(it.key())->isReadOnly());
        QVERIFY(!f.enabled("Combo6"));
        QVERIFY(f.editor->state().rpmBreakpoints == before.rpmBreakpoints);
        QVERIFY(f.editor->state().loadBreakpoints == before.loadBreakpoints);
        QCOMPARE(f.redraws, redraws);
    }

    // Editing the MAP axis shows volts whatever the unit; the accepted axis stays in volts.
    void loadAxisEditedInVolts() {
        EditorFixture f(",");
        f.choose("Combo5", 2);
        f.click("Command10");

        QCOMPARE(f.named<QComboBox>("Combo5")->currentIndex(), 0);
        QVERIFY(!f.enabled("Combo5") && !f.enabled("Text18") && !f.enabled("Command5"));
        QCOMPARE(f.named<QLineEdit>("Text18")->text(), QString());
        QCOMPARE(f.header(0)->text() + f.header(5)->text(), f.number("2#005#00"));
        QCOMPARE(textColour(f.header(0)), kDarkRed);
        QVERIFY(!f.header(4)->isReadOnly() && f.header(5)->isReadOnly());
        QCOMPARE(f.caption("Command10"), QStringLiteral("MAP OK"));

        f.header(0)->setText(f.number("3#1"));
        f.header(1)->setText(f.number("3#2"));
        f.header(2)->setText(f.number("3#255"));
        f.header(4)->setText("4");
        const int redraws = f.redraws;
        f.click("Command10");

        QVERIFY(f.dialogs.calls().isEmpty());
        const QStringList shown{"3#10", "3#20", "3#26", "3#50", "4#00", "5#00"};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(f.header(i)->text(), f.number(shown[i]));
            QCOMPARE(f.named<QComboBox>("Combo8")->itemText(i), f.number(shown[i]));
        }
        QCOMPARE(f.editor->state().loadBreakpoints[3], 3.26);
        QVERIFY(f.header(0)->isReadOnly() && background(f.header(0)) == lockedBackground(f));
        QCOMPARE(f.redraws, redraws + 1);
        QCOMPARE(f.caption("Command10"), QStringLiteral("MAP"));
        QVERIFY(f.enabled("Combo5") && f.enabled("Command5"));
    }

    // While an axis is edited the other editing controls are off; finishing restores
    // exactly the state from before, transparent rows and the load input rule included.
    void editingControlsRestored_data() {
        QTest::addColumn<bool>("rpm");
        QTest::addColumn<int>("resolution");
        QTest::addColumn<bool>("loadInputUsed");
        QTest::addColumn<int>("transparent");
        QTest::newRow("RPM 40 x 6 used, transparent rows") << true << 2 << true << 3;
        QTest::newRow("RPM 60 x 1, transparent rows") << true << 0 << false << 4;
        QTest::newRow("MAP 30 x 8 not used, transparent rows") << false << 3 << false << 2;
    }
    void editingControlsRestored() {
        QFETCH(bool, rpm);
        QFETCH(int, resolution);
        QFETCH(bool, loadInputUsed);
        QFETCH(int, transparent);
        EditorFixture f;
        f.choose("Combo6", resolution);
        if (!loadInputUsed && resolution != 0)
            f.click("Option2");
        f.choose("Combo11", transparent);
        const QMap<QString, bool> before = enabledStates(f);

        toggleAxis(f, rpm, true);

        const QMap<QString, bool> during = enabledStates(f);
        for (int r = 0; r < f.editor->state().rowCount; ++r) {
            QVERIFY(!during[f.cutCombo(r)->objectName()]);
            for (int c = 0; c < f.editor->state().columnCount; ++c)
                QVERIFY(!during[f.cell(r, c)->objectName()]);
        }
        for (const char* name : {"Combo11", "Combo6", "Option1", "Option2", "Command1", "Command2",
                                 "Command3", "Command4", "Combo8", "Command8", "Command9"})
            QVERIFY2(!during[name], name);
        QCOMPARE(QList<bool>({during["Combo12"], during["Command5"], during["Command10"], during["Combo5"]}),
                 QList<bool>({true, rpm, !rpm, rpm}));

        toggleAxis(f, rpm, false);

        QCOMPARE(enabledStates(f), before);
    }
};

QTEST_MAIN(AxisEditingTest)
#include "tst_axis_editing.moc"
