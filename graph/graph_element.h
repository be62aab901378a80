#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <Qt>

// The charts are made of these two kinds of elements, kept as data so that tests can
// check them and one widget per view can paint them. Coordinates are twips within the
// chart's panel, y downwards. Elements of a higher layer are painted over lower ones.

struct GraphLine {
    QPointF p1;
    QPointF p2;
    QColor colour;
    int width = 1; // in pixels at 96 dpi
    bool visible = false;
    int layer = 0;
};

struct GraphLabel {
    QString text;
    QPointF topLeft;
    QSizeF size; // the box the text is aligned in
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    QColor colour;
    QFont font;
    bool visible = false;
    int layer = 0;
};
