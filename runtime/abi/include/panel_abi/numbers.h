// Number conversions gauge code shares. Every double becomes an integer by truncation toward
// zero; a value outside the 32-bit range is held at the nearest end of it and NaN becomes 0,
// so that no simulator value, however wild, makes a conversion undefined.
#pragma once

#include <cstdint>
#include <limits>

namespace panel_abi {

constexpr int32_t truncate_to_int(double value) {
    if (!(value == value)) return 0;  // NaN
    if (value >= 2147483647.0) return std::numeric_limits<int32_t>::max();
    if (value <= -2147483648.0) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

}  // namespace panel_abi
