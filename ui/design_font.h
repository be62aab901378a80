#pragma once

#include <QFont>
#include <QString>

// The font the window design names, or a close family this machine has: the design's
// families are not installed everywhere.
QFont designFont(const QString& family, qreal pointSize, bool bold = false);
