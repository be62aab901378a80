#pragma once

#include <QFont>
#include <QSizeF>
#include <QString>
#include <functional>

// The size in twips that a text takes on screen in a font. The charts place their labels
// by this size; tests pass a fixed measure to check the placement rules exactly.
using LabelMeasure = std::function<QSizeF(const QFont&, const QString&)>;

// Measures with the font's real metrics on the screen.
LabelMeasure fontLabelMeasure();

// The labels' font in both charts. Its family is set, so that a panel's own font cannot
// change it between measuring and painting.
QFont chartLabelFont();
