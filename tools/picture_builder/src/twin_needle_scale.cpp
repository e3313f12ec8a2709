#include "twin_needle_scale.h"

#include <cmath>

namespace picture_builder {

namespace {

double direction_to(const twin_needle::DialGeometry& dial, const twin_needle::DialPoint& point) {
    return std::atan2(point.y - dial.pivot.y, point.x - dial.pivot.x);
}

double distance_to(const twin_needle::DialGeometry& dial, const twin_needle::DialPoint& point) {
    return std::hypot(point.x - dial.pivot.x, point.y - dial.pivot.y);
}

// The turn from one direction to another folded into (-pi, pi].
double shortest_turn(double from, double to) {
    double turn = std::fmod(to - from, 2 * M_PI);
    if (turn > M_PI) turn -= 2 * M_PI;
    if (turn <= -M_PI) turn += 2 * M_PI;
    return turn;
}

ScalePosition at_row(const twin_needle::DialGeometry& dial, const twin_needle::DialPoint& row) {
    return {direction_to(dial, row), distance_to(dial, row)};
}

}  // namespace

ScalePosition scale_position(const twin_needle::DialGeometry& dial, double value) {
    const auto& rows = dial.points;
    if (value <= rows.front().value) return at_row(dial, rows.front());
    for (size_t i = 0; i + 1 < rows.size(); ++i) {
        const twin_needle::DialPoint& low = rows[i];
        const twin_needle::DialPoint& high = rows[i + 1];
        if (value > high.value) continue;
        const double t = (value - low.value) / (high.value - low.value);
        const ScalePosition from = at_row(dial, low);
        const ScalePosition to = at_row(dial, high);
        return {from.direction + shortest_turn(from.direction, to.direction) * t,
                from.radius + (to.radius - from.radius) * t};
    }
    return at_row(dial, rows.back());
}

PicturePoint point_at(const twin_needle::DialGeometry& dial, double direction, double radius) {
    return {dial.pivot.x + radius * std::cos(direction),
            dial.pivot.y + radius * std::sin(direction)};
}

}  // namespace picture_builder
