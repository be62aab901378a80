#pragma once

#include <QString>

// The text of a load column header (and of its column chooser item) for a boundary in
// volts: volts, percent of the 5 V range, or bar scaled by the MAP sensor's range.
class LoadHeaderText {
  public:
    enum Unit { Volt = 0, Percent = 1, Bar = 2 };

    // Any unit other than Volt or Percent is shown in bar.
    static QString text(int unit, double volts, double mapMaximum, const QString& separator);
};
