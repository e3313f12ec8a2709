#include "script_numbers.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace panel_runner {

namespace {

struct Signed {
    bool negative = false;
    std::string_view digits;
};

Signed split_sign(std::string_view word) {
    Signed result{false, word};
    if (!word.empty() && (word[0] == '-' || word[0] == '+')) {
        result.negative = word[0] == '-';
        result.digits = word.substr(1);
    }
    return result;
}

bool has_hex_prefix(std::string_view digits) {
    return digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X');
}

// The whole of `digits` as an unsigned number in `base`; no sign, no spaces.
std::optional<uint64_t> parse_unsigned(std::string_view digits, int base) {
    if (digits.empty()) return std::nullopt;
    uint64_t value = 0;
    const char* end = digits.data() + digits.size();
    auto [stop, error] = std::from_chars(digits.data(), end, value, base);
    if (error != std::errc() || stop != end) return std::nullopt;
    return value;
}

}  // namespace

std::optional<int64_t> parse_integer(std::string_view word) {
    const Signed split = split_sign(word);
    if (split.digits.empty() || split.digits[0] == '+' || split.digits[0] == '-') return std::nullopt;
    const bool hex = has_hex_prefix(split.digits);
    const std::optional<uint64_t> magnitude =
        hex ? parse_unsigned(split.digits.substr(2), 16) : parse_unsigned(split.digits, 10);
    if (!magnitude) return std::nullopt;
    constexpr uint64_t kLargest = static_cast<uint64_t>(INT64_MAX);
    if (*magnitude > kLargest + (split.negative ? 1 : 0)) return std::nullopt;
    if (split.negative) return static_cast<int64_t>(0 - *magnitude);
    return static_cast<int64_t>(*magnitude);
}

std::optional<double> parse_number(std::string_view word) {
    const Signed split = split_sign(word);
    if (has_hex_prefix(split.digits)) {
        const std::optional<int64_t> integer = parse_integer(word);
        if (!integer) return std::nullopt;
        return static_cast<double>(*integer);
    }
    // Only digits, one point and an exponent: from_chars alone would also take "inf" and "nan".
    if (split.digits.empty() || !(std::isdigit(static_cast<unsigned char>(split.digits[0])) || split.digits[0] == '.'))
        return std::nullopt;
    double value = 0.0;
    const char* end = split.digits.data() + split.digits.size();
    auto [stop, error] = std::from_chars(split.digits.data(), end, value, std::chars_format::general);
    if (error != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
    return split.negative ? -value : value;
}

std::optional<int64_t> parse_bcd(std::string_view word) {
    if (!has_hex_prefix(word) || word.size() > 2 + 8) return std::nullopt;
    for (char digit : word.substr(2))
        if (digit < '0' || digit > '9') return std::nullopt;
    const std::optional<uint64_t> value = parse_unsigned(word.substr(2), 16);
    if (!value) return std::nullopt;
    return static_cast<int64_t>(*value);
}

}  // namespace panel_runner
