#include "needle_angle.h"

#include <cmath>

namespace panel_host {

namespace {

// A table longer than this is treated as corrupt and only its first rows are read.
constexpr int kMostTableRows = 1024;

double direction_to(const panel_abi::Needle& needle, const panel_abi::NonlinearityRow& row) {
    const double dx = row.dial_x - needle.header.position.x;
    const double dy = row.dial_y - needle.header.position.y;
    if (dx == 0.0 && dy == 0.0) return 0.0;
    return std::atan2(dy, dx) * 180.0 / M_PI;  // y grows downwards: clockwise positive
}

// The signed difference b - a folded into (-180, 180].
double shortest_turn(double from, double to) {
    double turn = std::fmod(to - from, 360.0);
    if (turn > 180.0) turn -= 360.0;
    if (turn <= -180.0) turn += 360.0;
    return turn;
}

}  // namespace

double needle_target_angle(const panel_abi::Needle& needle, double value) {
    const int rows = needle.table_rows < kMostTableRows ? needle.table_rows : kMostTableRows;
    if (needle.table == nullptr || rows <= 0) {
        if (!std::isfinite(value)) return 0.0;
        return std::fmod(value, 360.0);
    }
    const panel_abi::NonlinearityRow* table = needle.table;
    const bool ascending = table[rows - 1].value >= table[0].value;
    auto before = [&](double a, double b) { return ascending ? a <= b : a >= b; };

    if (std::isnan(value) || before(value, table[0].value)) return direction_to(needle, table[0]);
    if (before(table[rows - 1].value, value)) return direction_to(needle, table[rows - 1]);
    for (int i = 0; i + 1 < rows; ++i) {
        const double low = table[i].value;
        const double high = table[i + 1].value;
        if (!before(value, high)) continue;
        const double from = direction_to(needle, table[i]);
        const double to = direction_to(needle, table[i + 1]);
        const double span = high - low;
        const double t = span != 0.0 ? (value - low) / span : 1.0;
        return from + shortest_turn(from, to) * t;
    }
    return direction_to(needle, table[rows - 1]);
}

double limit_turn(double previous, double target, int max_turn) {
    if (max_turn <= 0) return target;
    const double turn = shortest_turn(previous, target);
    if (std::fabs(turn) <= max_turn) return target;
    return previous + (turn > 0 ? max_turn : -max_turn);
}

}  // namespace panel_host
