// One JSON object on one line, built field by field: the runner's output format.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace panel_runner {

// A JSON string literal: quotes, backslashes and control characters escaped. Bytes that are
// not valid UTF-8 (gauge texts are in a Windows code page) are taken as Latin-1.
std::string json_string(std::string_view text);

// The shortest text that reads back as the same double (0 for either zero); null for
// infinities and NaN.
std::string json_number(double value);

class JsonLine {
public:
    explicit JsonLine(std::string_view type);

    JsonLine& text(std::string_view name, std::string_view value);
    JsonLine& integer(std::string_view name, int64_t value);
    JsonLine& number(std::string_view name, double value);
    JsonLine& flag(std::string_view name, bool value);
    JsonLine& hex(std::string_view name, uint32_t value);  // as a string: "0x101f4"

    // The object, without a line end.
    std::string str() const { return body_ + "}"; }

private:
    JsonLine& raw(std::string_view name, std::string_view json);

    std::string body_;
};

}  // namespace panel_runner
