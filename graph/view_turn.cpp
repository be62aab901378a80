#include "graph/view_turn.h"

#include <cmath>

QPointF projectTurned(const AxisFrame& frame, const ViewTurn& turn, double rpm, double load,
                      double advance) {
    const auto image = [&frame](double x, double y, double z) {
        return frame.rpm * x + frame.load * y + frame.advance * z;
    };
    if (turn.isStandard())
        return frame.origin + frame.rpm * rpm + frame.load * load + frame.advance * advance;
    constexpr double kCentre = 0.5;
    const double x = rpm - kCentre, y = load - kCentre, z = advance - kCentre;
    // Pitch about the RPM axis first, then yaw about the advance axis.
    const double y1 = y * std::cos(turn.pitch) - z * std::sin(turn.pitch);
    const double z1 = y * std::sin(turn.pitch) + z * std::cos(turn.pitch);
    const double x2 = x * std::cos(turn.yaw) - y1 * std::sin(turn.yaw);
    const double y2 = x * std::sin(turn.yaw) + y1 * std::cos(turn.yaw);
    return frame.origin + image(kCentre, kCentre, kCentre) + image(x2, y2, z1) * turn.zoom;
}
