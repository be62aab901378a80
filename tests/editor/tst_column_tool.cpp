#include "editor_fixture.h"

#include <QTimer>

namespace {
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
    void stepsUntilTheRangeEnds() {
        EditorFixture f;
        f.choose("Combo11", 3);
        f.choose("Combo8", 2);
        for (int r = 0; r < 40; ++r)
            f.cell(r, 2)->setText(r == 1 ? "63.0" : "10.2");
        const int redraws = f.redraws;

        f.press("Command8");

        QVERIFY(f.dialogs.calls().isEmpty());
        QCOMPARE(f.redraws, redraws + 1);
        for (int r = 0; r < 40; ++r)
            QCOMPARE(f.cell(r, 1)->text() + " " + f.cell(r, 2)->text() + " " + f.cell(r, 3)->text(),
                     r == 1 ? "0.5 63.5 0.5" : "0.5 10.7 0.5");
        const QStringList before = texts(f);

        f.dialogs.answerMessage(Dialogs::Answer::Ok);
        f.press("Command8");

        QCOMPARE(f.dialogs.lastCall().text, "Value can not be higher than 63.5 degree!");
        QCOMPARE(f.dialogs.lastCall().title, QStringLiteral("Attention!"));
        QCOMPARE(texts(f), before);
        QCOMPARE(f.redraws, redraws + 1);
        QVERIFY(!f.editor->state().columnToolBusy);
    }

    // A right button, the space key or a click from code step nothing and leave the
    // tool free: the next real press works.
    void onlyALeftMouseButtonPresses() {
        EditorFixture f;
        auto* button = f.named<QPushButton>("Command8");
        const QStringList before = texts(f);
        f.press("Command8", Qt::RightButton);
        QTest::keyClick(button, Qt::Key_Space);
        button->click();
        QCOMPARE(texts(f), before);
        QCOMPARE(f.redraws, 0);
        f.press("Command8");
        QCOMPARE(f.cell(0, 0)->text(), QStringLiteral("1.0"));
    }

    // An empty cell holds the press until pending events fill it; a second press that
    // comes meanwhile is ignored.
    void waitsForAnEmptyCell() {
        EditorFixture f;
        f.choose("Combo8", 0);
        f.cell(5, 0)->clear();
        QTimer::singleShot(0, &f.window, [&] {
            f.press("Command8");
            QTimer::singleShot(0, &f.window, [&] { f.cell(5, 0)->setText("7.0"); });
        });

        f.press("Command8");

        QCOMPARE(f.cell(5, 0)->text() + " " + f.cell(4, 0)->text(), "7.5 1.0");
        QCOMPARE(f.redraws, 1);
        QVERIFY(!f.editor->state().columnToolBusy);
    }
};

QTEST_MAIN(ColumnToolTest)
#include "tst_column_tool.moc"
