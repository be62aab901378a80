#include "editor_fixture.h"

#include <QTimer>

namespace {
struct Steps {
    QString separator;
    bool raise;
    QString edge, edgeStepped, otherStepped, refusal;
};

// A press as the user makes it: the mouse button goes down on the button and comes up.
void press(EditorFixture& f, const char* buttonName, Qt::MouseButton mouseButton = Qt::LeftButton) {
    auto* button = f.named<QPushButton>(QLatin1String(buttonName));
    QTest::mousePress(button, mouseButton);
    QTest::mouseRelease(button, mouseButton);
}

QStringList texts(EditorFixture& f) {
    QStringList out;
    for (int r = 0; r < 60; ++r)
        for (int c = 0; c < 12; ++c)
            out.append(f.cell(r, c)->text());
    return out;
}
} // namespace

class ColumnToolTest : public QObject {
    Q_OBJECT
  private slots:
    // The column takes one step to the end of the range; the next press is refused as a
    // whole. The edge value sits in a transparent row, which is stepped too.
    void stepsUntilTheRangeEnds_data() {
        QTest::addColumn<Steps>("steps");
        QTest::newRow("raise") << Steps{
            ".", true, "63#0", "63#5", "10#7", "Value can not be higher than 63#5 degree!"};
    }
    void stepsUntilTheRangeEnds() {
        QFETCH(Steps, steps);
        const auto [separator, raise, edge, edgeStepped, otherStepped, refusal] = steps;
        EditorFixture f(separator);
        const char* button = raise ? "Command8" : "Command9";
        f.choose("Combo11", 3);
        f.choose("Combo8", 2);
        for (int r = 0; r < 40; ++r)
            f.cell(r, 2)->setText(f.number(r == 1 ? edge : "10#2"));
        const int redraws = f.redraws;

        press(f, button);

        QVERIFY(f.dialogs.calls().isEmpty());
        QCOMPARE(f.redraws, redraws + 1);
        for (int r = 0; r < 40; ++r) {
            QCOMPARE(f.cell(r, 2)->text(), f.number(r == 1 ? edgeStepped : otherStepped));
            QCOMPARE(f.cell(r, 1)->text() + f.cell(r, 3)->text(), f.number("0#50#5"));
        }
        const QStringList before = texts(f);

        f.dialogs.answerMessage(Dialogs::Answer::Ok);
        press(f, button);

        QCOMPARE(f.dialogs.lastCall().text, f.number(refusal));
        QCOMPARE(f.dialogs.lastCall().title, QStringLiteral("Attention!"));
        QCOMPARE(texts(f), before);
        QCOMPARE(f.redraws, redraws + 1);
        QVERIFY(!f.editor->state().columnToolBusy);
    }

    // Without the load input every column holds the last column's value and all of
    // them take the step, each exactly once.
    void loadInputNotUsedStepsWholeRows() {
        EditorFixture f(",");
        f.choose("Combo6", 3); // 30 x 8
        for (int r = 0; r < 30; ++r)
            f.cell(r, 7)->setText(QString::number(5 + r) + ",0");
        f.click("Option2");

        press(f, "Command9");

        for (int r = 0; r < 30; ++r)
            for (int c = 0; c < 8; ++c)
                QCOMPARE(f.cell(r, c)->text(), QString::number(4 + r) + ",5");
    }

    // A right button, the space key or a click from code step nothing and leave the
    // tool free: the next real press works.
    void onlyALeftMouseButtonPresses() {
        EditorFixture f;
        auto* button = f.named<QPushButton>("Command8");
        const QStringList before = texts(f);
        press(f, "Command8", Qt::RightButton);
        QTest::keyClick(button, Qt::Key_Space);
        button->click();
        QCOMPARE(texts(f), before);
        QCOMPARE(f.redraws, 0);
        press(f, "Command8");
        QCOMPARE(f.cell(0, 0)->text(), QStringLiteral("1.0"));
    }

    // An empty cell holds the press until pending events fill it; a second press that
    // comes meanwhile is ignored.
    void waitsForAnEmptyCell() {
        EditorFixture f;
        f.choose("Combo8", 0);
        f.cell(5, 0)->clear();
        int secondPressesSeen = 0;
        QTimer::singleShot(0, &f.window, [&] {
            press(f, "Command8");
            ++secondPressesSeen;
            QTimer::singleShot(0, &f.window, [&] { f.cell(5, 0)->setText("7.0"); });
        });

        press(f, "Command8");

        QCOMPARE(secondPressesSeen, 1);
        QCOMPARE(f.cell(5, 0)->text(), QStringLiteral("7.5"));
        QCOMPARE(f.cell(4, 0)->text(), QStringLiteral("1.0"));
        QCOMPARE(f.redraws, 1);
        QVERIFY(!f.editor->state().columnToolBusy);
    }
};

QTEST_MAIN(ColumnToolTest)
#include "tst_column_tool.moc"
