// Numbers as a scenario script writes them: decimal, or hexadecimal with a 0x prefix.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace panel_runner {

// An integer: an optional sign, then decimal digits or 0x and hex digits.
std::optional<int64_t> parse_integer(std::string_view word);

// A finite number: an integer as above, or a decimal with fraction and exponent (1.5, -2e3).
std::optional<double> parse_number(std::string_view word);

// A BCD integer: 0x and one to eight digits, each 0 to 9 (0x1200 for a squawk of 1200).
std::optional<int64_t> parse_bcd(std::string_view word);

}  // namespace panel_runner
