#pragma once

#include "core/document_model.h"
#include "core/form_widgets.h"
#include "settings/field_checks.h"

#include <QObject>

class Dialogs;
class CheckedFields;
class LanguageTexts;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;
struct FormState;

// The ignition settings beside the table: the checked coil, dwell and rev-limit fields,
// the choosers that switch fields on and off and fill dependent fields, the spark power
// limit read-out and the serial port chooser. It works on the design widgets of the
// window.
//
// The panel changes the settings of the window's map in place: a field shows its value and
// holds only the text being typed, which becomes the value once its check passes; a list's
// choice is its value.
class SettingsPanel : public QObject {
    Q_OBJECT
  public:
    SettingsPanel(const FormWidgets& form, DocumentModel& model, FormState& state,
                  const LanguageTexts& texts, Dialogs& dialogs, QObject* parent = nullptr);

    // Writes the values only; the layout for them follows with applyLoadedModes().
    void applyDocument(const MapDocument& document);

    // Lays the panel out for the operation, coil control and input-dwell modes the
    // widgets hold (after loading a map or setting the start-up defaults) and records
    // them as applied. Loaded values stay as they are.
    void applyLoadedModes();
    // The input-dwell part of the above on its own: Text14 follows the loaded choice and
    // keeps its loaded value.
    void applyLoadedInputDwellMode();

    // Runs the check of `field` as leaving it does, when it is one of the panel's checked
    // fields; returns whether it was one.
    bool checkField(QWidget* field);

    // Recomputes the spark power / coil discharge limit line, e.g. after a language switch.
    void setCriticalRpm();

    int appliedCoilControlMode() const { return m_appliedCoilControlMode; }
    int appliedOperationMode() const { return m_appliedOperationMode; }

    int portNumber() const;
    void setPortNumber(int portNumber);

  signals:
    void portNumberChanged(int portNumber);

  private:
    int cylinders() const;
    bool bipolar() const;
    FieldContext fieldContext() const;
    void attachField(QLineEdit* edit, SettingsField field);

    void onCoilControlModeChosen();
    void onOperationModeChosen();
    void onCylindersChosen();
    void onInputDwellOff(bool checked);
    void onInputDwellOn(bool checked);
    void restoreCylinderText();
    void commitCylinderText();

    void selectDwellControl();
    void layOutCoilControl(int mode);
    void layOutOperationMode(bool bipolar);
    void setNumber(QLineEdit* edit, double value);
    // The value of a field, and the value given to it and shown.
    QString& valueOf(QLineEdit* edit);
    void setValue(QLineEdit* edit, const QString& text);
    // A list's value follows its choice, whoever makes it.
    void follow(QComboBox* list, int MapDocument::*value);

    FormState& m_state;
    const LanguageTexts& m_texts;
    // The window's map; the panel changes only its settings, and announces its checked
    // values.
    DocumentModel& m_model;
    MapDocument& m_values;
    CheckedFields* m_fields;

    QLineEdit* m_inputDwell;
    QLineEdit* m_spark;
    QLineEdit* m_charge;
    QLineEdit* m_revLimit;
    QLineEdit* m_dwell;
    QComboBox* m_port;
    QComboBox* m_outputPolarity;
    QComboBox* m_inputPolarity;
    QComboBox* m_coilControl;
    QComboBox* m_cylinders;
    QComboBox* m_correctionIntervals;
    QComboBox* m_operationMode;
    QRadioButton* m_inputDwellOff;
    QRadioButton* m_inputDwellOn;
    QLabel* m_sparkLabel;
    QLabel* m_chargeLabel;
    QLabel* m_limitLabel;
    QLabel* m_correctionLabel;
    QLabel* m_dwellLabel;

    int m_appliedCoilControlMode = 0;
    int m_appliedOperationMode = 0;
};
