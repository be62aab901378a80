#include "settings/settings_panel.h"

#include "core/form_state.h"
#include "core/form_widgets.h"
#include "core/map_document.h"
#include "core/numeric_text.h"
#include "editor/checked_fields.h"
#include "settings/critical_rpm.h"
#include "settings/field_checks.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QWidget>
#include <algorithm>

namespace {
constexpr int kDwell = 1;
constexpr int kBipolar = 1;

// A document index outside the list would leave the chooser without a selection; the
// list's nearest item is shown instead. Returns the index shown.
int selectIndex(QComboBox* combo, int index) {
    const int shown = qBound(0, index, combo->count() - 1);
    combo->setCurrentIndex(shown);
    return shown;
}

bool isWholeNumberText(const QString& text) {
    return !text.isEmpty() && IsIntegerText(text);
}
} // namespace

SettingsPanel::SettingsPanel(const FormWidgets& form, DocumentModel& model, FormState& state,
                             const LanguageTexts& texts, Dialogs& dialogs, QObject* parent)
    : QObject(parent), m_state(state), m_texts(texts), m_model(model), m_values(model.map()),
      m_fields(new CheckedFields(state, texts, dialogs, this)), m_inputDwell(form.inputDwell),
      m_spark(form.spark), m_charge(form.charge), m_revLimit(form.revLimit), m_dwell(form.dwell),
      m_port(form.port), m_outputPolarity(form.outputPolarity), m_inputPolarity(form.inputPolarity),
      m_coilControl(form.coilControl), m_cylinders(form.cylinders),
      m_correctionIntervals(form.chargeCorrectionCount), m_operationMode(form.operationMode),
      m_inputDwellOff(form.inputDwellOff), m_inputDwellOn(form.inputDwellOn),
      m_sparkLabel(form.sparkLabel), m_chargeLabel(form.chargeLabel), m_limitLabel(form.limitLabel),
      m_correctionLabel(form.correctionLabel), m_dwellLabel(form.dwellLabel) {
    for (const auto& [edit, field] : {std::pair{m_inputDwell, SettingsField::InputChargeDwell},
                                      {m_spark, SettingsField::SparkTime},
                                      {m_charge, SettingsField::ChargeTime},
                                      {m_revLimit, SettingsField::RevLimit},
                                      {m_dwell, SettingsField::DwellAngle}})
        attachField(edit, field);
    follow(m_operationMode, &MapDocument::operationMode);
    follow(m_coilControl, &MapDocument::coilControlMode);
    follow(m_cylinders, &MapDocument::cylinders);
    follow(m_inputPolarity, &MapDocument::inputPolarity);
    follow(m_outputPolarity, &MapDocument::outputPolarity);
    follow(m_correctionIntervals, &MapDocument::chargeCorrectionIntervals);
    connect(m_inputDwellOn, &QRadioButton::toggled, this,
            [this](bool on) { m_values.inputDwellMode = on; });

    // Only the user's choices run the rules; values set from code never do.
    connect(m_coilControl, &QComboBox::activated, this, &SettingsPanel::onCoilControlModeChosen);
    connect(m_operationMode, &QComboBox::activated, this, &SettingsPanel::onOperationModeChosen);
    connect(m_cylinders, &QComboBox::activated, this, &SettingsPanel::onCylindersChosen);
    connect(m_inputDwellOff, &QRadioButton::toggled, this, &SettingsPanel::onInputDwellOff);
    connect(m_inputDwellOn, &QRadioButton::toggled, this, &SettingsPanel::onInputDwellOn);
    connect(m_port, &QComboBox::activated, this,
            [this](int index) { emit portNumberChanged(index + 1); });

    // The cylinder count is read from the list, so a typed count must be one of its items.
    m_cylinders->setInsertPolicy(QComboBox::NoInsert);
    if (QLineEdit* typed = m_cylinders->lineEdit())
        connect(typed, &QLineEdit::editingFinished, this, &SettingsPanel::restoreCylinderText);
}

void SettingsPanel::attachField(QLineEdit* edit, SettingsField field) {
    CheckedFields::Rules rules;
    rules.check = [this, field](const QString& text) {
        return checkSettingsField(field, text, fieldContext());
    };
    rules.commit = [this, edit](const QString& text) {
        valueOf(edit) = text;
        if (edit != m_inputDwell && edit != m_revLimit)
            setCriticalRpm();
        emit m_model.settingsChanged();
    };
    rules.enterRemembersText = true;
    m_fields->attach(edit, std::move(rules));
}

bool SettingsPanel::checkField(QWidget* field) {
    if (field == m_cylinders || (field && field == m_cylinders->lineEdit())) {
        commitCylinderText();
        return true;
    }
    return m_fields->checkIfAttached(field);
}

// A count typed into the list and not yet confirmed is taken as Enter would take it, so
// an action that leaves the list (save, close, send) never works with the old count.
void SettingsPanel::commitCylinderText() {
    const int typed = m_cylinders->findText(m_cylinders->currentText());
    if (typed >= 0 && typed != m_cylinders->currentIndex()) {
        m_cylinders->setCurrentIndex(typed);
        emit m_cylinders->activated(typed);
    }
    restoreCylinderText();
}

void SettingsPanel::applyDocument(const MapDocument& document) {
    m_values.copySettingsFrom(document);
    {
        const QSignalBlocker off(m_inputDwellOff);
        const QSignalBlocker on(m_inputDwellOn);
        (document.inputDwellMode ? m_inputDwellOn : m_inputDwellOff)->setChecked(true);
    }
    for (QLineEdit* edit : {m_spark, m_charge, m_dwell, m_inputDwell, m_revLimit})
        edit->setText(valueOf(edit));
    for (const auto& [list, value] :
         {std::pair{m_operationMode, &MapDocument::operationMode},
          {m_coilControl, &MapDocument::coilControlMode},
          {m_cylinders, &MapDocument::cylinders},
          {m_inputPolarity, &MapDocument::inputPolarity},
          {m_outputPolarity, &MapDocument::outputPolarity},
          {m_correctionIntervals, &MapDocument::chargeCorrectionIntervals}})
        m_values.*value = selectIndex(list, document.*value);
}

void SettingsPanel::applyLoadedModes() {
    const bool isBipolar = bipolar();
    // Bipolar operation always works by dwell, whatever the coil chooser says.
    const int coilMode = isBipolar ? kDwell : m_values.coilControlMode;
    layOutCoilControl(coilMode);
    layOutOperationMode(isBipolar);
    applyLoadedInputDwellMode();
    m_appliedCoilControlMode = coilMode;
    m_appliedOperationMode = m_values.operationMode;
    setCriticalRpm();
}

void SettingsPanel::applyLoadedInputDwellMode() {
    m_inputDwell->setEnabled(!bipolar() && m_values.inputDwellMode);
}

void SettingsPanel::setCriticalRpm() {
    CoilSettings settings;
    settings.operationMode = m_values.operationMode;
    settings.coilControlMode = m_values.coilControlMode;
    settings.cylinders = cylinders();
    settings.sparkTime = m_values.sparkTime;
    settings.chargeTime = m_values.chargeTime;
    settings.dwellAngle = m_values.dwellAngle;
    settings.decimalSeparator = m_state.decimalSeparator;
    m_limitLabel->setText(criticalRpmCaption(settings, m_texts));
}

int SettingsPanel::portNumber() const {
    return m_port->currentIndex() + 1;
}

void SettingsPanel::setPortNumber(int portNumber) {
    selectIndex(m_port, portNumber - 1);
}

int SettingsPanel::cylinders() const {
    return m_values.cylinderCount();
}

bool SettingsPanel::bipolar() const {
    return m_values.operationMode == kBipolar;
}

FieldContext SettingsPanel::fieldContext() const {
    return {cylinders(), bipolar(), m_state.decimalSeparator, m_state.otherSeparator};
}

void SettingsPanel::onCoilControlModeChosen() {
    const int mode = m_values.coilControlMode;
    if (mode == m_appliedCoilControlMode)
        return;
    layOutCoilControl(mode);
    if (mode == kDwell) {
        setNumber(m_dwell, defaultChargeDwell(cylinders()));
        m_correctionIntervals->setCurrentIndex(0);
    } else {
        setNumber(m_spark, 1.2);
        setValue(m_charge, QStringLiteral("5"));
    }
    m_appliedCoilControlMode = mode;
    setCriticalRpm();
}

void SettingsPanel::onOperationModeChosen() {
    const int mode = m_values.operationMode;
    if (!m_state.documentReady || mode == m_appliedOperationMode)
        return;
    if (mode == kBipolar) {
        m_inputDwellOff->setChecked(true);
        m_cylinders->setCurrentIndex(0);
        m_correctionIntervals->setCurrentIndex(0);
        selectDwellControl();
        setValue(m_dwell, QStringLiteral("180"));
    } else {
        selectDwellControl();
        setNumber(m_dwell, defaultChargeDwell(cylinders()));
    }
    layOutOperationMode(mode == kBipolar);
    m_appliedOperationMode = mode;
    setCriticalRpm();
}

void SettingsPanel::onCylindersChosen() {
    if (!m_state.documentReady)
        return;
    const int count = cylinders();
    const QString inputDwell = m_values.inputChargeDwell;
    if (isWholeNumberText(inputDwell) && inputDwell.toDouble() > maxInputChargeDwell(count))
        setNumber(m_inputDwell, maxInputChargeDwell(count));
    const QString dwell = m_values.dwellAngle;
    if (m_values.coilControlMode == kDwell && isWholeNumberText(dwell) &&
        dwell.toDouble() > maxChargeDwell(count))
        setNumber(m_dwell, maxChargeDwell(count));
    setCriticalRpm();
}

void SettingsPanel::onInputDwellOff(bool checked) {
    if (checked && m_state.documentReady)
        m_inputDwell->setEnabled(false);
}

void SettingsPanel::onInputDwellOn(bool checked) {
    if (!checked || !m_state.documentReady)
        return;
    m_inputDwell->setEnabled(true);
    const QString dwell = m_values.dwellAngle;
    // The charge dwell may be left over from another cylinder count, so it is taken
    // only as far as the input charge dwell allows.
    const int count = cylinders();
    setNumber(m_inputDwell, isWholeNumberText(dwell)
                                ? std::min(dwell.toDouble(), maxInputChargeDwell(count))
                                : defaultChargeDwell(count));
}

void SettingsPanel::restoreCylinderText() {
    const QString listed = m_cylinders->itemText(m_cylinders->currentIndex());
    if (m_cylinders->currentText() != listed)
        m_cylinders->setEditText(listed);
}

void SettingsPanel::selectDwellControl() {
    m_coilControl->setCurrentIndex(kDwell);
    onCoilControlModeChosen();
}

void SettingsPanel::layOutCoilControl(int mode) {
    const bool dwell = mode == kDwell;
    m_sparkLabel->setVisible(!dwell);
    m_chargeLabel->setVisible(!dwell);
    m_spark->setVisible(!dwell);
    m_charge->setVisible(!dwell);
    m_dwellLabel->setVisible(dwell);
    m_dwell->setVisible(dwell);
    m_correctionIntervals->setEnabled(!dwell);
}

// In bipolar operation everything but the dwell correction is fixed by the controller.
void SettingsPanel::layOutOperationMode(bool isBipolar) {
    const QList<QWidget*> fixedWhenBipolar{m_inputDwellOff, m_inputDwellOn,   m_coilControl,
                                           m_cylinders,     m_outputPolarity, m_inputPolarity};
    for (QWidget* w : fixedWhenBipolar)
        w->setEnabled(!isBipolar);
    if (isBipolar) {
        m_inputDwell->setEnabled(false);
        m_correctionIntervals->setEnabled(false);
    }
    // Text19 is the same field in both modes; only its label tells which value it holds.
    m_dwellLabel->setVisible(!isBipolar && m_values.coilControlMode == kDwell);
    m_correctionLabel->setVisible(isBipolar);
}

void SettingsPanel::setNumber(QLineEdit* edit, double value) {
    setValue(edit, formatSettingNumber(value, m_state.decimalSeparator));
}

QString& SettingsPanel::valueOf(QLineEdit* edit) {
    return edit == m_spark        ? m_values.sparkTime
           : edit == m_charge     ? m_values.chargeTime
           : edit == m_dwell      ? m_values.dwellAngle
           : edit == m_inputDwell ? m_values.inputChargeDwell
                                  : m_values.revLimit;
}

void SettingsPanel::setValue(QLineEdit* edit, const QString& text) {
    valueOf(edit) = text;
    edit->setText(text);
}

void SettingsPanel::follow(QComboBox* list, int MapDocument::*value) {
    connect(list, &QComboBox::currentIndexChanged, this,
            [this, value](int index) { m_values.*value = index; });
}
