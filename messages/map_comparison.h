#pragma once

#include "core/map_document.h"
#include "language/language_texts.h"

#include <QString>
#include <vector>

// One cell whose value differs from the other map's; `difference` is the other value
// minus this one, with sign.
struct CellDifference {
    int row;
    int column;
    QString value;
    QString other;
    QString difference;
};

// One setting (or axis entry, or row's cut level) that differs, named and shown in the
// given language as the window shows it.
struct SettingDifference {
    QString name;
    QString value;
    QString other;
};

// What differs between a map and another one. Maps of different shapes are not compared
// cell by cell, nor row by row: only their settings, the shape among them, are.
struct MapComparison {
    bool sameShape = true;
    std::vector<SettingDifference> settings;
    std::vector<CellDifference> cells;

    bool same() const { return settings.empty() && cells.empty(); }
};

// Numbers are compared as numbers ("5" equals "5.0"), other texts as typed; a value the
// file does not hold for either map (a hidden field) is not compared.
MapComparison compareMaps(const MapDocument& map, const MapDocument& other,
                          const QString& decimalSeparator, Language language);

// The load of a column as its header shows it, with the unit ("2.40 V", "48%").
QString columnLoadText(const MapDocument& map, int column, const QString& decimalSeparator);
