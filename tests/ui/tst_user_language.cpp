#include "core/find_widget.h"
#include "core/form_state.h"
#include "core/twips.h"
#include "device/frame_build.h"
#include "device/upload_sequence.h"
#include "graph/graph_panel.h"
#include "tests/support/fake_clock.h"
#include "tests/support/recording_progress.h"
#include "tests/support/recording_serial_link.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/ui/form_probe.h"
#include "ui/main_window.h"
#include "ui/map_file_actions.h"

#include <QDialogButtonBox>
#include <QStyleOptionComboBox>
#include <QtTest>

namespace {

// The room a field leaves for its text: the contents less the margins it keeps.
int textRoom(const QLineEdit* field) {
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth =
        field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    const QMargins margins = field->textMargins();
    return field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field).width() -
           margins.left() - margins.right() - 4;
}

int textRoom(const QComboBox* list) {
    if (list->isEditable())
        return textRoom(list->lineEdit());
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.frame = list->hasFrame();
    return list->style()
               ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
               .width() -
           2;
}

// Captions, every item of every list and the text of every field that do not fit.
QStringList clippedTexts(const QWidget* root) {
    QStringList clipped = clippedCaptions(root);
    const auto measure = [&](const QWidget* w, const QString& text, int room) {
        const int needed = w->fontMetrics().horizontalAdvance(text);
        if (needed > room)
            clipped << QStringLiteral("%1 \"%2\" (%3 > %4)")
                           .arg(w->objectName(), text)
                           .arg(needed)
                           .arg(room);
    };
    for (const QComboBox* list : root->findChildren<QComboBox*>())
        for (const QString& item : itemsOf(list))
            measure(list, item, textRoom(list));
    for (const QLineEdit* field : root->findChildren<QLineEdit*>())
        if (!qobject_cast<const QComboBox*>(field->parentWidget()))
            measure(field, field->text(), textRoom(field));
    return clipped;
}

void clickFlag(MainWindow& window, const char* flag) {
    QTest::mouseClick(findNamed<QWidget>(window.form(), QLatin1String(flag)), Qt::LeftButton);
}

} // namespace

// What the user reads follows the flags: our own details, Qt's standard texts, and all of
// it readable in full.
class TestUserLanguage : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    const QString m_settingsPath = m_dir.filePath("kelvor-310.ini");

  private slots:
    void initTestCase() { Twips::setLogicalDpi(96); }

    // A cell that is no number, refused by the save and by the send.
    void refusalDetails_data() {
        QTest::addColumn<bool>("hungarian");
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("expected");
        QTest::newRow("save, English")
            << false << true
            << "The map could not be saved: cell (row 3, column 2) \"\" is not a number";
        QTest::newRow("save, Hungarian")
            << true << true
            << "Az adatállomány mentése nem sikerült: a cella (sor: 3, oszlop: 2): \"\" nem szám";
        QTest::newRow("send, English") << false << false
                                       << "[ERROR: Serial Port]: 'Type mismatch: cell (row 3, 900 "
                                          "RPM, column 2) \"\" is not a number.' Error Code: 13";
        QTest::newRow("send, Hungarian") << true << false
                                         << "[HIBA: Soros port]: 'Típuseltérés: a cella (sor: 3, "
                                            "900 RPM, oszlop: 2): \"\" nem szám.' Hibakód: 13";
    }
    void refusalDetails() {
        QFETCH(bool, hungarian);
        QFETCH(bool, save);
        QFETCH(QString, expected);
        LanguageTexts texts;
        texts.setLanguage(hungarian ? Language::Hungarian : Language::English);
        MapDocument document = MapDocument::startupDefaults(".");
        document.cells[2][1].clear();
        ScriptedDialogs dialogs;
        if (save) {
            FormState form;
            dialogs.answerSaveFile(m_dir.filePath("refused.klv"));
            dialogs.answerMessage(Dialogs::Answer::Ok);
            MapFileActions files(dialogs, texts, form, {[&] { return document; }, {}, {}});
            QCOMPARE(files.save(), MapFileActions::SaveResult::Failed);
        } else {
            FakeClock clock;
            RecordingSerialLink link(&clock);
            RecordingProgress progress;
            UploadSequence upload(link, clock, progress, dialogs, texts);
            dialogs.answerMessage(Dialogs::Answer::Ok);
            upload.start("COM1", buildFrame(document, "."));
        }
        QCOMPARE(dialogs.lastCall().text, expected);
    }

    // Standard buttons, input boxes and the file dialog take Qt's own texts.
    void qtTextsFollowTheFlags() {
        ScriptedDialogs dialogs;
        MainWindow window(dialogs, m_settingsPath);
        const auto buttonTexts = [] {
            QDialogButtonBox box(QDialogButtonBox::Yes | QDialogButtonBox::No |
                                 QDialogButtonBox::Cancel);
            QStringList texts;
            for (const QAbstractButton* button : box.buttons())
                texts << button->text();
            texts.sort();
            return texts.join(' ');
        };
        clickFlag(window, "Picture3");
        QCOMPARE(buttonTexts(), QStringLiteral("&Igen &Nem Mégse"));
        clickFlag(window, "Picture4");
        QCOMPARE(buttonTexts(), QStringLiteral("&No &Yes Cancel"));
    }

    void nothingClippedInEitherLanguage() {
        ScriptedDialogs dialogs;
        MainWindow window(dialogs, m_settingsPath);
        for (const char* flag : {"Picture3", "Picture4"}) {
            clickFlag(window, flag);
            const QStringList clipped = clippedTexts(window.form());
            QVERIFY2(clipped.isEmpty(), qPrintable(flag + (": " + clipped.join(", "))));
        }
    }

    // A text put into a cell without its check reaches the chart only when it is drawn anew.
    void clickOnTheShownViewRedrawsIt() {
        ScriptedDialogs dialogs;
        MainWindow window(dialogs, m_settingsPath);
        const Graph2DModel& chart = window.graphs().model2D();
        const double before = chart.curveSegment(1, 0).p1.y();
        findNamed<QLineEdit>(window.form(), "Text2(0)")->setText("30");
        QCOMPARE(chart.curveSegment(1, 0).p1.y(), before);
        QTest::mouseClick(findNamed<QRadioButton>(window.form(), "Option5"), Qt::LeftButton);
        QVERIFY(chart.curveSegment(1, 0).p1.y() < before - 1000);
    }
};

QTEST_MAIN(TestUserLanguage)
#include "tst_user_language.moc"
