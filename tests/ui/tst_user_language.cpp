#include "core/find_widget.h"
#include "core/form_state.h"
#include "core/twips.h"
#include "device/frame_build.h"
#include "device/upload_sequence.h"
#include "language/widget_texts.h"
#include "messages/serial_messages.h"
#include "tests/support/fake_clock.h"
#include "tests/support/recording_progress.h"
#include "tests/support/recording_serial_link.h"
#include "tests/support/scripted_dialogs.h"
#include "ui/clickable_picture.h"
#include "ui/language_switch.h"
#include "ui/main_form.h"
#include "ui/main_window.h"
#include "ui/map_file_actions.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSignalSpy>
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

QString shownText(const QWidget* w) {
    if (auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    if (auto* field = qobject_cast<const QLineEdit*>(w))
        return field->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text();
    if (auto* panel = qobject_cast<const QGroupBox*>(w))
        return panel->title();
    if (auto* note = qobject_cast<const QPlainTextEdit*>(w))
        return note->toPlainText();
    return QStringLiteral("<no text>");
}

QStringList itemsOf(const QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

// Captions, list items and field texts wider than the room their widget leaves them.
QStringList clippedTexts(const QWidget* root) {
    QStringList clipped;
    const auto measure = [&](const QWidget* w, const QString& text, int room) {
        const int needed = w->fontMetrics().horizontalAdvance(text);
        if (needed > room)
            clipped << QStringLiteral("%1 \"%2\" (%3 > %4)")
                           .arg(w->objectName(), text)
                           .arg(needed)
                           .arg(room);
    };
    for (const QWidget* w : root->findChildren<QWidget*>()) {
        const QStyle* style = w->style();
        if (auto* label = qobject_cast<const QLabel*>(w))
            measure(w, label->text(), label->contentsRect().width());
        else if (auto* option = qobject_cast<const QRadioButton*>(w))
            measure(w, option->text(),
                    w->width() - style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) -
                        style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing));
        else if (auto* button = qobject_cast<const QPushButton*>(w))
            measure(w, button->text(), w->width() - 4);
        else if (auto* panel = qobject_cast<const QGroupBox*>(w))
            measure(w, panel->title(), w->width() - 16);
        else if (auto* list = qobject_cast<const QComboBox*>(w))
            for (const QString& item : itemsOf(list))
                measure(list, item, textRoom(list));
        else if (auto* field = qobject_cast<const QLineEdit*>(w))
            if (!qobject_cast<const QComboBox*>(field->parentWidget()))
                measure(field, field->text(), textRoom(field));
    }
    return clipped;
}

void clickFlag(MainWindow& window, const QString& language) {
    const char* flag = language == "hun" ? "Picture3" : "Picture4";
    QTest::mouseClick(findNamed<QWidget>(window.form(), flag), Qt::LeftButton);
}

// Qt's own texts of the standard buttons, sorted.
QString standardButtonTexts() {
    QDialogButtonBox box(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel);
    QStringList texts;
    for (const QAbstractButton* button : box.buttons())
        texts << button->text();
    texts.sort();
    return texts.join(' ');
}

// The 3D graph draws its axis titles itself; the window has no widgets for them.
bool drawnByGraph(const char* widget) {
    return QSet<QByteArray>{"Label19", "Label20", "Label21"}.contains(widget);
}

QString shownText(const QWidget* widget, WidgetTextKind kind, int item) {
    switch (kind) {
    case WidgetTextKind::ToolTip:
        return widget->toolTip();
    case WidgetTextKind::ListItem:
        return qobject_cast<const QComboBox*>(widget)->itemText(item);
    case WidgetTextKind::Caption:
        break;
    }
    return ::shownText(widget);
}

// Everything a user could see of the window's texts, keyed by widget.
QStringList snapshot(const QWidget* root) {
    QStringList lines;
    for (const QWidget* widget : root->findChildren<QWidget*>()) {
        if (widget->objectName().isEmpty())
            continue;
        QString line =
            widget->objectName() + " | " + ::shownText(widget) + " | " + widget->toolTip();
        if (auto* list = qobject_cast<const QComboBox*>(widget))
            line += QString(" | %1 of %2: ").arg(list->currentIndex()).arg(list->count()) +
                    itemsOf(list).join(' ');
        lines << line;
    }
    lines.sort();
    return lines;
}

} // namespace

// What the user reads follows the flags: the design's texts, our own details, Qt's
// standard texts, and all of it readable in full.
class TestUserLanguage : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    const QString m_settingsPath = m_dir.filePath("kelvor-310.ini");
    ScriptedDialogs m_dialogs;

  private slots:
    void initTestCase() { Twips::setLogicalDpi(96); }

    // A flag switches the window's language, its own border and Qt's standard buttons,
    // and no text is clipped in either language.
    void flagsSwitchAndNothingIsClipped() {
        MainWindow window(m_dialogs, m_settingsPath);
        for (const QString language : {"hun", "eng"}) {
            clickFlag(window, language);
            QCOMPARE(window.uiLanguage(), language);
            QCOMPARE(findNamed<ClickablePicture>(window.form(), "Picture3")->hasBorder(),
                     language == "hun");
            QCOMPARE(standardButtonTexts(),
                     language == "hun" ? "&Igen &Nem Mégse" : "&No &Yes Cancel");
            const QStringList clipped = clippedTexts(window.form());
            QVERIFY2(clipped.isEmpty(), qPrintable(language + ": " + clipped.join(", ")));
        }
    }

    // A cell that is no number, refused by the save and by the send.
    void refusalDetails_data() {
        QTest::addColumn<bool>("hungarian");
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("expected");
        QTest::newRow("save, Hungarian")
            << true << true
            << "Az adatállomány mentése nem sikerült: a cella (sor: 3, oszlop: 2): \"\" nem szám";
        QTest::newRow("send, English") << false << false
                                       << "[ERROR: Serial Port]: 'Type mismatch: cell (row 3, 900 "
                                          "RPM, column 2) \"\" is not a number.' Error Code: 13";
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
            MapFileActions files(dialogs, texts, form, [&] { return document; });
            QCOMPARE(files.save(), MapFileActions::SaveResult::Failed);
        } else {
            FakeClock clock;
            RecordingSerialLink link(&clock);
            RecordingProgress progress;
            UploadSequence upload(link, clock, progress);
            dialogs.answerMessage(Dialogs::Answer::Ok);
            upload.start("COM1", buildFrame(document, "."));
            tellSerialProblem(*upload.problem(), dialogs, texts);
        }
        QCOMPARE(dialogs.lastCall().text, expected);
    }

    // Every row of the language table reaches its widget, and switching back restores
    // every text.
    void everyRowReachesItsWidgetAndSwitchesBack() {
        QWidget root;
        buildMainForm(&root);
        QStringList seen[2];
        for (int round = 0; round < 2; ++round)
            for (Language language : {Language::English, Language::Hungarian}) {
                applyWidgetTexts(&root, language);
                for (const WidgetText& row : widgetTexts()) {
                    const QWidget* widget = root.findChild<QWidget*>(row.widget);
                    if (!widget && drawnByGraph(row.widget))
                        continue;
                    QVERIFY2(widget, row.widget);
                    QCOMPARE(shownText(widget, row.kind, row.item), row.text(language));
                }
                const QStringList now = snapshot(&root);
                if (round == 0)
                    seen[int(language == Language::Hungarian)] = now;
                QCOMPARE(now, seen[int(language == Language::Hungarian)]);
            }
        QVERIFY(seen[0] != seen[1]);
    }

    // Values and selections are the user's: a switch changes captions and items only.
    // A list holding fewer items than the table names gets no new ones.
    void switchKeepsValuesAndSelections() {
        QWidget root;
        buildMainForm(&root);
        auto* coil = root.findChild<QComboBox*>("Combo4");
        auto* mode = root.findChild<QComboBox*>("Combo12");
        auto* edge = root.findChild<QComboBox*>("Combo2");
        coil->setCurrentIndex(1);
        mode->setCurrentIndex(-1);
        edge->removeItem(1);
        QSignalSpy changes(coil, &QComboBox::currentIndexChanged);
        for (Language language : {Language::Hungarian, Language::English}) {
            applyWidgetTexts(&root, language);
            QCOMPARE((QList<int>{coil->count(), coil->currentIndex(), mode->currentIndex(),
                                 edge->count()}),
                     (QList<int>{2, 1, -1, 1}));
            // Fields with only a tool tip row hold values; the 2D option has no row.
            QCOMPARE(::shownText(root.findChild<QWidget*>("Text15")), QString("15,5"));
            QCOMPARE(::shownText(root.findChild<QWidget*>("Option5")), QString("2 D"));
        }
        QCOMPARE(edge->itemText(0), QString("Falling"));
        QCOMPARE(changes.count(), 0);
    }
};

QTEST_MAIN(TestUserLanguage)
#include "tst_user_language.moc"
