#pragma once

#include <QPointF>

// How far the user has turned and zoomed the 3D view. The default is the standard view,
// which projects exactly as the fixed axes always have.
struct ViewTurn {
    double yaw = 0.0;   // radians about the advance axis
    double pitch = 0.0; // radians about the RPM axis
    double zoom = 1.0;

    bool isStandard() const { return yaw == 0.0 && pitch == 0.0 && zoom == 1.0; }
};

// The oblique projection of the 3D view: the origin and the three axis vectors in
// twips, each axis spanning 0..1 of its quantity.
struct AxisFrame {
    QPointF origin;
    QPointF rpm;
    QPointF load;
    QPointF advance;
};

// A point given as fractions of the three axes, in panel twips. A turned view turns the
// unit cube about its centre and zooms about the centre's image, so the wire frame
// stays in the panel while it turns.
QPointF projectTurned(const AxisFrame& frame, const ViewTurn& turn, double rpm, double load,
                      double advance);
