#include "core/document_model.h"
#include "core/form_state.h"
#include "language/language_texts.h"
#include "settings/settings_panel.h"
#include "tests/editor/widget_helpers.h"
#include "tests/support/scripted_dialogs.h"
#include "ui/main_form.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>
#include <memory>

namespace {
enum Cylinders { kFourCylinders = 2, kSixCylinders = 4, kEightCylinders = 5 }; // list indices

void sendFocus(QWidget* field, QEvent::Type type, Qt::FocusReason reason) {
    QFocusEvent event(type, reason);
    QCoreApplication::sendEvent(field, &event);
}

// Turns the focus away from a field while its input box is up, as a real modal box
// does, before it answers from the script.
class FocusStealingDialogs : public ScriptedDialogs {
  public:
    QLineEdit* field = nullptr;
    QString input(const QString& prompt, const QString& title) override {
        if (field)
            sendFocus(field, QEvent::FocusOut, Qt::MouseFocusReason);
        return ScriptedDialogs::input(prompt, title);
    }
};
} // namespace

// The tests run with the decimal comma, so a text's separator is the locale's own.
class SettingsPanelTest : public QObject {
    Q_OBJECT
  private:
    FocusStealingDialogs m_dialogs;
    FormState m_state;
    LanguageTexts m_texts;
    DocumentModel m_model; // the map the panel changes
    std::unique_ptr<QWidget> m_root;
    FormWidgets m_design;
    std::unique_ptr<SettingsPanel> m_panel;

    template <class T> T* w(const char* name) const { return findNamed<T>(m_root.get(), name); }
    QLineEdit* field(const char* name) const { return w<QLineEdit>(name); }

    // Loads a document the way a map file is applied: values first, then the layout.
    void load(const MapDocument& document) {
        m_state.documentReady = false;
        m_panel->applyDocument(document);
        m_panel->applyLoadedModes();
        m_state.documentReady = true;
    }
    MapDocument document(int cylinders, int coilControlMode, int operationMode = 0,
                         bool inputDwellMode = false) const {
        MapDocument doc = MapDocument::startupDefaults(m_state.decimalSeparator);
        doc.cylinders = cylinders, doc.coilControlMode = coilControlMode;
        doc.operationMode = operationMode, doc.inputDwellMode = inputDwellMode;
        doc.dwellAngle = operationMode == 1 ? "180" : coilControlMode == 1 ? "55" : "";
        return doc;
    }
    void choose(const char* list, int index) { chooseItem(w<QComboBox>(list), index); }
    QString texts(const QString& names) const { return fieldTexts(m_root.get(), names); }

  private slots:
    // One form for all tests; every test starts from the start-up document loaded anew.
    void initTestCase() {
        m_root = std::make_unique<QWidget>();
        m_design = buildMainForm(m_root.get());
        m_root->show();
    }
    void init() {
        m_state = FormState{false, {}, ",", "."};
        m_texts.setLanguage(Language::English);
        m_dialogs.clear();
        m_dialogs.field = nullptr;
        m_panel = std::make_unique<SettingsPanel>(m_design, m_model, m_state, m_texts, m_dialogs);
        load(MapDocument::startupDefaults(","));
    }
    void cleanup() {
        QCOMPARE(m_dialogs.pendingAnswers(), 0);
        m_panel.reset();
        // The next test's start-up texts must not be checked as if typed here.
        if (QWidget* focused = QApplication::focusWidget())
            focused->clearFocus();
    }

    // Leaving a field checks it once, even when the input box takes the focus meanwhile.
    // Cancel gives the empty text, reported as missing until a text passes; titles and
    // texts follow the language.
    void chargeTimeIsCheckedUntilItPasses() {
        QLineEdit* charge = field("Text16");
        m_dialogs.field = charge;
        m_dialogs.answerInput(QStringLiteral("3"));
        charge->setText(QStringLiteral("9"));
        sendFocus(charge, QEvent::FocusOut, Qt::TabFocusReason);
        QCOMPARE(m_dialogs.calls().size(), 1);
        QCOMPARE(m_dialogs.lastCall().text, "Maximal Charge Time is 8ms! Type again!");
        QCOMPARE(charge->text(), "3,0");

        m_texts.setLanguage(Language::Hungarian);
        m_dialogs.clear();
        m_dialogs.field = nullptr;
        m_dialogs.answerInput(QString());
        m_dialogs.answerInput(QStringLiteral("3"));
        QTest::mouseClick(charge, Qt::LeftButton);
        QTest::keyClicks(charge, QStringLiteral("9"));
        QTest::keyClick(charge, Qt::Key_Return);
        QCOMPARE(m_dialogs.calls().value(0).title + " " + m_dialogs.calls().value(1).title,
                 "Figyelem! Figyelem");
        QCOMPARE(m_dialogs.calls().value(1).text,
                 "Zárásidőt kötelező megadni! Alapértelmezett érték: 6 ms! Adja meg újból!");
        QCOMPARE(texts("Text16 Label11"), "Text16=3,0 Label11=Szikrateljesítmény határ(RPM): 7143");
    }

    // Escape brings back the text the field had when entered, not the one it had when
    // another window took and gave back the focus.
    void clickSelectsAllAndEscapeRestores() {
        QLineEdit* spark = field("Text15");
        QTest::mouseClick(spark, Qt::LeftButton);
        QTest::mouseClick(spark, Qt::LeftButton); // a second click keeps the selection
        QCOMPARE(spark->selectedText(), "1,2");
        QTest::keyClicks(spark, QStringLiteral("77"));
        sendFocus(spark, QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        sendFocus(spark, QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QVERIFY(m_dialogs.calls().isEmpty());
        QTest::keyClick(spark, Qt::Key_Escape);
        QCOMPARE(spark->text(), "1,2");
    }

    // Bipolar operation forces its settings; normal operation takes the default dwell of
    // the count. Time control then brings back the default times, but choosing the same
    // mode again changes nothing.
    void bipolarForcesItsSettingsAndNormalRestoresThem() {
        MapDocument doc = document(kSixCylinders, 0, 0, true);
        doc.inputChargeDwell = QStringLiteral("40");
        doc.chargeCorrectionIntervals = 3;
        load(doc);

        choose("Combo12", 1);
        QVERIFY(w<QComboBox>("Combo4")->currentIndex() == 1 &&
                w<QRadioButton>("Option3")->isChecked());
        QCOMPARE(texts("Combo7 Combo10"), "Combo7=2 Combo10=0");
        QCOMPARE(texts("Text19 Label11"), "Text19=180 Label11=Coil Discharge Limit(RPM): 25000");

        choose("Combo12", 0);
        QCOMPARE(texts("Text19 Label11"), "Text19=55 Label11=Coil Discharge Limit(RPM): 34722");
        field("Text15")->setText(QStringLiteral("1,7"));
        choose("Combo4", 0);
        QCOMPARE(texts("Text15 Text16"), "Text15=1,2 Text16=5");
        field("Text15")->setText(QStringLiteral("1,7"));
        choose("Combo4", 0);
        QCOMPARE(field("Text15")->text(), "1,7");
    }

    // A count typed into the chooser is taken only when listed; more cylinders clamp the
    // dwells.
    void cylinderChoicesClampTheDwells() {
        MapDocument doc = document(kFourCylinders, 1, 0, true);
        doc.dwellAngle = doc.inputChargeDwell = QStringLiteral("60");
        load(doc);
        QLineEdit* typed = w<QComboBox>("Combo7")->lineEdit();
        typed->selectAll();
        QTest::keyClicks(typed, QStringLiteral("7"));
        QTest::keyClick(typed, Qt::Key_Return);
        QCOMPARE(texts("Combo7 Text19 Text14"), "Combo7=4 Text19=60 Text14=60");
        choose("Combo7", kEightCylinders);
        QCOMPARE(texts("Combo7 Text19 Text14"), "Combo7=8 Text19=44 Text14=44");
    }

    // Input dwell mode opens its field with the default dwell when there is no charge
    // dwell. A bipolar map loaded over a map in Time mode shows the bipolar fields, not the
    // previous map's; a map in input dwell mode loaded next opens its field again. The
    // loaded values themselves are guarded through the window.
    void inputDwellFieldAndLoadedModes() {
        load(document(kFourCylinders, 0));
        w<QRadioButton>("Option4")->click();
        QCOMPARE(field("Text14")->text(), "55");

        load(document(0, 1, 1));
        compareStates(m_root.get(),
                      "Text15:hidden Label16:shown Label18:hidden Combo7:disabled Text14:disabled");
        load(document(kSixCylinders, 1, 0, true));
        compareStates(m_root.get(), "Label16:hidden Label18:shown Text14:shown Combo7:shown");
    }
};

QTEST_MAIN(SettingsPanelTest)
#include "tst_settings_panel.moc"
