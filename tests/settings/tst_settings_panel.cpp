#include "core/form_state.h"
#include "core/map_document.h"
#include "language/language_texts.h"
#include "settings/settings_panel.h"
#include "tests/support/scripted_dialogs.h"
#include "ui/main_form.h"

#include <QComboBox>
#include <QLabel>
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

// More cylinders clamp the dwells (typed empty: the count is chosen from the list).
struct CylinderChoice {
    QString typed;
    int coilControlMode, index;
    QString dwell, inputDwell;
};
} // namespace

// The tests run with the decimal comma, so a text's separator is the locale's own.
class SettingsPanelTest : public QObject {
    Q_OBJECT
  private:
    FocusStealingDialogs m_dialogs;
    FormState m_state;
    LanguageTexts m_texts;
    std::unique_ptr<QWidget> m_root;
    std::unique_ptr<SettingsPanel> m_panel;

    template <class T> T* w(const char* name) const {
        return m_root->findChild<T*>(QString::fromLatin1(name));
    }
    QLineEdit* field(const char* name) const { return w<QLineEdit>(name); }

    // Loads a document the way a map file is applied: values first, then the layout.
    void load(const MapDocument& document) {
        m_state.documentReady = false;
        m_panel->applyDocument(document);
        m_panel->applyLoadedModes();
        m_state.documentReady = true;
    }
    MapDocument document(int cylinders, int coilControlMode, int operationMode = 0) const {
        MapDocument doc = MapDocument::startupDefaults(m_state.decimalSeparator);
        doc.cylinders = cylinders;
        doc.coilControlMode = coilControlMode;
        doc.operationMode = operationMode;
        doc.dwellAngle = operationMode == 1 ? "180" : coilControlMode == 1 ? "55" : "";
        return doc;
    }
    // What choosing an item in the open list does.
    void choose(const char* combo, int index) {
        QComboBox* c = w<QComboBox>(combo);
        c->setCurrentIndex(index);
        emit c->activated(index);
    }
    QString caption() const { return w<QLabel>("Label11")->text(); }
    bool shown(const char* name) const { return w<QWidget>(name)->isVisible(); }
    bool enabled(const char* name) const { return w<QWidget>(name)->isEnabled(); }

  private slots:
    // One form for all tests; every test starts from the start-up document loaded anew.
    void initTestCase() {
        m_root = std::make_unique<QWidget>();
        buildMainForm(m_root.get());
        m_root->show();
    }
    void init() {
        m_state = FormState{false, {}, ",", "."};
        m_texts.setLanguage(Language::English);
        m_dialogs.clear();
        m_dialogs.field = nullptr;
        m_panel = std::make_unique<SettingsPanel>(m_root.get(), m_state, m_texts, m_dialogs);
        load(MapDocument::startupDefaults(","));
    }
    void cleanup() {
        QCOMPARE(m_dialogs.pendingAnswers(), 0);
        m_panel.reset();
        // The next test's start-up texts must not be checked as if typed here.
        if (QWidget* focused = QApplication::focusWidget())
            focused->clearFocus();
    }

    // Cancel gives the empty text, reported as missing until a text passes; titles and
    // texts follow the language.
    void cancelReasksUntilTheTextPasses() {
        m_texts.setLanguage(Language::Hungarian);
        m_dialogs.answerInput(QString());
        m_dialogs.answerInput(QStringLiteral("3"));
        QTest::mouseClick(field("Text16"), Qt::LeftButton);
        QTest::keyClicks(field("Text16"), QStringLiteral("9"));
        QTest::keyClick(field("Text16"), Qt::Key_Return);
        QCOMPARE(m_dialogs.calls().value(0).title, QStringLiteral("Figyelem!"));
        QCOMPARE(m_dialogs.calls().value(1).title, QStringLiteral("Figyelem"));
        QCOMPARE(m_dialogs.calls().value(1).text,
                 QStringLiteral(
                     "Zárásidőt kötelező megadni! Alapértelmezett érték: 6 ms! Adja meg újból!"));
        QCOMPARE(field("Text16")->text(), QStringLiteral("3,0"));
        QCOMPARE(caption(), QStringLiteral("Szikrateljesítmény határ(RPM): 7143"));
    }

    void leavingAFieldChecksItOnceEvenWhenTheBoxTakesTheFocus() {
        QLineEdit* charge = field("Text16");
        m_dialogs.field = charge;
        m_dialogs.answerInput(QStringLiteral("3"));
        charge->setText(QStringLiteral("9"));
        sendFocus(charge, QEvent::FocusOut, Qt::TabFocusReason);
        QCOMPARE(m_dialogs.calls().size(), 1);
        QCOMPARE(m_dialogs.lastCall().text,
                 QStringLiteral("Maximal Charge Time is 8ms! Type again!"));
        QCOMPARE(charge->text(), QStringLiteral("3,0"));
    }

    // Escape brings back the text the field had when entered, not the one it had when
    // another window took and gave back the focus.
    void clickSelectsAllAndEscapeRestores() {
        QLineEdit* spark = field("Text15");
        QTest::mouseClick(spark, Qt::LeftButton);
        QTest::mouseClick(spark, Qt::LeftButton); // a second click keeps the selection
        QCOMPARE(spark->selectedText(), QStringLiteral("1,2"));
        QTest::keyClicks(spark, QStringLiteral("77"));
        sendFocus(spark, QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        sendFocus(spark, QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QVERIFY(m_dialogs.calls().isEmpty());
        QTest::keyClick(spark, Qt::Key_Escape);
        QCOMPARE(spark->text(), QStringLiteral("1,2"));
    }

    // Dwell control takes the default dwell of the count and locks the correction rows;
    // time control brings back the default times, but choosing the same mode again
    // changes nothing.
    void timeAndDwellWithEightCylinders() {
        load(document(kEightCylinders, 0));
        field("Text15")->setText(QStringLiteral("1,7"));
        choose("Combo4", 1);
        QCOMPARE(field("Text19")->text(), QStringLiteral("44"));
        QVERIFY(shown("Text19") && shown("Label18") && !shown("Text15") && !enabled("Combo10"));

        choose("Combo4", 0);
        QCOMPARE(field("Text15")->text() + " " + field("Text16")->text(), QStringLiteral("1,2 5"));
        QVERIFY(shown("Text15") && !shown("Text19") && enabled("Combo10"));
        field("Text15")->setText(QStringLiteral("1,7"));
        choose("Combo4", 0);
        QCOMPARE(field("Text15")->text(), QStringLiteral("1,7"));
    }

    void bipolarForcesItsSettingsAndNormalRestoresThem() {
        MapDocument doc = document(kSixCylinders, 0);
        doc.inputDwellMode = true;
        doc.inputChargeDwell = QStringLiteral("40");
        doc.chargeCorrectionIntervals = 3;
        load(doc);

        choose("Combo12", 1);
        QVERIFY(w<QComboBox>("Combo7")->currentIndex() == 0 &&
                w<QComboBox>("Combo10")->currentIndex() == 0 &&
                w<QComboBox>("Combo4")->currentIndex() == 1 &&
                w<QRadioButton>("Option3")->isChecked());
        QCOMPARE(field("Text19")->text(), QStringLiteral("180"));
        for (const char* name :
             {"Option3", "Option4", "Text14", "Combo7", "Combo2", "Combo3", "Combo10", "Combo4"})
            QVERIFY2(!enabled(name), name);
        QVERIFY(shown("Label16") && shown("Text19") && !shown("Label18") && !shown("Text15"));
        QCOMPARE(caption(), QStringLiteral("Coil Discharge Limit(RPM): 25000"));

        choose("Combo12", 0);
        for (const char* name : {"Option3", "Option4", "Combo7", "Combo2", "Combo3", "Combo4"})
            QVERIFY2(enabled(name), name);
        QVERIFY(!enabled("Text14") && !enabled("Combo10"));
        QVERIFY(!shown("Label16") && shown("Label18") && field("Text19")->text() == "55");
        QCOMPARE(caption(), QStringLiteral("Coil Discharge Limit(RPM): 34722"));
    }

    // A count typed into the chooser is taken only when listed.
    void cylinderChoicesClampTheDwells_data() {
        QTest::addColumn<CylinderChoice>("choice");
        QTest::newRow("dwell mode") << CylinderChoice{"", 1, kEightCylinders, "44", "44"};
        QTest::newRow("time mode keeps the hidden dwell")
            << CylinderChoice{"", 0, kEightCylinders, "60", "44"};
        QTest::newRow("typed, not listed") << CylinderChoice{"7", 1, kFourCylinders, "60", "60"};
    }
    void cylinderChoicesClampTheDwells() {
        QFETCH(CylinderChoice, choice);
        MapDocument doc = document(kFourCylinders, choice.coilControlMode);
        doc.dwellAngle = doc.inputChargeDwell = QStringLiteral("60");
        doc.inputDwellMode = true;
        load(doc);
        QComboBox* combo = w<QComboBox>("Combo7");
        if (choice.typed.isEmpty()) {
            choose("Combo7", choice.index);
        } else {
            combo->lineEdit()->selectAll();
            QTest::keyClicks(combo->lineEdit(), choice.typed);
            QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        }
        QCOMPARE(combo->currentIndex(), choice.index);
        QCOMPARE(combo->currentText(), combo->itemText(choice.index));
        QCOMPARE(field("Text19")->text() + " " + field("Text14")->text(),
                 choice.dwell + " " + choice.inputDwell);
    }

    // Input dwell mode opens its field with the charge dwell within the field's limit, or
    // with the default dwell when there is no charge dwell.
    void inputDwellModeTakesTheChargeDwellWithinItsLimit() {
        MapDocument doc = document(kFourCylinders, 0);
        doc.dwellAngle = QStringLiteral("89");
        load(doc);
        QVERIFY(!enabled("Text14"));
        w<QRadioButton>("Option4")->click();
        QVERIFY(enabled("Text14") && field("Text14")->text() == "60");
        w<QRadioButton>("Option3")->click();
        QVERIFY(!enabled("Text14"));
        field("Text19")->clear();
        w<QRadioButton>("Option4")->click();
        QCOMPARE(field("Text14")->text(), QStringLiteral("55"));
    }

    // A bipolar map loaded over a map in Time mode shows the bipolar fields, not the
    // previous map's; a map in input dwell mode loaded next opens its field again. The
    // loaded values themselves are guarded through the window.
    void loadingLaysOutTheLoadedModes() {
        load(document(0, 1, 1));
        QVERIFY(!shown("Text15") && !shown("Label3") && shown("Label16") && !shown("Label18"));
        QVERIFY(!enabled("Combo7") && !enabled("Text14"));
        MapDocument normal = document(kSixCylinders, 1);
        normal.inputDwellMode = true;
        load(normal);
        QVERIFY(!shown("Label16") && shown("Label18") && enabled("Text14") && enabled("Combo7"));
    }
};

QTEST_MAIN(SettingsPanelTest)
#include "tst_settings_panel.moc"
