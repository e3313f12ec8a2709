// Bringing any value read from the store back into the flight envelope.
#pragma once

#include <algorithm>
#include <cmath>

namespace panel_sim {

// `value` held to [low, high]; not-a-number becomes the value in range nearest to 0, and
// an infinity becomes the bound on its side.
inline double within(double value, double low, double high) {
    return std::clamp(std::isnan(value) ? 0.0 : value, low, high);
}

}  // namespace panel_sim
