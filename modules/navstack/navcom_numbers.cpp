// Number conversions of the GPS/NAV/COM units, built on the shared truncation so that no
// simulator value, however wild, makes a conversion undefined.
#include <limits>

#include "navcom_unit.h"
#include "panel_abi/numbers.h"

namespace navstack::navcom {

namespace {

constexpr double kTwoTo31 = 2147483648.0;
constexpr double kTwoTo32 = 4294967296.0;

}  // namespace

uint32_t truncate_to_unsigned(double value) {
    if (value >= kTwoTo32) return std::numeric_limits<uint32_t>::max();
    // The upper half of the range, which the signed truncation would hold at its end.
    if (value >= kTwoTo31)
        return 0x80000000u + static_cast<uint32_t>(panel_abi::truncate_to_int(value - kTwoTo31));
    return static_cast<uint32_t>(panel_abi::truncate_to_int(value));
}

float to_single(double value) {
    constexpr double kLargest = std::numeric_limits<float>::max();
    constexpr float kInfinity = std::numeric_limits<float>::infinity();
    if (value > kLargest) return kInfinity;
    if (value < -kLargest) return -kInfinity;
    return static_cast<float>(value);  // NaN stays NaN
}

}  // namespace navstack::navcom
