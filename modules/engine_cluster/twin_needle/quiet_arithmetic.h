// Arithmetic for the needle readings that gives the IEEE 754 result of every operation
// without raising a floating-point exception: a zero divisor gives an infinity (or NaN when
// the dividend is zero too), infinities that cancel give NaN, and NaN is compared quietly.
// A host that runs with floating-point traps enabled sees no trap from these gauges.
#pragma once

#include <cmath>
#include <limits>

namespace twin_needle {

inline constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();
inline constexpr double kInfinity = std::numeric_limits<double>::infinity();

// dividend / divisor.
inline double quiet_divide(double dividend, double divisor) {
    if (std::isnan(dividend) || std::isnan(divisor)) return kNotANumber;
    if (divisor == 0.0) {
        if (dividend == 0.0) return kNotANumber;
        const bool negative = std::signbit(dividend) != std::signbit(divisor);
        return negative ? -kInfinity : kInfinity;
    }
    if (std::isinf(dividend) && std::isinf(divisor)) return kNotANumber;
    return dividend / divisor;
}

// a × b.
inline double quiet_product(double a, double b) {
    if ((std::isinf(a) && b == 0.0) || (a == 0.0 && std::isinf(b))) return kNotANumber;
    return a * b;
}

// a + b.
inline double quiet_sum(double a, double b) {
    if (std::isinf(a) && std::isinf(b) && std::signbit(a) != std::signbit(b)) return kNotANumber;
    return a + b;
}

// Holds a reading within [low, high]: above high it becomes high, otherwise below low it
// becomes low. NaN is neither above high nor at or above low, so it becomes low.
inline double bounded(double value, double low, double high) {
    if (std::isgreater(value, high)) return high;
    if (!std::isgreaterequal(value, low)) return low;
    return value;
}

}  // namespace twin_needle
