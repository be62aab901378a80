#include "core/twips.h"
#include "language/widget_texts.h"
#include "tests/support/test_window.h"
#include "ui/clickable_picture.h"
#include "ui/language_switch.h"
#include "ui/serial_actions.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyleOptionComboBox>

namespace {

// The room a field leaves for its text: the contents less the margins it keeps.
int textRoom(const QLineEdit* field) {
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth =
        field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    const QMargins m = field->textMargins();
    return field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field).width() -
           m.left() - m.right() - 4;
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

// The text of `kind` a widget shows; a caption is a panel's title, a label's, button's,
// field's or note's text.
QString shownText(const QWidget* w, WidgetTextKind kind = WidgetTextKind::Caption, int item = 0) {
    if (kind == WidgetTextKind::ToolTip)
        return w->toolTip();
    if (kind == WidgetTextKind::ListItem)
        return qobject_cast<const QComboBox*>(w)->itemText(item);
    for (const char* caption : {"text", "title", "plainText"})
        if (const QVariant text = w->property(caption); text.isValid())
            return text.toString();
    return QStringLiteral("<no text>");
}

// Captions, list items and field texts wider than the room their widget leaves them.
QStringList clippedTexts(const QWidget* root) {
    QStringList clipped;
    const auto measure = [&](const QWidget* w, const QString& text, int room) {
        if (const int needed = w->fontMetrics().horizontalAdvance(text); needed > room)
            clipped << w->objectName() + " \"" + text + "\" (" + QString::number(needed) + " > " +
                           QString::number(room) + ')';
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
        else if (auto* list = qobject_cast<const QComboBox*>(w)) {
            // An editable list shows its text in its own field, in the list's font.
            if (list->isEditable() && list->lineEdit()->font() != list->font())
                clipped << list->objectName() + " shows another font";
            for (int i = 0; i < list->count(); ++i)
                measure(list, list->itemText(i), textRoom(list));
        } else if (auto* field = qobject_cast<const QLineEdit*>(w))
            if (!qobject_cast<const QComboBox*>(field->parentWidget()))
                measure(field, field->text(), textRoom(field));
    }
    return clipped;
}

} // namespace

// What the user reads follows the flags: the design's texts, our own details, Qt's
// standard texts, and all of it readable in full.
class TestUserLanguage : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { Twips::setLogicalDpi(96); }

    // A flag switches the window's language, its own border, every text of the language
    // table and Qt's standard buttons, and no text is clipped in either language.
    void flagsSwitchAndNothingIsClipped() {
        TestWindow w;
        // Lists away from their first items: a switch refills their items, never the choice.
        MapDocument chosen = w.main->document();
        chosen.cylinders = 4, chosen.inputPolarity = 1, chosen.outputPolarity = 1;
        chosen.transparentIntervals = 3, chosen.chargeCorrectionIntervals = 2;
        w.main->applyLoadedDocument(chosen);
        const MapDocument before = w.main->document();
        for (const QString language : {"hun", "eng"}) {
            QTest::mouseClick(w.named(language == "hun" ? "Picture3" : "Picture4"), Qt::LeftButton);
            QCOMPARE(w.main->uiLanguage(), language);
            QCOMPARE(w.named<ClickablePicture>("Picture3")->hasBorder(), language == "hun");
            for (const WidgetText& row : widgetTexts()) {
                const QWidget* widget = w.main->form()->findChild<QWidget*>(row.widget);
                // Some captions go on with the value they name.
                if (row.kind != WidgetTextKind::AxisTitle)
                    QVERIFY2(shownText(widget, row.kind, row.item)
                                 .startsWith(row.text(language == "hun" ? Language::Hungarian
                                                                        : Language::English)),
                             row.widget);
            }
            const QDialogButtonBox box(QDialogButtonBox::Yes | QDialogButtonBox::No |
                                       QDialogButtonBox::Cancel);
            QCOMPARE(box.button(QDialogButtonBox::Yes)->text() + ' ' +
                         box.button(QDialogButtonBox::No)->text() + ' ' +
                         box.button(QDialogButtonBox::Cancel)->text(),
                     language == "hun" ? "&Igen &Nem Mégse" : "&Yes &No Cancel");
            const QStringList clipped = clippedTexts(w.main->form());
            QVERIFY2(clipped.isEmpty(), qPrintable(language + ": " + clipped.join(", ")));
            QVERIFY(w.main->document() == before);
        }
    }

    // A hand-edited charge dwell that is no number is kept as the file holds it, the load
    // says that the map cannot be sent, and the send refuses it in either language.
    void refusalDetails() {
        TestWindow w;
        QList<QByteArray> lines = contents(golden("shape0_dwell")).split('\n');
        lines[12] = "12x\r";
        w.dialogs.answerOpenFile(w.write("edited.klv", lines.join('\n')));
        w.dialogs.answerMessage(Dialogs::Answer::Ok); // the load says the map cannot be sent
        w.press("Command3");
        QCOMPARE(w.document().dwellAngle, "12x");
        QVERIFY(w.dialogs.lastCall().text.endsWith(
            "Type mismatch: charge dwell \"12x\" is not a number"));
        for (const Language language : {Language::Hungarian, Language::English}) {
            w.main->chooseLanguage(language);
            w.dialogs.answerMessage(Dialogs::Answer::Ok);
            w.press("Command1");
            QVERIFY(!w.main->serialActions().isBusy());
        }
        QCOMPARE(w.dialogs.calls()[w.dialogs.calls().size() - 2].text + " / " +
                     w.dialogs.lastCall().text,
                 "[HIBA: Soros port]: 'Típuseltérés: a zárásszög: \"12x\" nem szám.' Hibakód: 13 / "
                 "[ERROR: Serial Port]: 'Type mismatch: charge dwell \"12x\" is not a number.' "
                 "Error Code: 13");
    }
};

QTEST_MAIN(TestUserLanguage)
#include "tst_user_language.moc"
