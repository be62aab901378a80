#include "editor_fixture.h"

#include <QTimer>

namespace {
// A press as the user makes it: the mouse button goes down on the button and comes up.
void pressWith(EditorFixture& f, const char* buttonName, Qt::MouseButton mouseButton) {
    auto* button = f.named<QPushButton>(QLatin1String(buttonName));
    QTest::mousePress(button, mouseButton);
    QTest::mouseRelease(button, mouseButton);
}

void press(EditorFixture& f, const char* buttonName) {
    pressWith(f, buttonName, Qt::LeftButton);
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
    // whole. The edge value sits in a transparent row, which is tested and stepped too.
    void stepsUntilTheRangeEnds_data() {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<bool>("raise");
        QTest::addColumn<QString>("edge");
        QTest::addColumn<QString>("edgeStepped");
        QTest::addColumn<QString>("other");
        QTest::addColumn<QString>("otherStepped");
        QTest::addColumn<QString>("refusal");
        for (const QString sep : {".", ","}) {
            QTest::addRow("raise %s", qPrintable(sep))
                << sep << true << "63.0"
                << "63.5"
                << "10.2"
                << "10.7"
                << "Value can not be higher than 63#5 degree!";
            QTest::addRow("lower %s", qPrintable(sep)) << sep << false << "1.0"
                                                       << "0.5"
                                                       << "10.2"
                                                       << "9.7"
                                                       << "Value can not be less than 0#5 degree!";
        }
    }
    void stepsUntilTheRangeEnds() {
        QFETCH(QString, separator);
        QFETCH(bool, raise);
        QFETCH(QString, edge);
        QFETCH(QString, edgeStepped);
        QFETCH(QString, other);
        QFETCH(QString, otherStepped);
        QFETCH(QString, refusal);
        EditorFixture f(separator);
        const char* button = raise ? "Command8" : "Command9";
        const int column = 2;
        const int edgeRow = 1;
        f.choose("Combo11", 3);
        f.choose("Combo8", column);
        for (int r = 0; r < 40; ++r)
            f.cell(r, column)->setText(f.number(r == edgeRow ? edge : other));
        const int redraws = f.redraws;

        press(f, button);

        QVERIFY(f.dialogs.calls().isEmpty());
        QCOMPARE(f.redraws, redraws + 1);
        for (int r = 0; r < 40; ++r) {
            QCOMPARE(f.cell(r, column)->text(),
                     f.number(r == edgeRow ? edgeStepped : otherStepped));
            QCOMPARE(f.cell(r, column - 1)->text(), f.half()); // other columns untouched
            QCOMPARE(f.cell(r, column + 1)->text(), f.half());
        }
        const QStringList before = texts(f);

        f.dialogs.answerMessage(Dialogs::Answer::Ok);
        press(f, button);

        QCOMPARE(f.dialogs.lastCall().text, QString(refusal).replace('#', separator));
        QCOMPARE(f.dialogs.lastCall().title, QStringLiteral("Attention!"));
        QCOMPARE(f.dialogs.lastCall().buttons, Dialogs::Buttons::Ok);
        QCOMPARE(texts(f), before);
        QCOMPARE(f.redraws, redraws + 1);
        QVERIFY(!f.editor->state().columnToolBusy);
    }

    // Without the load input every column holds the last column's value and all of
    // them take the step, each exactly once.
    void loadInputNotUsedStepsWholeRows_data() {
        QTest::addColumn<bool>("raise");
        QTest::newRow("raise") << true;
        QTest::newRow("lower") << false;
    }
    void loadInputNotUsedStepsWholeRows() {
        QFETCH(bool, raise);
        EditorFixture f(",");
        f.choose("Combo6", 3); // 30 x 8
        for (int r = 0; r < 30; ++r)
            f.cell(r, 7)->setText(f.number(QString::number(5 + r) + ".0"));
        f.click("Option2");
        QCOMPARE(f.named<QComboBox>("Combo8")->currentIndex(), 7);

        press(f, raise ? "Command8" : "Command9");

        for (int r = 0; r < 30; ++r)
            for (int c = 0; c < 8; ++c)
                QCOMPARE(f.cell(r, c)->text(),
                         f.number(QString::number(5 + r + (raise ? 0.5 : -0.5), 'f', 1)));
    }

    void onlyALeftMouseButtonPresses_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("right mouse button") << 0;
        QTest::newRow("middle mouse button") << 1;
        QTest::newRow("space key") << 2;
        QTest::newRow("click from code") << 3;
    }
    void onlyALeftMouseButtonPresses() {
        QFETCH(int, way);
        EditorFixture f;
        auto* button = f.named<QPushButton>("Command8");
        const QStringList before = texts(f);
        const int redraws = f.redraws;

        switch (way) {
        case 0:
            pressWith(f, "Command8", Qt::RightButton);
            break;
        case 1:
            pressWith(f, "Command8", Qt::MiddleButton);
            break;
        case 2:
            QTest::keyClick(button, Qt::Key_Space);
            break;
        case 3:
            button->click();
            break;
        }

        QCOMPARE(texts(f), before);
        QCOMPARE(f.redraws, redraws);
        // The tool is not left busy: the next real press works.
        press(f, "Command8");
        QCOMPARE(f.cell(0, 0)->text(), QStringLiteral("1.0"));
    }

    // An empty cell holds the press until pending events fill it; a second press that
    // comes meanwhile is ignored.
    void waitsForAnEmptyCell() {
        EditorFixture f;
        f.choose("Combo8", 0);
        f.cell(5, 0)->clear();
        const int redraws = f.redraws;
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
        QCOMPARE(f.redraws, redraws + 1);
        QVERIFY(!f.editor->state().columnToolBusy);
    }
};

QTEST_MAIN(ColumnToolTest)
#include "tst_column_tool.moc"
