#include "editor_fixture.h"

#include <QLabel>
#include <QMap>

namespace {
const QColor kDarkRed(192, 0, 0);
const QString kNotice =
    "This function is only to set RPM values of the 'Ignition Values' table according to "
    "the specific Ignition Controller!\r\n\r\nRPM values burnt into the Ignition Controller "
    "can not be modified by user!";

QColor textColour(const QWidget* w) {
    return w->palette().color(QPalette::Text);
}
QColor background(const QWidget* w) {
    return w->palette().color(QPalette::Base);
}

// Every control whose enabled state an axis edit may touch, plus one of the settings
// panel, which it must not.
QMap<QString, bool> enabledStates(EditorFixture& f) {
    QMap<QString, bool> states;
    for (int r = 0; r < 60; ++r) {
        states[arrayName("Combo9", r)] = f.cutCombo(r)->isEnabled();
        for (int c = 0; c < 12; ++c)
            states[f.cell(r, c)->objectName()] = f.cell(r, c)->isEnabled();
    }
    for (const char* name :
         {"Combo11", "Combo6", "Option1", "Option2", "Command1", "Command2", "Command3", "Command4",
          "Combo8", "Command8", "Command9", "Command5", "Command10", "Combo5", "Text18", "Combo12"})
        states[name] = f.named<QWidget>(QLatin1String(name))->isEnabled();
    return states;
}

// Typed texts by row (or column) index; "#" stands for the locale's separator and "@"
// for the other one.
using Typed = QMap<int, QString>;

QString inLocale(QString text, const FormState& form) {
    return text.replace('#', form.decimalSeparator).replace('@', form.otherSeparator);
}

void startRpmEditing(EditorFixture& f) {
    f.dialogs.answerMessage(Dialogs::Answer::Ok);
    f.click("Command5");
}
} // namespace

class AxisEditingTest : public QObject {
    Q_OBJECT
  private slots:
    void rpmEditingStartsAfterTheNotice_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("editingCaption");
        QTest::newRow("English") << Language::English << "RPM OK";
        QTest::newRow("Hungarian") << Language::Hungarian << "RPM kész";
    }
    void rpmEditingStartsAfterTheNotice() {
        QFETCH(Language, language);
        QFETCH(QString, editingCaption);
        EditorFixture f;
        f.texts.setLanguage(language);
        const QColor cellBackground = background(f.cell(0, 0));

        startRpmEditing(f);

        QCOMPARE(f.dialogs.calls().size(), 1);
        const LanguageTexts& t = f.texts;
        QCOMPARE(f.dialogs.lastCall().text,
                 t.message("RpmEditInfoMessage") + "\r\n\r\n" + t.message("RpmLockedMessage"));
        QCOMPARE(f.dialogs.lastCall().title, t.message("BreakpointEditTitle"));
        QCOMPARE(f.dialogs.lastCall().buttons, Dialogs::Buttons::Ok);
        if (language == Language::English) {
            QCOMPARE(f.dialogs.lastCall().text, kNotice);
            QCOMPARE(f.dialogs.lastCall().title, QStringLiteral("Attention!"));
        }
        QCOMPARE(f.named<QPushButton>("Command5")->text(), editingCaption);
        QVERIFY(f.named<QPushButton>("Command5")->isEnabled());
        QVERIFY(!f.named<QPushButton>("Command10")->isEnabled());
        for (int r = 0; r < 40; ++r) {
            QVERIFY(!f.rowLabel(r)->isReadOnly());
            QCOMPARE(textColour(f.rowLabel(r)), kDarkRed);
            QCOMPARE(background(f.rowLabel(r)), cellBackground);
        }
        QVERIFY(f.rowLabel(40)->isReadOnly());

        // The edit caption is not the normal one: the next press finishes the editing.
        f.click("Command5");
        QCOMPARE(f.dialogs.calls().size(), 1);
        QCOMPARE(f.named<QPushButton>("Command5")->text(), QStringLiteral("RPM"));
        QVERIFY(f.rowLabel(0)->isReadOnly());
    }

    void rpmAxisRefused_data() {
        QTest::addColumn<Typed>("rows");
        QTest::addColumn<QString>("expected");
        QTest::newRow("repeated value")
            << Typed{{0, "650"}, {1, "800"}, {2, "800"}}
            << "The 3. RPM value (800) is not higher than the 2. (800)!";
        QTest::newRow("first too low")
            << Typed{{0, "550"}} << "The first RPM value(550) can not be less than 600!";
        QTest::newRow("first zero")
            << Typed{{0, "0"}} << "The 1. RPM value (0) is not higher than zero!";
        QTest::newRow("letter") << Typed{{4, "7a0"}} << "The 5. RPM value (7a0) is not number!";
        QTest::newRow("empty") << Typed{{6, ""}} << "The 7. RPM value () is not number!";
        QTest::newRow("beyond 16 bits")
            << Typed{{39, "40000"}} << "The 40. RPM value (40000) is not number!";
    }
    void rpmAxisRefused() {
        QFETCH(Typed, rows);
        QFETCH(QString, expected);
        EditorFixture f;
        const auto before = f.editor->state().rpmBreakpoints;
        startRpmEditing(f);
        for (auto it = rows.cbegin(); it != rows.cend(); ++it)
            f.rowLabel(it.key())->setText(it.value());
        const int redraws = f.redraws;

        f.dialogs.answerMessage(Dialogs::Answer::Ok);
        f.click("Command5");

        QCOMPARE(f.dialogs.lastCall().text, expected);
        QCOMPARE(f.dialogs.lastCall().title, QStringLiteral("Error!"));
        QCOMPARE(f.dialogs.lastCall().buttons, Dialogs::Buttons::Ok);
        // The mode stays on with every text as typed, and nothing was taken over.
        QCOMPARE(f.named<QPushButton>("Command5")->text(), QStringLiteral("RPM OK"));
        for (auto it = rows.cbegin(); it != rows.cend(); ++it) {
            QCOMPARE(f.rowLabel(it.key())->text(), it.value());
            QVERIFY(!f.rowLabel(it.key())->isReadOnly());
        }
        QVERIFY(!f.named<QComboBox>("Combo6")->isEnabled());
        QVERIFY(f.editor->state().rpmBreakpoints == before);
        QCOMPARE(f.redraws, redraws);
    }

    void rpmAxisTakenOver() {
        EditorFixture f;
        startRpmEditing(f);
        f.rowLabel(0)->setText("600");
        f.rowLabel(1)->setText("0790");
        f.rowLabel(39)->setText("32767");
        const int redraws = f.redraws;

        f.click("Command5");

        QCOMPARE(f.dialogs.calls().size(), 1); // the notice only
        const GridState& s = f.editor->state();
        QCOMPARE(int(s.rpmBreakpoints[0]), 600);
        QCOMPARE(int(s.rpmBreakpoints[1]), 790);
        QCOMPARE(int(s.rpmBreakpoints[2]), 900);
        QCOMPARE(int(s.rpmBreakpoints[39]), 32767);
        QCOMPARE(f.rowLabel(1)->text(), QStringLiteral("0790")); // the text stays as typed
        QCOMPARE(f.redraws, redraws + 1);
        const QColor locked = f.named<QLabel>("Label100")->palette().color(QPalette::Window);
        const QColor normal = textColour(f.header(12));
        for (int r = 0; r < 40; ++r) {
            QVERIFY(f.rowLabel(r)->isReadOnly());
            QCOMPARE(background(f.rowLabel(r)), locked);
            QCOMPARE(textColour(f.rowLabel(r)), normal);
        }
        QCOMPARE(f.named<QPushButton>("Command5")->text(), QStringLiteral("RPM"));
    }

    void mapEditingShowsVolts_data() {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<int>("unit");
        for (const QString sep : {".", ","}) {
            QTest::addRow("percent %s", qPrintable(sep)) << sep << 1;
            QTest::addRow("bar %s", qPrintable(sep)) << sep << 2;
            QTest::addRow("volts %s", qPrintable(sep)) << sep << 0;
        }
    }
    void mapEditingShowsVolts() {
        QFETCH(QString, separator);
        QFETCH(int, unit);
        EditorFixture f(separator);
        f.choose("Combo5", unit);
        QCOMPARE(f.header(0)->text().endsWith('%'), unit == 1);
        const QColor cellBackground = background(f.cell(0, 0));

        f.click("Command10");

        QVERIFY(f.dialogs.calls().isEmpty());
        QCOMPARE(f.named<QComboBox>("Combo5")->currentIndex(), 0);
        QVERIFY(!f.named<QComboBox>("Combo5")->isEnabled());
        QCOMPARE(f.named<QLineEdit>("Text18")->text(), QString());
        QVERIFY(!f.named<QLineEdit>("Text18")->isEnabled());
        const QStringList volts{"2.00", "2.40", "2.90", "3.50", "4.20", "5.00"};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(f.header(i)->text(), f.number(volts[i]));
            QCOMPARE(textColour(f.header(i)), kDarkRed);
            QCOMPARE(f.header(i)->isReadOnly(), i == 5);
        }
        QCOMPARE(background(f.header(0)), cellBackground);
        QCOMPARE(f.named<QPushButton>("Command10")->text(), QStringLiteral("MAP OK"));
        QVERIFY(!f.named<QPushButton>("Command5")->isEnabled());
    }

    void loadAxisRefused_data() {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<Typed>("headers");
        QTest::addColumn<QString>("expected");
        for (const QString sep : {".", ","}) {
            const auto row = [&](const char* name) -> QTestData& {
                return QTest::addRow("%s %s", name, qPrintable(sep)) << sep;
            };
            row("first above 3.1")
                << Typed{{0, "3#2"}} << "The first Voltage value can not be higher than 3#1V!";
            row("above 5 V") << Typed{{1, "5#5"}} << "The 2. Voltage value (5#5) higher than 5V!";
            row("last editable at 5 V")
                << Typed{{4, "5"}} << "The 6. Voltage value (5#00) is not higher than the 5. (5)!";
            row("falling") << Typed{{2, "2#3"}}
                           << "The 3. Voltage value (2#3) is not higher than the 2. (2#40)!";
            row("letters") << Typed{{3, "x"}} << "The 4. Voltage value (x) is not number!";
        }
        QTest::newRow("point where commas are written")
            << "," << Typed{{0, "2.5"}}
            << "The 1. Voltage value (2.5) must have decimal comma, not decimal point!";
        QTest::newRow("comma where points are written")
            << "." << Typed{{0, "2,5"}}
            << "The 1. Voltage value (2,5) must have decimal point, not decimal comma!";
    }
    void loadAxisRefused() {
        QFETCH(QString, separator);
        QFETCH(Typed, headers);
        QFETCH(QString, expected);
        EditorFixture f(separator);
        const auto before = f.editor->state().loadBreakpoints;
        f.click("Command10");
        for (auto it = headers.cbegin(); it != headers.cend(); ++it)
            f.header(it.key())->setText(inLocale(it.value(), f.form));
        const int redraws = f.redraws;

        f.dialogs.answerMessage(Dialogs::Answer::Ok);
        f.click("Command10");

        QCOMPARE(f.dialogs.lastCall().text, inLocale(expected, f.form));
        QCOMPARE(f.dialogs.lastCall().title, QStringLiteral("Error!"));
        QCOMPARE(f.named<QPushButton>("Command10")->text(), QStringLiteral("MAP OK"));
        for (auto it = headers.cbegin(); it != headers.cend(); ++it)
            QCOMPARE(f.header(it.key())->text(), inLocale(it.value(), f.form));
        QVERIFY(!f.header(0)->isReadOnly());
        QVERIFY(!f.named<QComboBox>("Combo5")->isEnabled());
        QVERIFY(f.editor->state().loadBreakpoints == before);
        QCOMPARE(f.redraws, redraws);
    }

    void loadAxisTakenOver_data() {
        QTest::addColumn<QString>("separator");
        QTest::newRow("point") << ".";
        QTest::newRow("comma") << ",";
    }
    void loadAxisTakenOver() {
        QFETCH(QString, separator);
        EditorFixture f(separator);
        f.choose("Combo5", 1);
        f.click("Command10");
        f.header(0)->setText(f.number("3.1"));
        f.header(1)->setText(f.number("3.2"));
        f.header(2)->setText(f.number("3.255"));
        f.header(4)->setText("4");
        const int redraws = f.redraws;

        f.click("Command10");

        QVERIFY(f.dialogs.calls().isEmpty());
        const QStringList shown{"3.10", "3.20", "3.26", "3.50", "4.00", "5.00"};
        const QList<double> volts{0.0, 3.1, 3.2, 3.26, 3.5, 4.0, 5.0};
        auto* chooser = f.named<QComboBox>("Combo8");
        QCOMPARE(chooser->count(), 6);
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(f.header(i)->text(), f.number(shown[i]));
            QCOMPARE(chooser->itemText(i), f.number(shown[i]));
            QVERIFY(f.header(i)->isReadOnly());
            QCOMPARE(textColour(f.header(i)), textColour(f.rowLabel(0)));
        }
        for (int i = 0; i <= 6; ++i)
            QCOMPARE(f.editor->state().loadBreakpoints[i], volts[i]);
        QCOMPARE(background(f.header(0)),
                 f.named<QLabel>("Label100")->palette().color(QPalette::Window));
        QCOMPARE(f.redraws, redraws + 1);
        QCOMPARE(f.named<QPushButton>("Command10")->text(), QStringLiteral("MAP"));
        // The unit stays volts, with its chooser back on.
        QCOMPARE(f.named<QComboBox>("Combo5")->currentIndex(), 0);
        QVERIFY(f.named<QComboBox>("Combo5")->isEnabled());
        QVERIFY(!f.named<QLineEdit>("Text18")->isEnabled());
        QVERIFY(f.named<QPushButton>("Command5")->isEnabled());
    }

    // While an axis is edited the other editing controls are off; finishing restores
    // exactly the state from before, transparent rows and the load input rule included.
    void editingControlsRestored_data() {
        QTest::addColumn<int>("resolution");
        QTest::addColumn<bool>("loadInputUsed");
        QTest::addColumn<int>("transparent");
        QTest::addColumn<bool>("rpmAxis");
        for (const bool rpm : {true, false}) {
            const char* axis = rpm ? "RPM" : "MAP";
            QTest::addRow("%s 40 x 6 used", axis) << 2 << true << 0 << rpm;
            QTest::addRow("%s 40 x 6 used, transparent rows", axis) << 2 << true << 3 << rpm;
            QTest::addRow("%s 30 x 8 not used, transparent rows", axis) << 3 << false << 2 << rpm;
            QTest::addRow("%s 20 x 12 not used", axis) << 4 << false << 0 << rpm;
        }
        QTest::newRow("RPM 60 x 1, transparent rows") << 0 << false << 4 << true;
    }
    void editingControlsRestored() {
        QFETCH(int, resolution);
        QFETCH(bool, loadInputUsed);
        QFETCH(int, transparent);
        QFETCH(bool, rpmAxis);
        EditorFixture f;
        f.choose("Combo6", resolution);
        if (!loadInputUsed && resolution != 0)
            f.click("Option2");
        f.choose("Combo11", transparent);
        const QMap<QString, bool> before = enabledStates(f);
        const int rows = f.editor->state().rowCount;
        const int columns = f.editor->state().columnCount;

        if (rpmAxis)
            startRpmEditing(f);
        else
            f.click("Command10");

        const QMap<QString, bool> during = enabledStates(f);
        for (int r = 0; r < rows; ++r) {
            QCOMPARE(during[arrayName("Combo9", r)], false);
            for (int c = 0; c < columns; ++c)
                QCOMPARE(during[f.cell(r, c)->objectName()], false);
        }
        for (const char* name : {"Combo11", "Combo6", "Option1", "Option2", "Command1", "Command2",
                                 "Command3", "Command4", "Combo8", "Command8", "Command9"})
            QVERIFY2(!during[name], name);
        QCOMPARE(during["Combo12"], true);
        QCOMPARE(during["Command5"], rpmAxis);
        QCOMPARE(during["Command10"], !rpmAxis);
        QCOMPARE(during["Combo5"], rpmAxis);

        if (rpmAxis)
            f.click("Command5");
        else
            f.click("Command10");

        const QMap<QString, bool> after = enabledStates(f);
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            QVERIFY2(after[it.key()] == it.value(), qPrintable(it.key()));
    }
};

QTEST_MAIN(AxisEditingTest)
#include "tst_axis_editing.moc"
