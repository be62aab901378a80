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
#include <QSignalSpy>
#include <QtTest>
#include <memory>

namespace {
constexpr int kFourCylinders = 2;
constexpr int kSixCylinders = 4;
constexpr int kEightCylinders = 5;

// Turns the focus away from a field while its input box is up, as a real modal box
// does, before it answers from the script.
class FocusStealingDialogs : public ScriptedDialogs {
  public:
    QLineEdit* field = nullptr;
    QString input(const QString& prompt, const QString& title) override {
        if (field) {
            QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
            QCoreApplication::sendEvent(field, &out);
        }
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
    std::unique_ptr<QWidget> m_root;
    std::unique_ptr<SettingsPanel> m_panel;

    QString separator() const { return m_state.decimalSeparator; }
    // "." in a test text stands for the locale's separator, "~" for the other one.
    QString local(QString text) const {
        text.replace(QLatin1Char('.'), separator());
        return text.replace(QLatin1Char('~'), m_state.otherSeparator);
    }
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
        MapDocument doc = MapDocument::startupDefaults(separator());
        doc.cylinders = cylinders;
        doc.coilControlMode = coilControlMode;
        doc.operationMode = operationMode;
        doc.dwellAngle = operationMode == 1     ? QStringLiteral("180")
                         : coilControlMode == 1 ? QStringLiteral("55")
                                                : QString();
        return doc;
    }
    // What choosing an item in the open list does.
    void choose(const char* combo, int index) {
        QComboBox* c = w<QComboBox>(combo);
        c->setCurrentIndex(index);
        emit c->activated(index);
    }
    void typeAndEnter(const char* name, const QString& text) {
        QLineEdit* edit = field(name);
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    QStringList prompts() const {
        QStringList list;
        for (const ScriptedDialogs::Call& call : m_dialogs.calls())
            list << call.text;
        return list;
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
        const QString separator = QStringLiteral(",");
        m_state = FormState{};
        m_state.decimalSeparator = separator;
        m_state.otherSeparator = QStringLiteral(".");
        m_texts.setLanguage(Language::English);
        m_dialogs.clear();
        m_dialogs.field = nullptr;
        m_panel = std::make_unique<SettingsPanel>(m_root.get(), m_state, m_texts, m_dialogs);
        load(MapDocument::startupDefaults(separator));
    }
    void cleanup() {
        QCOMPARE(m_dialogs.pendingAnswers(), 0);
        m_panel.reset();
        // The next test's start-up texts must not be checked as if typed here.
        if (QWidget* focused = QApplication::focusWidget())
            focused->clearFocus();
    }
    void cleanupTestCase() { m_root.reset(); }

    // Cancel gives the empty text, reported as missing (except for the rev limit) until
    // a text passes; titles and texts follow the language.
    void cancelReasksUntilTheTextPasses() {
        m_texts.setLanguage(Language::Hungarian);
        m_dialogs.answerInput(QString());
        m_dialogs.answerInput(QStringLiteral("3"));
        typeAndEnter("Text16", QStringLiteral("9"));
        QCOMPARE(m_dialogs.calls().value(0).title, QStringLiteral("Figyelem!"));
        QCOMPARE(m_dialogs.calls().value(1).title, QStringLiteral("Figyelem"));
        QCOMPARE(m_dialogs.calls().value(1).text,
                 QStringLiteral(
                     "Zárásidőt kötelező megadni! Alapértelmezett érték: 6 ms! Adja meg újból!"));
        QCOMPARE(field("Text16")->text(), local("3.0"));
        QCOMPARE(caption(), QStringLiteral("Szikrateljesítmény határ(RPM): 7143"));
    }

    void leavingAFieldChecksItOnceEvenWhenTheBoxTakesTheFocus() {
        QLineEdit* charge = field("Text16");
        m_dialogs.field = charge;
        m_dialogs.answerInput(QStringLiteral("3"));
        charge->setText(QStringLiteral("9"));
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(charge, &out);
        QCOMPARE(prompts(), QStringList{"Maximal Charge Time is 8ms! Type again!"});
        QCOMPARE(charge->text(), local("3.0"));
    }

    // Escape brings back the text the field had when entered, not the one it had when
    // another window took and gave back the focus.
    void clickSelectsAllAndEscapeRestores() {
        QLineEdit* spark = field("Text15");
        QTest::mouseClick(spark, Qt::LeftButton);
        QTest::mouseClick(spark, Qt::LeftButton); // a second click keeps the selection
        QCOMPARE(spark->selectedText(), local("1.2"));
        QTest::keyClicks(spark, QStringLiteral("77"));
        QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(spark, &out);
        QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(spark, &in);
        QVERIFY(m_dialogs.calls().isEmpty());
        QTest::keyClick(spark, Qt::Key_Escape);
        QCOMPARE(spark->text(), local("1.2"));
    }

    void timeAndDwellWithEightCylinders() {
        load(document(kEightCylinders, 0));
        field("Text15")->setText(local("1.7"));
        choose("Combo4", 1);
        QCOMPARE(field("Text19")->text(), QStringLiteral("44"));
        QVERIFY(shown("Text19") && shown("Label18") && !shown("Text15") && !shown("Label4"));
        QVERIFY(!enabled("Combo10"));

        choose("Combo4", 0);
        QCOMPARE(field("Text15")->text(), local("1.2"));
        QCOMPARE(field("Text16")->text(), QStringLiteral("5"));
        QVERIFY(shown("Text15") && shown("Text16") && !shown("Text19") && !shown("Label18"));
        QVERIFY(enabled("Combo10"));
        QCOMPARE(m_panel->appliedCoilControlMode(), 0);
        field("Text15")->setText(local("1.7"));
        choose("Combo4", 0); // the same mode again changes nothing
        QCOMPARE(field("Text15")->text(), local("1.7"));
    }

    void bipolarForcesItsSettingsAndNormalRestoresThem() {
        MapDocument doc = document(kSixCylinders, 0);
        doc.inputDwellMode = true;
        doc.inputChargeDwell = QStringLiteral("40");
        doc.chargeCorrectionIntervals = 3;
        load(doc);

        choose("Combo12", 1);
        QVERIFY(w<QComboBox>("Combo7")->currentIndex() == 0 &&
                w<QComboBox>("Combo10")->currentIndex() == 0);
        QVERIFY(w<QComboBox>("Combo4")->currentIndex() == 1 &&
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
        QVERIFY(!shown("Label16") && shown("Label18") && shown("Text19"));
        QCOMPARE(field("Text19")->text(), QStringLiteral("55"));
        QCOMPARE(m_panel->appliedOperationMode(), 0);
        QCOMPARE(caption(), QStringLiteral("Coil Discharge Limit(RPM): 34722"));
    }

    // More cylinders clamp the dwells; a count typed into the chooser is taken only
    // when listed (typed empty: chosen from the list).
    void cylinderChoicesClampTheDwells_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("coilControlMode");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("dwell");
        QTest::addColumn<QString>("inputDwell");
        QTest::newRow("dwell mode") << "" << 1 << kEightCylinders << "44"
                                    << "44";
        QTest::newRow("time mode keeps the hidden dwell") << "" << 0 << kEightCylinders << "60"
                                                          << "44";
        QTest::newRow("typed, not listed") << "7" << 1 << kFourCylinders << "60"
                                           << "60";
    }
    void cylinderChoicesClampTheDwells() {
        QFETCH(QString, typed);
        QFETCH(int, coilControlMode);
        QFETCH(int, index);
        QFETCH(QString, dwell);
        QFETCH(QString, inputDwell);
        MapDocument doc = document(kFourCylinders, coilControlMode);
        doc.dwellAngle = QStringLiteral("60");
        doc.inputDwellMode = true;
        doc.inputChargeDwell = QStringLiteral("60");
        load(doc);
        QComboBox* combo = w<QComboBox>("Combo7");
        if (typed.isEmpty()) {
            choose("Combo7", index);
        } else {
            combo->lineEdit()->selectAll();
            QTest::keyClicks(combo->lineEdit(), typed);
            QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        }
        QCOMPARE(combo->currentIndex(), index);
        QCOMPARE(combo->currentText(), combo->itemText(index));
        QCOMPARE(field("Text19")->text() + " " + field("Text14")->text(), dwell + " " + inputDwell);
    }

    void inputDwellModeTakesTheChargeDwellWithinItsLimit_data() {
        QTest::addColumn<QString>("dwell");
        QTest::addColumn<QString>("taken");
        QTest::newRow("too large for the input dwell") << "89"
                                                       << "60";
        QTest::newRow("no charge dwell") << ""
                                         << "55";
    }
    void inputDwellModeTakesTheChargeDwellWithinItsLimit() {
        QFETCH(QString, dwell);
        QFETCH(QString, taken);
        MapDocument doc = document(kFourCylinders, 0);
        doc.dwellAngle = dwell;
        load(doc);
        QVERIFY(!enabled("Text14"));
        w<QRadioButton>("Option4")->click();
        QVERIFY(enabled("Text14"));
        QCOMPARE(field("Text14")->text(), taken);
        w<QRadioButton>("Option3")->click();
        QVERIFY(!enabled("Text14"));
    }

    // A bipolar map loaded over a map in Time mode shows the bipolar fields, not the
    // previous map's; loading keeps every loaded value.
    void loadingLaysOutTheLoadedModesAndKeepsTheValues() {
        MapDocument bipolar = document(0, 1, 1);
        bipolar.dwellAngle = local("180.5");
        bipolar.revLimit = QStringLiteral("6500");
        bipolar.inputPolarity = 1;
        load(bipolar);
        QVERIFY(!shown("Text15") && !shown("Label3") && shown("Label16") && !shown("Label18"));
        QVERIFY(m_panel->appliedOperationMode() == 1 && m_panel->appliedCoilControlMode() == 1);
        MapDocument collected;
        m_panel->collectInto(collected);
        QCOMPARE(collected.dwellAngle + collected.revLimit, local("180.5") + "6500");
        QCOMPARE(collected.inputPolarity, 1);

        MapDocument normal = document(kSixCylinders, 1);
        normal.inputDwellMode = true;
        normal.inputChargeDwell = QStringLiteral("33");
        load(normal);
        QVERIFY(!shown("Label16") && shown("Label18") && enabled("Text14") && enabled("Combo7"));
        m_panel->collectInto(collected);
        QVERIFY(collected.inputChargeDwell == "33" && collected.cylinders == kSixCylinders);
    }

    void portChooser() {
        QSignalSpy spy(m_panel.get(), &SettingsPanel::portNumberChanged);
        choose("Combo1", 4);
        QCOMPARE(spy.value(0).value(0).toInt(), 5);
    }
};

QTEST_MAIN(SettingsPanelTest)
#include "tst_settings_panel.moc"
