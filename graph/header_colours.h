#pragma once

#include "core/form_widgets.h"

#include <QColor>
#include <QList>

// The column headers TextLabel1(0..11) of the form double as the 2D chart's legend.

// Gives header i the text colour colours[i].
void applyHeaderColours(const HeaderCells& headers, const QList<QColor>& colours);

// Back to the text colour of the rev-limit column's header, TextLabel1(12).
void resetHeaderColours(const HeaderCells& headers);
