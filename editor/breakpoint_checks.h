#pragma once

#include "core/check_failure.h"
#include "core/form_state.h"

#include <QList>
#include <QStringList>
#include <optional>

// The rules a whole axis must pass before it replaces the stored one, in their fixed
// order; the first broken rule names the position (counted from 1) and the text as typed.
class BreakpointChecks {
  public:
    static constexpr int kFirstRpmMinimum = 600;
    static constexpr double kFirstVoltMaximum = 3.1;
    static constexpr double kTopVolts = 5.0;

    struct RpmAxis {
        std::optional<CheckFailure> failure;
        QList<qint16> rpm; // filled only when every rule passed
    };
    struct VoltAxis {
        std::optional<CheckFailure> failure;
        QList<double> volts; // the editable boundaries, filled only when every rule passed
    };

    // The texts of the row labels, lowest RPM first. Only digits are accepted, and the
    // value must fit a 16-bit signed whole number.
    static RpmAxis checkRpm(const QStringList& texts);

    // The texts of every column header in volts; the last one is the locked top boundary,
    // which is compared against but not checked itself. The rules run on the texts as
    // typed, then again on the two-decimal values they are kept with, so two boundaries
    // can never end up equal, or one at zero, once stored.
    static VoltAxis checkVolts(const QStringList& texts, const FormState& form);
};
